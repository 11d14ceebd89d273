#include "explorer/dialogs/QVPropPageFileObjectGeneral.h"

#include "explorer/dialogs/FileCreationTime.h"
#include "explorer/resources/ControlIds.h"
#include "explorer/resources/DialogIds.h"
#include "explorer/resources/StringIds.h"
#include "platform/Resources.h"

CQVPropPageFileObjectGeneral::CQVPropPageFileObjectGeneral(const std::string& fileName)
    : CTextFieldsPage(IDD_FILE_OBJECT_GENERAL) {
  const std::string unknown = LoadStringOrEmpty(IDS_UNKNOWN);
  if (fileName.empty()) {
    SetFieldText(IDC_FILE_NAME, unknown);
    SetFieldText(IDC_FILE_CREATED, unknown);
    return;
  }
  std::string created = FileCreationTimeText(fileName);
  SetFieldText(IDC_FILE_NAME, fileName);
  SetFieldText(IDC_FILE_CREATED, created.empty() ? unknown : created);
}
