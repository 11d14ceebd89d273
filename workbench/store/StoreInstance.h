// Instances: the instance that stands for a type (its default instance) and
// the instances below it. A type's default instance has a property for each
// member its text declares (variables, parameters, ports, submodels,
// structures), read again whenever the text changes; instances made with
// CreateChild are kept as well and count as uses of their type. The default
// instance of a library or of the simulation also finds the palette's types
// by name, so that a library name and a type name lead to the type.
//
// An instance points to its type without a counted reference: the palette
// keeps types alive, and an instance whose type is gone or deleted reports
// itself invalid (IFValidity) instead of reaching freed memory.
#pragma once

#include <string>
#include <string_view>

#include "host/com/ComObject.h"
#include "host/store/IFInstance.h"
#include "host/store/IFPropertyDesc.h"
#include "host/store/IFValidity.h"
#include "workbench/store/BackLink.h"
#include "workbench/store/OrderedNameMap.h"

class CStoreType;

// Property class bits (IFPropertyDesc::GetFlags, IFInstance::EnumProperties masks).
constexpr DWORD FP_VARIABLE = 0x00000001;
constexpr DWORD FP_PARAMETER = 0x00000002;
constexpr DWORD FP_PORT = 0x00000004;
constexpr DWORD FP_STRUCTURE = 0x00000008;
constexpr DWORD FP_TYPE = 0x00000010;      // a palette's type, reached by name from its owner's instance
constexpr DWORD FP_ADDED = 0x00000020;     // made with CreateChild
constexpr DWORD FP_SUBMODEL = 0x00020000;  // a block inside a model (one of the block attribute bits)

class CStoreProperty : public CComObject<IFPropertyDesc> {
 public:
  CStoreProperty(std::string name, DWORD flags, CStoreType* type);
  const std::string& Name() const { return m_name; }
  DWORD Flags() const { return m_flags; }
  CStoreType* Type() const { return m_type.Get(); }
  void SetName(std::string name) { m_name = std::move(name); }

  HRESULT GetName(std::string& name) override;
  HRESULT GetType(IFType** type) override;
  HRESULT GetFlags(DWORD* flags) override;

 private:
  std::string m_name;
  DWORD m_flags;
  CBackLink<CStoreType> m_type;
};

class CStoreInstance : public CComObject<IFInstance, IFValidity>, public CLinkTarget {
 public:
  // The default instance of type.
  explicit CStoreInstance(CStoreType* type);
  // An instance held by parent's property (name, flags). countsAsUse: made
  // by the user (CreateChild), so it keeps its type in use while it exists.
  CStoreInstance(CStoreType* type, CStoreInstance* parent, CStoreProperty* property, bool countsAsUse);
  ~CStoreInstance() override;

  CStoreType* Type() const { return m_type.Get(); }
  CStoreInstance* Parent() const { return m_parent.Get(); }
  CStoreProperty* Property() const { return m_property; }
  bool IsDefault() const { return !m_parent && !m_property; }
  // Makes the instance an instance of another type (a flowsheet block moving to a custom model).
  void SetType(CStoreType* type);

  // The instance the property called name holds, or null.
  CStoreInstance* Child(std::string_view name);
  // Instances made with CreateChild, in the order they were made.
  std::vector<CComPtr<CStoreInstance>> AddedChildren() const;
  HRESULT AddChild(const std::string& name, CStoreType* type, CStoreInstance** child);
  HRESULT RemoveChild(std::string_view name);

  // ---- IUnknown: IFRoot and IRModel where the type has them ----
  HRESULT QueryInterface(REFIID iid, void** out) override;
  // ---- IFInstance ----
  HRESULT GetName(std::string& name) override;
  HRESULT GetPath(std::string& path) override;
  HRESULT GetType(IFType** type) override;
  HRESULT GetClassID(CLSID* classId) override;
  HRESULT GetAttributes(DWORD* attributes) override;
  HRESULT GetProperty(const std::string& name, IFPropertyDesc** property, IFInstance** value) override;
  HRESULT GetPropertyDesc(IFPropertyDesc** property) override;
  HRESULT EnumProperties(DWORD mask, IEnum<IFPropertyDesc>** properties) override;
  HRESULT CreateChild(const std::string& name, IFType* type, IFInstance** child) override;
  // ---- IFValidity ----
  HRESULT IsValid(bool* valid) override;

 private:
  struct Member {
    CComPtr<CStoreProperty> property;
    CComPtr<CStoreInstance> instance;  // made on first use for declared members
  };
  void RefreshDeclared();
  CStoreInstance* MemberInstance(Member& member);
  bool Usable() const;

  CBackLink<CStoreType> m_type;
  CBackLink<CStoreInstance> m_parent;
  CComPtr<CStoreProperty> m_property;  // the parent's property that holds this instance
  bool m_countsAsUse = false;
  COrderedNameMap<Member> m_declared;
  unsigned m_declaredVersion = ~0u;
  COrderedNameMap<Member> m_added;
};
