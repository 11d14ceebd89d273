// The base of the objects that answer a type's kind-specific interfaces: a
// view holds the type with a counted reference, answers its own interfaces,
// and passes every other query (IUnknown included) to the type, so that a
// view and its type are one object to whoever compares them.
#pragma once

#include "host/com/ComObject.h"
#include "workbench/store/StoreType.h"

template <class... Interfaces>
class CTypeView : public CComObject<Interfaces...> {
 public:
  explicit CTypeView(CStoreType* type) : m_type(type) {}

  HRESULT QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    if (iid != IID_IUnknown && CComObject<Interfaces...>::QueryInterface(iid, out) == S_OK) return S_OK;
    return m_type->QueryInterface(iid, out);
  }

 protected:
  CStoreType& Type() const { return *m_type; }

  CComPtr<CStoreType> m_type;
};

// A new view of class View on type, as the IUnknown the view makers hand out.
template <class View>
CComPtr<IUnknown> MakeView(CStoreType* type) {
  return CComPtr<IUnknown>(MakeComObject<View>(type)->Identity());
}
