#include "host/com/DataObject.h"

#include <memory>

HRESULT ReadDataObjectText(IDataObject* data, const std::string& formatName, std::string& text) {
  if (!data) return E_POINTER;
  STGMEDIUM medium;
  HRESULT hr = data->GetData(RegisterClipboardFormat(formatName), &medium);
  if (FAILED(hr)) return hr;
  std::string result;
  if (medium.tymed == TYMED_ISTREAM && medium.pstm) {
    result = medium.pstm->ReadAllText();
  } else if (medium.tymed == TYMED_HGLOBAL) {
    result.assign(medium.hGlobal.begin(), medium.hGlobal.end());
  } else {
    return E_FAIL;
  }
  while (!result.empty() && result.back() == '\0') result.pop_back();
  text = std::move(result);
  return S_OK;
}

HRESULT WriteDataObjectText(IDataObject* data, const std::string& formatName, const std::string& text) {
  if (!data) return E_POINTER;
  STGMEDIUM medium;
  medium.tymed = TYMED_ISTREAM;
  medium.pstm = std::make_shared<CMemoryStream>();
  medium.pstm->Write(text.data(), text.size());
  medium.pstm->Seek(0, CMemoryStream::Origin::Begin);
  return data->SetData(RegisterClipboardFormat(formatName), medium);
}
