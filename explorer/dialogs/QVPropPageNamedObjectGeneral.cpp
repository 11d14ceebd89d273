#include "explorer/dialogs/QVPropPageNamedObjectGeneral.h"

#include "explorer/resources/ControlIds.h"
#include "explorer/resources/DialogIds.h"
#include "explorer/resources/StringIds.h"

CQVPropPageNamedObjectGeneral::CQVPropPageNamedObjectGeneral(const std::string& name, const std::string& description,
                                                             int readOnly)
    : CTextFieldsPage(IDD_NAMED_OBJECT_GENERAL), m_hasDescription(!description.empty()), m_bReadOnly(readOnly) {
  SetFieldText(IDC_OBJECT_NAME, name);
  SetFieldText(IDC_DESCRIPTION, description);
}

bool CQVPropPageNamedObjectGeneral::OnInitDialog() {
  bool result = CTextFieldsPage::OnInitDialog();
  if (!m_hasDescription) {
    for (int id : {IDC_DESCRIPTION_LABEL, IDC_DESCRIPTION}) {
      if (CDialogItem* item = Item(id)) item->ShowWindow(SW_HIDE);
    }
  }
  if (m_bReadOnly) CancelToClose();
  return result;
}
