// A counted reference to a host object: holds one reference while it points at
// the object and releases it when it lets go (destruction, reassignment, Release).
#pragma once

#include <concepts>
#include <cstddef>
#include <memory>
#include <utility>

#include "host/com/Unknown.h"

template <class T>
class CComPtr {
 public:
  CComPtr() noexcept = default;
  CComPtr(std::nullptr_t) noexcept {}
  // Adds a reference of its own; the caller keeps whatever reference it had.
  CComPtr(T* p) noexcept : m_p(p) {
    if (m_p) m_p->AddRef();
  }
  CComPtr(const CComPtr& other) noexcept : CComPtr(other.m_p) {}
  CComPtr(CComPtr&& other) noexcept : m_p(std::exchange(other.m_p, nullptr)) {}
  template <class U>
    requires std::convertible_to<U*, T*>
  CComPtr(const CComPtr<U>& other) noexcept : CComPtr(static_cast<T*>(other.Get())) {}
  ~CComPtr() { Release(); }

  CComPtr& operator=(T* p) noexcept {
    Assign(p);
    return *this;
  }
  CComPtr& operator=(const CComPtr& other) noexcept {
    Assign(other.m_p);
    return *this;
  }
  CComPtr& operator=(CComPtr&& other) noexcept {
    if (this != std::addressof(other)) {
      T* old = std::exchange(m_p, std::exchange(other.m_p, nullptr));
      if (old) old->Release();
    }
    return *this;
  }
  CComPtr& operator=(std::nullptr_t) noexcept {
    Release();
    return *this;
  }

  T* Get() const noexcept { return m_p; }
  T* operator->() const noexcept { return m_p; }
  operator T*() const noexcept { return m_p; }

  // For out-parameters: lets go of the current object and gives the slot to fill,
  // so that `type->GetTypeDesc(&desc)` never leaks what desc held before.
  T** operator&() noexcept {
    Release();
    return &m_p;
  }

  void Release() noexcept {
    if (T* old = std::exchange(m_p, nullptr)) old->Release();
  }
  // Takes over a reference the caller owns (no reference is added).
  void Attach(T* p) noexcept {
    T* old = std::exchange(m_p, p);
    if (old) old->Release();
  }
  // Gives up the reference to the caller without releasing it.
  T* Detach() noexcept { return std::exchange(m_p, nullptr); }
  // Hands the caller a reference of its own; E_POINTER for a null out.
  HRESULT CopyTo(T** out) const noexcept {
    if (!out) return E_POINTER;
    *out = m_p;
    if (m_p) m_p->AddRef();
    return S_OK;
  }

  // The object's interface Q (which declares Q::Iid()); E_POINTER when this is empty.
  template <class Q>
  HRESULT QueryInterface(Q** out) const noexcept {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (!m_p) return E_POINTER;
    return m_p->QueryInterface(Q::Iid(), reinterpret_cast<void**>(out));
  }

 private:
  void Assign(T* p) noexcept {
    if (p) p->AddRef();  // first, so that assigning the held object to itself is safe
    T* old = std::exchange(m_p, p);
    if (old) old->Release();
  }

  T* m_p = nullptr;
};

// The interface Q of object, or an empty pointer when object is null or does not offer Q.
template <class Q>
CComPtr<Q> ComQuery(IUnknown* object) {
  CComPtr<Q> result;
  if (object) object->QueryInterface(Q::Iid(), reinterpret_cast<void**>(&result));
  return result;
}

// True when both pointers reach the same object (compared through IUnknown), or both are null.
inline bool IsSameObject(IUnknown* a, IUnknown* b) {
  if (!a || !b) return a == b;
  CComPtr<IUnknown> ua = ComQuery<IUnknown>(a);
  CComPtr<IUnknown> ub = ComQuery<IUnknown>(b);
  return ua && ua.Get() == ub.Get();
}
