#include "tests/explorer_dialogs/DialogsTestSupport.h"


#include "explorer/core/HostObjectHandles.h"
#include "platform/OsVersion.h"

namespace dialogs_test {

DialogsTest::~DialogsTest() {
  MessageQueue::Clear();
  CHostObjectHandles::Clear();
  OsVersion::ResetAnswers();
}

std::string ActiveText(CPropertySheet& sheet, int id) {
  CPropertyPage* page = sheet.GetActivePage();
  return page ? page->GetDlgItemText(id) : std::string();
}

bool ActiveVisible(CPropertySheet& sheet, int id) {
  CPropertyPage* page = sheet.GetActivePage();
  CDialogItem* item = page ? page->Item(id) : nullptr;
  return item && item->IsWindowVisible();
}

}  // namespace dialogs_test
