// An enumerator over a list of objects taken when it is made.
#pragma once

#include <vector>

#include "host/com/ComObject.h"
#include "host/com/Enum.h"

template <class T>
class CComEnum : public CComObject<IEnum<T>> {
 public:
  explicit CComEnum(std::vector<CComPtr<T>> items) : m_items(std::move(items)) {}

  HRESULT Next(T** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (m_position >= m_items.size()) return S_FALSE;
    return m_items[m_position++].CopyTo(out);
  }
  HRESULT Skip(ULONG count) override {
    const std::size_t left = m_items.size() - m_position;
    if (count > left) {
      m_position = m_items.size();
      return S_FALSE;
    }
    m_position += count;
    return S_OK;
  }
  HRESULT Reset() override {
    m_position = 0;
    return S_OK;
  }

 private:
  std::vector<CComPtr<T>> m_items;
  std::size_t m_position = 0;
};

// A new enumerator over items, ready to be handed out through an IEnum<T>** out-parameter.
template <class T>
HRESULT MakeEnum(std::vector<CComPtr<T>> items, IEnum<T>** out) {
  if (!out) return E_POINTER;
  CComPtr<CComEnum<T>> e = MakeComObject<CComEnum<T>>(std::move(items));
  *out = e.Detach();
  return S_OK;
}
