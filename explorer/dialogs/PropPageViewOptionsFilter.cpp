#include "explorer/dialogs/PropPageViewOptionsFilter.h"

#include <optional>

#include "explorer/core/ExplorerContainerObject.h"
#include "explorer/core/ExplorerExclusionList.h"
#include "explorer/core/QVExplorer.h"
#include "platform/Registry.h"

CPropPageViewOptionsFilter::CPropPageViewOptionsFilter(CExplorerContainerObject* root)
    : CPropertyPage(IDD_VIEW_OPTIONS_FILTER), m_pRoot(root) {}

CPropPageViewOptionsFilter::~CPropPageViewOptionsFilter() = default;

void CPropPageViewOptionsFilter::DoDataExchange(CDataExchange* dx) {
  DDX_Control(dx, IDC_SELECT_ALL_TYPES, m_SelectAll);
  DDX_Control(dx, IDC_DESELECT_ALL_TYPES, m_DeselectAll);
  DDX_Control(dx, IDC_OBJECT_TYPE_LIST, m_TypeList);
}

bool CPropPageViewOptionsFilter::OnInitDialog() {
  CPropertyPage::OnInitDialog();
  CExplorerExclusionList* list = m_pRoot ? m_pRoot->GetExclusionList() : nullptr;
  SetMode(list && !list->IsEmpty() ? kExcludeListed : kIncludeAll);
  CheckRadioButton(IDC_INCLUDE_ALL_TYPES, IDC_EXCLUDE_LISTED_TYPES,
                   m_nMode == kExcludeListed ? IDC_EXCLUDE_LISTED_TYPES : IDC_INCLUDE_ALL_TYPES);
  FillTypeList();
  return true;
}

void CPropPageViewOptionsFilter::SetMode(int mode) {
  m_nMode = mode;
  bool listed = mode == kExcludeListed;
  for (int id : {IDC_OBJECT_TYPE_LIST, IDC_SELECT_ALL_TYPES, IDC_DESELECT_ALL_TYPES}) {
    if (CDialogItem* item = Item(id)) item->EnableWindow(listed);
  }
}

void CPropPageViewOptionsFilter::FillTypeList() {
  m_TypeList.ResetContent();
  m_samples.clear();
  if (!m_pRoot) return;
  CRegKey catalogue;
  if (catalogue.Open(HKEY_LOCAL_MACHINE, CQVExplorer::GetExplorerObjectsKeyName(), KEY_READ) != ERROR_SUCCESS) return;
  const GUID rootClass = m_pRoot->GetClassID();
  CExplorerExclusionList* list = m_pRoot->GetExclusionList();
  std::string valueName;
  for (DWORD index = 0; catalogue.EnumValueName(index, valueName) == ERROR_SUCCESS; ++index) {
    std::string text;
    if (catalogue.QueryStringValue(valueName, text) != ERROR_SUCCESS) continue;
    std::optional<GUID> classId = GUID::Parse(text);
    if (!classId || *classId == rootClass) continue;
    std::unique_ptr<CExplorerObject> sample(CQVExplorer::Manufacture(*classId, nullptr, nullptr, nullptr));
    if (!sample) continue;
    std::string name;
    sample->GetClassName(name);
    int item = m_TypeList.AddString(name);
    if (item < 0) continue;
    m_TypeList.SetItemData(item, reinterpret_cast<std::uintptr_t>(sample.get()));
    m_TypeList.SetCheck(item, list && list->IsExcluded(*classId) ? BST_CHECKED : BST_UNCHECKED);
    m_samples.push_back(std::move(sample));
  }
}

void CPropPageViewOptionsFilter::CheckAll(int check) {
  for (int item = 0; item < m_TypeList.GetCount(); ++item) m_TypeList.SetCheck(item, check);
}

bool CPropPageViewOptionsFilter::OnControlCommand(int id, UINT code) {
  if (code != BN_CLICKED) return false;
  switch (id) {
    case IDC_INCLUDE_ALL_TYPES: SetMode(kIncludeAll); return true;
    case IDC_EXCLUDE_LISTED_TYPES: SetMode(kExcludeListed); return true;
    case IDC_SELECT_ALL_TYPES: CheckAll(BST_CHECKED); return true;
    case IDC_DESELECT_ALL_TYPES: CheckAll(BST_UNCHECKED); return true;
    default: return false;
  }
}

void CPropPageViewOptionsFilter::OnOK() {
  if (!m_pRoot) return;
  CExplorerExclusionList* list = m_pRoot->GetExclusionList();
  if (!list) {
    m_pRoot->AdoptExclusionList(std::make_unique<CExplorerExclusionList>(m_pRoot->GetClassID(), 1));
    list = m_pRoot->GetExclusionList();
  }
  list->RemoveAll();
  if (m_nMode == kExcludeListed) {
    for (int item = 0; item < m_TypeList.GetCount(); ++item) {
      if (m_TypeList.GetCheck(item) != BST_CHECKED) continue;
      auto* sample = reinterpret_cast<CExplorerObject*>(m_TypeList.GetItemData(item));
      if (sample) list->Add(sample->GetClassID());
    }
  }
  list->SaveToRegistry();
  CPropertyPage::OnOK();
}
