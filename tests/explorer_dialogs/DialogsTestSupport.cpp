#include "tests/explorer_dialogs/DialogsTestSupport.h"

#include <unistd.h>

#include "explorer/core/HostObjectHandles.h"
#include "platform/OsVersion.h"
#include "platform/SafeFile.h"

namespace dialogs_test {

ScratchDirectory::ScratchDirectory()
    : m_path(std::filesystem::temp_directory_path() /
             ("vortan_dialogs_" + std::to_string(::getpid()) + "_" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name())) {
  std::filesystem::remove_all(m_path);
  std::filesystem::create_directories(m_path);
}

ScratchDirectory::~ScratchDirectory() {
  std::error_code error;
  std::filesystem::remove_all(m_path, error);
}

std::string ScratchDirectory::Write(const std::string& name, const std::string& text) const {
  std::string path = File(name);
  EXPECT_EQ(ReplaceFileContents(path, text), 0);
  return path;
}

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
