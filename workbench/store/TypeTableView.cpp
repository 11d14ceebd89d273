#include "workbench/store/TypeTableView.h"

#include "host/store/Status.h"
#include "workbench/store/StorePalette.h"
#include "workbench/store/StoreType.h"

CTypeTableView::CTypeTableView(CStorePalette* palette) : m_palette(palette) {}
CTypeTableView::~CTypeTableView() = default;

HRESULT CTypeTableView::FindType(const std::string& name, IFTypeDesc** desc) {
  if (!desc) return E_POINTER;
  *desc = nullptr;
  CStorePalette* palette = m_palette.Get();
  if (!palette) return FE_STALE;
  CStoreType* type = palette->Find(name);
  if (!type) return FE_NOTFOUND;
  return CComPtr<IFTypeDesc>(type).CopyTo(desc);
}

HRESULT CTypeTableView::IsTypeInUse(const std::string& name, bool* inUse) {
  if (!inUse) return E_POINTER;
  CStorePalette* palette = m_palette.Get();
  if (!palette) return FE_STALE;
  if (!palette->Find(name)) return FE_NOTFOUND;
  *inUse = palette->IsInUse(name);
  return S_OK;
}

HRESULT CTypeTableView::DeleteType(const std::string& name) {
  CStorePalette* palette = m_palette.Get();
  if (!palette || !palette->IsUsable()) return FE_STALE;
  if (palette->IsReadOnly()) return FE_READONLY;
  CStoreType* type = palette->Find(name);
  if (type && type->IsBuiltIn()) return FE_READONLY;
  return palette->Delete(name);
}

HRESULT CTypeTableView::GetFolderCollection(IFFolderCollection** folders) {
  if (!folders) return E_POINTER;
  *folders = nullptr;
  CStorePalette* palette = m_palette.Get();
  if (!palette) return FE_STALE;
  return CComPtr<IFFolderCollection>(palette).CopyTo(folders);
}
