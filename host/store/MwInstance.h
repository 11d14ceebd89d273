// An instance path: a stack whose first element (the base) is an instance and
// whose every further element was reached through a property of the one before.
// The current element is the last one. Made from an instance, a type (its
// default instance), any store object, a top-level name, or a base and names.
// A constructor that cannot resolve its argument leaves the path empty.
#pragma once

#include <string>
#include <vector>

#include "host/com/ComPtr.h"
#include "host/store/IFInstance.h"
#include "host/store/IFPropertyDesc.h"

struct IFRoot;
struct IFType;
struct IFTypePalette;

class MwInstance {
 public:
  MwInstance() = default;
  explicit MwInstance(IFInstance* instance);
  // The type's default instance (IFType::GetDefaultInstance with index and flags).
  MwInstance(IFType* type, int index, DWORD flags);
  // An instance; or the default instance of a type, of a descriptor's type, or of a palette's owner.
  explicit MwInstance(IUnknown* object);
  // The instance root resolves name to (a library, or the simulation).
  MwInstance(IFRoot* root, const std::string& name);
  // base, then each of path pushed in turn.
  MwInstance(IFInstance* base, const std::vector<std::string>& path);

  // Walks into the current element's property; the path is unchanged on failure.
  HRESULT Push(const std::string& propertyName);
  HRESULT Push(IFPropertyDesc* property);
  // Walks out of the current element; popping the base empties the path. E_FAIL when empty.
  HRESULT Pop();
  // The dotted text path of the current element ("Flowsheet.B1.T"): the base's
  // own path followed by the names pushed.
  HRESULT StringPath(std::string& path) const;
  // Pushes each component of a dotted path; on failure the path is as before.
  HRESULT ResolvePath(const std::string& dottedPath);
  // The current element's property called name, without walking into it.
  HRESULT GetProperty(const std::string& name, IFPropertyDesc** property) const;

  HRESULT CurrentType(IFType** type) const;
  // The property the current element was reached through (for the base: the
  // property of its parent that holds it).
  HRESULT CurrentProperty(IFPropertyDesc** property) const;
  // The palette names are looked up in from the current element: the one its
  // type owns, else the one that holds its type.
  HRESULT CurrentTypePalette(IFTypePalette** palette) const;

  // An interface of the current element's instance, or of its type.
  HRESULT QueryInstance(REFIID iid, void** out) const;
  HRESULT QueryType(REFIID iid, void** out) const;
  template <class Q>
  HRESULT QueryInstance(Q** out) const {
    return QueryInstance(Q::Iid(), reinterpret_cast<void**>(out));
  }
  template <class Q>
  HRESULT QueryType(Q** out) const {
    return QueryType(Q::Iid(), reinterpret_cast<void**>(out));
  }

  // Adds a property called name holding a new instance of type to the current element, and walks into it.
  HRESULT NewInstance(IFType* type, const std::string& name);
  // The current element's text in a clipboard format ("Non-embedded Text",
  // "MORROW Modelling Language"), through the data object of its type, else of its instance.
  HRESULT SetString(const std::string& formatName, const std::string& text);
  HRESULT GetString(const std::string& formatName, std::string& text) const;

  // Not empty, and the current instance still stands for something in the store.
  bool IsValid() const;
  // The current instance is its type's default instance.
  bool IsDefaultInstance() const;
  int StackSize() const { return static_cast<int>(m_stack.size()); }
  void Clear() { m_stack.clear(); }
  // Starts again from base (an empty path for null).
  HRESULT ReInit(IFInstance* base);

  // The type behind any store object: a type, a descriptor's type, an
  // instance's type or a palette's owner type.
  static HRESULT TypeOf(IUnknown* object, IFType** type);

 private:
  struct Element {
    CComPtr<IFInstance> instance;
    CComPtr<IFPropertyDesc> property;  // null for the base
  };
  IFInstance* Current() const;
  bool SetBaseFromType(IFType* type, int index, DWORD flags);

  std::vector<Element> m_stack;
};
