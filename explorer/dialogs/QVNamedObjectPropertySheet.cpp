#include "explorer/dialogs/QVNamedObjectPropertySheet.h"

#include "explorer/core/ExplorerObject.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/core/TypeAccess.h"
#include "explorer/dialogs/QVPropPageNamedObjectGeneral.h"
#include "explorer/dialogs/QVPropPageStreamType.h"
#include "host/model/IQVHierarchyType.h"
#include "host/model/IRModelType.h"
#include "platform/TextTrim.h"
#include "platform/Utf8.h"

namespace {

// A block type that is not a hierarchy shows its model's description in place of the given one.
void TakeModelDescription(CExplorerObject* node, std::string& description) {
  if (!node || node->GetClassID() != CLSID_QVEOBlockType) return;
  CComPtr<IFType> type = type_access::TypeOf(node->GetType());
  if (!type || ComQuery<IQVHierarchyType>(type.Get())) return;
  CComPtr<IRModelType> model = ComQuery<IRModelType>(type.Get());
  std::string text;
  if (!model || FAILED(model->GetDescription(text))) return;
  description = TrimText(Utf8::Prefix(text, kModelDescriptionLimit));
}

}  // namespace

CQVNamedObjectPropertySheet::CQVNamedObjectPropertySheet(const std::string& caption, CExplorerObject* node,
                                                         const std::string& description, int readOnly, CWnd* parent)
    : CQVHelpPropertySheet(caption, parent), m_bReadOnly(readOnly) {
  Gather(node, description);
}

CQVNamedObjectPropertySheet::CQVNamedObjectPropertySheet(UINT captionId, CExplorerObject* node,
                                                         const std::string& description, int readOnly, CWnd* parent)
    : CQVHelpPropertySheet(captionId, parent), m_bReadOnly(readOnly) {
  Gather(node, description);
}

CQVNamedObjectPropertySheet::~CQVNamedObjectPropertySheet() = default;

void CQVNamedObjectPropertySheet::Gather(CExplorerObject* node, const std::string& description) {
  if (node) node->GetDisplayText(EOAspectName, m_strName);
  m_strDescription = description;
  TakeModelDescription(node, m_strDescription);
}

void CQVNamedObjectPropertySheet::AddStreamTypePage(IUnknown* streamType) {
  if (m_pExtraPage) return;  // the sheet may already show it
  m_pExtraPage = std::make_unique<CQVPropPageStreamType>(streamType);
}

INT_PTR CQVNamedObjectPropertySheet::DoModal() {
  if (!m_generalPage) {
    m_generalPage = std::make_unique<CQVPropPageNamedObjectGeneral>(m_strName, m_strDescription, m_bReadOnly);
    AddPage(m_generalPage.get());
  }
  if (m_pExtraPage) AddPage(m_pExtraPage.get());
  return CQVHelpPropertySheet::DoModal();
}

bool CQVNamedObjectPropertySheet::OnInitDialog() {
  ModifyStyleEx(0, WS_EX_CONTEXTHELP);
  bool result = CQVHelpPropertySheet::OnInitDialog();
  if (m_bReadOnly) {
    for (int id : {ID_APPLY_NOW, IDCANCEL}) {
      if (CDialogItem* button = Button(id)) button->ShowWindow(SW_HIDE);
    }
  }
  if (CDialogItem* help = Button(IDHELP)) help->ShowWindow(SW_HIDE);
  return result;
}
