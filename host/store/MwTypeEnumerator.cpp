#include "host/store/MwTypeEnumerator.h"

#include "host/store/IFTypePalette.h"
#include "host/store/MwInstance.h"

MwTypeEnumerator::MwTypeEnumerator(IUnknown* owner, DWORD mask) {
  CComPtr<IFTypePalette> palette = ComQuery<IFTypePalette>(owner);
  if (!palette) {
    CComPtr<IFType> type;
    if (FAILED(MwInstance::TypeOf(owner, &type)) || !type) return;
    if (FAILED(type->GetOwnedPalette(&palette))) return;
  }
  if (palette) palette->EnumTypes(mask, &m_types);
}

HRESULT MwTypeEnumerator::Next(IFType** type) {
  if (!type) return E_POINTER;
  *type = nullptr;
  if (!m_types) return S_FALSE;
  HRESULT hr = m_types->Next(type);
  return hr == S_OK && *type ? S_OK : S_FALSE;
}

void MwTypeEnumerator::Reset() {
  if (m_types) m_types->Reset();
}
