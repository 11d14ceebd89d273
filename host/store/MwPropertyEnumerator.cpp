#include "host/store/MwPropertyEnumerator.h"

#include "host/store/MwInstance.h"

MwPropertyEnumerator::MwPropertyEnumerator(IUnknown* instance, DWORD mask) {
  CComPtr<IFInstance> current;
  MwInstance path(instance);
  if (SUCCEEDED(path.QueryInstance(&current)) && current) current->EnumProperties(mask, &m_properties);
}

HRESULT MwPropertyEnumerator::Next(IFPropertyDesc** property) {
  if (!property) return E_POINTER;
  *property = nullptr;
  if (!m_properties) return S_FALSE;
  HRESULT hr = m_properties->Next(property);
  return hr == S_OK && *property ? S_OK : S_FALSE;
}

void MwPropertyEnumerator::Reset() {
  if (m_properties) m_properties->Reset();
}
