#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/FileDialog.h"
#include "tests/support/ScratchDirectory.h"
#include "tests/support/TestUserInterface.h"

namespace {

namespace fs = std::filesystem;

const std::string kExportFilter =
    "Kestrane Language (*.ktrf)|*.ktrf|Model Installation Package (*.msi)|*.msi|All Files (*.*)|*.*||";

// A folder of its own for each test, removed afterwards.
class FileDialogTest : public ::testing::Test {
 protected:
  std::string In(const std::string& name) const { return scratch.File(name); }
  void Touch(const std::string& name) const { scratch.Write(name, "x"); }

  ScratchDirectory scratch;
  const fs::path folder = scratch.Path();
  TestUserInterface ui;
};

TEST_F(FileDialogTest, FilterTextBecomesEntriesAndBadPairsAreDropped) {
  CFileDialog exportDialog(false, "ktrf", "", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kExportFilter);
  ASSERT_EQ(exportDialog.Filters().size(), 3u);
  EXPECT_EQ(exportDialog.Filters()[0].description, "Kestrane Language (*.ktrf)");
  EXPECT_EQ(exportDialog.Filters()[1].pattern, "*.msi");
  EXPECT_EQ(exportDialog.Filters()[2].pattern, "*.*");
  EXPECT_EQ(exportDialog.CurrentFilter(), &exportDialog.Filters()[0]) << "filter indexes count from 1";

  CFileDialog oddOne(true, "", "", 0, "Text (*.txt)|*.txt|Dangling");
  ASSERT_EQ(oddOne.Filters().size(), 1u);
  CFileDialog none(true);
  EXPECT_TRUE(none.Filters().empty());
  none.m_ofn.nFilterIndex = 3;
  EXPECT_EQ(none.CurrentFilter(), nullptr);
  EXPECT_EQ(none.Caption(), "Open");
}

TEST_F(FileDialogTest, TypedNamesResolveAndGainTheChosenOrDefaultExtension) {
  CFileDialog dialog(false, ".ktrf", "", OFN_HIDEREADONLY, kExportFilter);
  dialog.m_ofn.lpstrInitialDir = folder.string();
  EXPECT_EQ(dialog.GetPathName(), "") << "empty before DoModal";

  ui.AnswerFile("Reactor");
  ASSERT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dialog.GetPathName(), In("Reactor.ktrf"));

  dialog.m_ofn.nFilterIndex = 2;
  ui.AnswerFile("sub/../Pump");
  ASSERT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dialog.GetPathName(), In("Pump.msi")) << "the chosen filter's extension";

  ui.AnswerFile("Pump.txt");
  ASSERT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dialog.GetPathName(), In("Pump.txt"));

  ui.AnswerFile("/elsewhere/Tank.");
  ASSERT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dialog.GetPathName(), "/elsewhere/Tank.") << "a trailing dot asks for no extension";

  CFileDialog plain(false, "", "", 0, kExportFilter);
  plain.m_ofn.lpstrInitialDir = folder.string();
  ui.AnswerFile("Reactor");
  ASSERT_EQ(plain.DoModal(), IDOK);
  EXPECT_EQ(plain.GetPathName(), In("Reactor")) << "without a default extension nothing is added";
}

TEST_F(FileDialogTest, CancelLeavesThePathEmptyAndBlankNamesAreNotAccepted) {
  CFileDialog dialog(false, "ktrf", "Reactor", OFN_HIDEREADONLY, kExportFilter);
  dialog.m_ofn.lpstrInitialDir = folder.string();
  ui.AnswerOk();  // takes the initial name
  ASSERT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dialog.GetPathName(), In("Reactor.ktrf"));
  ui.AnswerCancel();
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_EQ(dialog.GetPathName(), "") << "a cancelled run leaves no path";
  ui.AnswerFile("   ");
  ui.AnswerCancel();
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_EQ(ui.Prompts().back().kind, "file") << "the blank name left the dialog open";
}

TEST_F(FileDialogTest, ReplacePromptAndMustExistChecksKeepTheDialogOpen) {
  Touch("Reactor.ktrf");
  CFileDialog save(false, "ktrf", "", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kExportFilter);
  save.m_ofn.lpstrTitle = "Export";
  save.m_ofn.lpstrInitialDir = folder.string();
  ui.AnswerFile("Reactor");
  ui.AnswerNo();
  ui.AnswerFile("Reactor");
  ui.AnswerYes();
  ASSERT_EQ(save.DoModal(), IDOK);
  EXPECT_EQ(save.GetPathName(), In("Reactor.ktrf"));
  ASSERT_EQ(ui.Prompts().size(), 4u);
  EXPECT_EQ(ui.Prompts()[1].caption, "Export");
  EXPECT_EQ(ui.Prompts()[1].text, In("Reactor.ktrf") + " already exists.\nDo you want to replace it?");

  ui.ClearRecords();
  CFileDialog open(true, "", "", OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST, "Libraries (*.ktrf)|*.ktrf||");
  open.m_ofn.lpstrInitialDir = folder.string();
  ui.AnswerFile("Missing.ktrf");
  ui.AnswerOk();
  ui.AnswerFile("nowhere/Reactor.ktrf");
  ui.AnswerOk();
  ui.AnswerFile("Reactor.ktrf");
  ASSERT_EQ(open.DoModal(), IDOK);
  EXPECT_EQ(open.GetPathName(), In("Reactor.ktrf"));
  EXPECT_EQ(ui.Prompts()[1].text, In("Missing.ktrf") + "\nFile not found.\nCheck the file name and try again.");
  EXPECT_EQ(ui.Prompts()[3].text, In("nowhere") + "\nPath does not exist.\nCheck the path and try again.");
}

TEST_F(FileDialogTest, AFolderNameOpensTheFolder) {
  fs::create_directories(folder / "libs");
  CFileDialog dialog(false, "ktrf", "", OFN_HIDEREADONLY, kExportFilter);
  dialog.m_ofn.lpstrInitialDir = folder.string();
  ui.AnswerFile("libs");
  ui.AnswerFile("Valve");
  ASSERT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dialog.m_ofn.lpstrInitialDir, In("libs"));
  EXPECT_EQ(dialog.GetPathName(), In("libs/Valve.ktrf"));
}

}  // namespace
