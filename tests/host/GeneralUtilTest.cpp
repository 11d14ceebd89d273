#include <gtest/gtest.h>

#include "host/framework/CQVGeneralUtil.h"
#include "tests/support/TestUserInterface.h"

namespace {

TEST(GeneralUtilTest, NamesAreIdentifiers) {
  for (const char* good : {"Tank", "_tmp", "Tank2", "a", "PreSolve", "Copy2_of_Tank"}) {
    EXPECT_EQ(CQVGeneralUtil::IsValidNameNoMessage(good), 1) << good;
  }
  for (const char* bad : {"", "2Tank", "Tank 2", "Tank-2", "Tank.T", "B\xC3\xA4r", "Tank\n", " Tank"}) {
    EXPECT_EQ(CQVGeneralUtil::IsValidNameNoMessage(bad), 0) << bad;
  }
  EXPECT_EQ(CQVGeneralUtil::IsValidNameNoMessage(std::string(80, 'x')), 1);
  EXPECT_EQ(CQVGeneralUtil::IsValidNameNoMessage(std::string(81, 'x')), 0);
}

TEST(GeneralUtilTest, LongNameIsQuotedOnACharacterBoundary) {
  TestUserInterface ui;
  ui.AnswerOk();
  // Nineteen letters, then a two-byte character across the twentieth byte.
  const std::string name = std::string(19, 'a') + "\xC3\xA4" + std::string(80, 'b');
  EXPECT_EQ(CQVGeneralUtil::IsValidName(name, nullptr), 0);
  ASSERT_EQ(ui.Prompts().size(), 1u);
  const std::string& text = ui.Prompts()[0].text;
  EXPECT_NE(text.find("\"" + std::string(19, 'a') + "...\""), std::string::npos) << text;
}

}  // namespace
