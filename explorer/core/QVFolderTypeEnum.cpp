#include "explorer/core/QVFolderTypeEnum.h"

#include "explorer/core/TypeAccess.h"

CQVFolderTypeEnum::CQVFolderTypeEnum(IUnknown* palette, const std::string& folderName) {
  CComPtr<IFTypePalette> types = ComQuery<IFTypePalette>(palette);
  if (!types) types = type_access::PaletteOf(type_access::TypeOf(palette));
  CComPtr<IFTypeTable> table = type_access::TableOf(types);
  if (!table || FAILED(table->GetFolderCollection(&m_pFolders)) || !m_pFolders) return;
  if (FAILED(m_pFolders->GetFolder(folderName, false, &m_pFolder)) || !m_pFolder) return;
  m_pFolder->EnumTypes(&m_pEnum);
}

CComPtr<IFTypeDesc> CQVFolderTypeEnum::Next() {
  CComPtr<IFTypeDesc> desc;
  if (m_pEnum && m_pEnum->Next(&desc) != S_OK) desc.Release();
  return desc;
}

CComPtr<IFTypeDesc> CQVFolderTypeEnum::Next(CComPtr<IFType>& type) {
  CComPtr<IFTypeDesc> desc = Next();
  type = type_access::TypeOf(desc);
  return desc;
}
