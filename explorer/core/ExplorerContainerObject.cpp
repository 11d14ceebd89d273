#include "explorer/core/ExplorerContainerObject.h"

#include "explorer/core/ExplorerExclusionList.h"

CExplorerContainerObject::CExplorerContainerObject(ForType, IFInstance* type, CExplorerExclusionList* exclusionList,
                                                   CWnd* owner, int readOnly)
    : CExplorerObject(ForType{}, type, owner, readOnly), m_pExclusionList(exclusionList) {}

CExplorerContainerObject::CExplorerContainerObject(ForType, IFInstance* type, CExplorerExclusionList* exclusionList,
                                                   UINT openIconId, UINT normalIconId, CWnd* owner, int readOnly)
    : CExplorerObject(ForType{}, type, openIconId, normalIconId, owner, readOnly), m_pExclusionList(exclusionList) {}

CExplorerContainerObject::CExplorerContainerObject(IFTypeDesc* typeDesc, CExplorerExclusionList* exclusionList,
                                                   UINT openIconId, UINT normalIconId, CWnd* owner, int readOnly)
    : CExplorerObject(typeDesc, openIconId, normalIconId, owner, readOnly), m_pExclusionList(exclusionList) {}

CExplorerContainerObject::CExplorerContainerObject(ForInstance, IFInstance* instance,
                                                   CExplorerExclusionList* exclusionList, CWnd* owner, int readOnly)
    : CExplorerObject(ForInstance{}, instance, owner, readOnly), m_pExclusionList(exclusionList) {}

CExplorerContainerObject::CExplorerContainerObject(ForInstance, IFInstance* instance,
                                                   CExplorerExclusionList* exclusionList, UINT openIconId,
                                                   UINT normalIconId, CWnd* owner, int readOnly)
    : CExplorerObject(ForInstance{}, instance, openIconId, normalIconId, owner, readOnly),
      m_pExclusionList(exclusionList) {}

CExplorerContainerObject::~CExplorerContainerObject() = default;

int CExplorerContainerObject::IsContainer() { return 1; }

void CExplorerContainerObject::ShowChildren(CTreeCtrl& /*tree*/, HTREEITEM /*item*/) {}

void CExplorerContainerObject::Export() {}

int CExplorerContainerObject::CanExport() { return 0; }

void CExplorerContainerObject::ShowMoreContents(CTreeCtrl& /*tree*/, HTREEITEM /*item*/) {}

void CExplorerContainerObject::ShowPackageProperties() {}

IRModelType* CExplorerContainerObject::GetModelType() { return nullptr; }

int CExplorerContainerObject::GetSortType(LISTSORTINFO& info) {
  if (info.column != 0 && info.column != 1) return 0;
  info.type = LSI_TEXT;
  return 1;
}

void CExplorerContainerObject::SelChanging() {}

int CExplorerContainerObject::IsDefaultForm(const std::string& /*formName*/) { return 0; }

void CExplorerContainerObject::SetDefaultForm(const std::string& /*formName*/) {}

void CExplorerContainerObject::ReloadData() {}

int CExplorerContainerObject::GetDefaultSortColumn() { return 0; }

void CExplorerContainerObject::AdoptExclusionList(std::unique_ptr<CExplorerExclusionList> exclusionList) {
  m_ownedExclusionList = std::move(exclusionList);
  m_pExclusionList = m_ownedExclusionList.get();
}

bool CExplorerContainerObject::IsExcluded(REFGUID classId) const {
  return m_pExclusionList && m_pExclusionList->IsExcluded(classId);
}
