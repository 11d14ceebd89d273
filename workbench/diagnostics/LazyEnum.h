// An enumerator that makes each element only when it is reached: passing over
// elements (Skip) makes none, so paging through a large collection costs only
// the page's objects.
#pragma once

#include <cstddef>
#include <functional>

#include "host/com/ComObject.h"
#include "host/com/Enum.h"

template <class T>
class CLazyEnum : public CComObject<IEnum<T>> {
 public:
  using Maker = std::function<CComPtr<T>(std::size_t index)>;
  CLazyEnum(std::size_t count, Maker make) : m_count(count), m_make(std::move(make)) {}

  HRESULT Next(T** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (m_position >= m_count) return S_FALSE;
    return m_make(m_position++).CopyTo(out);
  }
  HRESULT Skip(ULONG count) override {
    if (count > m_count - m_position) {
      m_position = m_count;
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
  std::size_t m_count;
  Maker m_make;
  std::size_t m_position = 0;
};

template <class T>
HRESULT MakeLazyEnum(std::size_t count, typename CLazyEnum<T>::Maker make, IEnum<T>** out) {
  if (!out) return E_POINTER;
  CComPtr<CLazyEnum<T>> e = MakeComObject<CLazyEnum<T>>(count, std::move(make));
  *out = e.Detach();
  return S_OK;
}
