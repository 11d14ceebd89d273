// Exporting a definition text to the file a person chooses.
#include <gtest/gtest.h>

#include <filesystem>

#include "explorer/packaging/ExportToFile.h"
#include "platform/SafeFile.h"
#include "tests/explorer_dialogs/DialogsTestSupport.h"

namespace dialogs_test {
namespace {

class ExportToFileTest : public DialogsTest {
 protected:
  static std::string Read(const std::string& path) { return ReadFileImage(path, 1 << 20).bytes; }
};

TEST_F(ExportToFileTest, TheTextGoesToTheChosenFileWithTheDefaultExtension) {
  ui.AnswerFile(scratch.File("Tank"));
  EXPECT_TRUE(ExportTextToChosenFile("BufferTank", [](std::string& text) {
    text += "Model BufferTank\nEnd\n";
    return S_OK;
  }));
  EXPECT_EQ(Read(scratch.File("Tank.ktrf")), "Model BufferTank\nEnd\n");
  ASSERT_FALSE(ui.Prompts().empty());
  EXPECT_EQ(ui.Prompts().back().kind, "file");
  EXPECT_EQ(ui.LastMessage(), "Export: BufferTank");
}

TEST_F(ExportToFileTest, NothingIsWrittenWhenCancelledOrWhenTheHostFails) {
  bool asked = false;
  ui.AnswerCancel();
  EXPECT_FALSE(ExportTextToChosenFile("Tank", [&](std::string&) {
    asked = true;
    return S_OK;
  }));
  EXPECT_FALSE(asked);

  // A failure is told, never passed over in silence.
  std::string existing = scratch.Write("Tank.ktrf", "previous");
  ui.AnswerFile(existing);
  ui.AnswerYes();  // replace the existing file
  ui.AnswerOk();
  EXPECT_FALSE(ExportTextToChosenFile("Tank", [](std::string& text) {
    text = "half";
    return E_FAIL;
  }));
  EXPECT_EQ(Read(existing), "previous");
  EXPECT_EQ(ui.Prompts().back().caption, "Export");
  EXPECT_EQ(ui.Prompts().back().text.rfind("Nothing was exported to \"" + existing + "\": ", 0), 0u)
      << ui.Prompts().back().text;

  ui.AnswerFile(scratch.File("missing/dir/Tank"));
  ui.AnswerOk();
  EXPECT_FALSE(ExportTextToChosenFile("Tank", [](std::string& text) {
    text = "text";
    return S_OK;
  }));
  EXPECT_FALSE(std::filesystem::exists(scratch.File("missing")));
  EXPECT_EQ(ui.Prompts().back().caption, "Export");
  EXPECT_EQ(ui.Prompts().back().text,
            "Cannot write \"" + scratch.File("missing/dir/Tank.ktrf") +
                "\": No such file or directory. The file was not changed.");
}

}  // namespace
}  // namespace dialogs_test
