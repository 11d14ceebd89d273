// Reference counting and interface queries for a class that implements host
// interfaces: derive from CComObject<IFirst, ISecond, ...> and implement the
// interfaces' operations. An interface that extends another declares
// `using BaseInterface = IBase;` and queries for the base are answered too.
// Objects are made with MakeComObject and deleted by their last Release.
// Counts are not atomic: host objects live on the user-interface thread.
#pragma once

#include <utility>

#include "host/com/ComPtr.h"

template <class First, class... Rest>
class CComObject : public First, public Rest... {
 public:
  CComObject(const CComObject&) = delete;
  CComObject& operator=(const CComObject&) = delete;

  HRESULT QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    void* found = nullptr;
    if (iid == IID_IUnknown) {
      found = Identity();
    } else {
      found = Match<First>(static_cast<First*>(this), iid);
      ((found = found ? found : Match<Rest>(static_cast<Rest*>(this), iid)), ...);
      if (!found) found = QueryOther(iid);
    }
    if (!found) return E_NOINTERFACE;
    AddRef();
    *out = found;
    return S_OK;
  }
  ULONG AddRef() override { return ++m_references; }
  ULONG Release() override {
    const ULONG left = --m_references;
    if (left == 0) delete this;
    return left;
  }

  // The IUnknown that stands for the whole object.
  IUnknown* Identity() { return static_cast<IUnknown*>(static_cast<First*>(this)); }

 protected:
  CComObject() = default;
  ~CComObject() override = default;

  // Interfaces beyond the listed ones (for example chosen per object): the
  // interface pointer without an added reference, or null.
  virtual void* QueryOther(REFIID /*iid*/) { return nullptr; }

 private:
  template <class I>
  static void* Match(I* self, REFIID iid) {
    if (iid == I::Iid()) return self;
    if constexpr (requires { typename I::BaseInterface; }) {
      return Match<typename I::BaseInterface>(self, iid);
    } else {
      return nullptr;
    }
  }

  ULONG m_references = 0;
};

// A new object of class T holding the first reference.
template <class T, class... Args>
CComPtr<T> MakeComObject(Args&&... args) {
  return CComPtr<T>(new T(std::forward<Args>(args)...));
}
