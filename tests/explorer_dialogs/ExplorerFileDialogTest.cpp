// The Explorer's export file dialog: its filters and extensions, the typed
// name on older systems when another filter is picked, the three-letter
// extension repair, and the C locale after every file dialog.
#include <gtest/gtest.h>

#include <clocale>
#include <filesystem>

#include "explorer/packaging/ExplorerFileDialog.h"
#include "explorer/packaging/ExplorerFileFilter.h"
#include "explorer/packaging/KTRFileDialog.h"
#include "platform/OsVersion.h"
#include "tests/explorer_dialogs/DialogsTestSupport.h"

namespace dialogs_test {
namespace {

using Texts = std::vector<std::string>;

class ExplorerFileDialogTest : public DialogsTest {
 protected:
  static constexpr DWORD kExportFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;

  // A system older than major version 6.
  void UseOldSystem() { OsVersion::SetAnswers({true, true, 5, 1, 2600}); }

  // The typed name after each filter is picked in turn, on an export dialog for initialName.
  Texts NamesAfterPicking(const std::string& typed, std::initializer_list<int> filters) {
    CExplorerFileDialog dialog(false, "ktrf", "Tank", kExportFlags, "");
    Texts names;
    ui.WorkFileDialog([&](CFileDialog& running) {
      running.UserType(typed);
      for (int filter : filters) {
        EXPECT_TRUE(running.UserChooseFilter(filter));
        names.push_back(running.GetDlgItemText(edt1));
      }
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    return names;
  }

  // Runs an export dialog with a three-letter-extension file system; the person types path and presses OK.
  INT_PTR ChooseOnShortExtensionSystem(CExplorerFileDialog& dialog, const std::string& path) {
    app.SetOSIsWin95(1);
    ui.WorkFileDialog([path](CFileDialog& running) {
      running.UserType(path);
      running.UserPressOK();
    });
    return dialog.DoModal();
  }
};

// The program always registers its simulation and library types; an application
// without them is not one this program makes.
TEST_F(ExplorerFileDialogTest, TheApplicationsFileTypesComeFirstAndAllFilesLast) {
  ExplorerFileFilter withAdditional = BuildExplorerFileFilter("", &app);
  EXPECT_EQ(withAdditional.text,
            "Kestrane Language (*.ktrf)|*.ktrf|Vortan Simulation (*.vsim)|*.vsim|Vortan Library (*.vlib)|*.vlib|"
            "All Files (*.*)|*.*||");
  EXPECT_EQ(withAdditional.extensions, (Texts{"ktrf", "vsim", "vlib", "*"}));
}

TEST_F(ExplorerFileDialogTest, ACallersFilterKeepsEachEntryWithItsOwnExtension) {
  ExplorerFileFilter filter = BuildExplorerFileFilter(" Text (*.txt)|*.txt|Data (*.dat;*.csv)|*.dat;*.csv||", &app);
  EXPECT_EQ(filter.text,
            "Text (*.txt)|*.txt|Data (*.dat;*.csv)|*.dat;*.csv|Vortan Simulation (*.vsim)|*.vsim|"
            "Vortan Library (*.vlib)|*.vlib|All Files (*.*)|*.*||");
  EXPECT_EQ(filter.extensions, (Texts{"txt", "dat", "vsim", "vlib", "*"}));
  EXPECT_EQ(BuildExplorerFileFilter("Any (*.k?f)|*.k?f|", nullptr).extensions, (Texts{"*", "*"}));

  UseOldSystem();
  CExplorerFileDialog dialog(false, "txt", "notes", kExportFlags, "Text (*.txt)|*.txt||");
  ASSERT_EQ(dialog.GetHelperDialog()->Filters().size(), dialog.Extensions().size());
  std::string afterFirst, afterSecond;
  ui.WorkFileDialog([&](CFileDialog& running) {
    running.UserType("notes.vlib");
    running.UserChooseFilter(1);
    afterFirst = running.GetDlgItemText(edt1);
    running.UserChooseFilter(2);
    afterSecond = running.GetDlgItemText(edt1);
  });
  dialog.DoModal();
  EXPECT_EQ(afterFirst, "notes.txt");
  EXPECT_EQ(afterSecond, "notes.vsim");
}

TEST_F(ExplorerFileDialogTest, PickingAFilterOnAnOldSystemRewritesOnlyKnownExtensions) {
  UseOldSystem();
  // Filters: 1 ktrf, 2 vsim, 3 vlib, 4 All Files.
  EXPECT_EQ(NamesAfterPicking("Tank.ktrf", {4, 2, 3, 4}), (Texts{"Tank", "Tank.vsim", "Tank.vlib", "Tank"}));
  EXPECT_EQ(NamesAfterPicking("Tank.", {4}), (Texts{"Tank"}));
  EXPECT_EQ(NamesAfterPicking("my.notes", {4, 1}), (Texts{"my.notes", "my.notes.ktrf"}));
  EXPECT_EQ(NamesAfterPicking("   ", {2}), (Texts{""}));
}

TEST_F(ExplorerFileDialogTest, CurrentSystemsLeaveTheTypedNameToTheDialog) {
  EXPECT_EQ(NamesAfterPicking("Tank.ktrf", {4, 2}), (Texts{"Tank.ktrf", "Tank.ktrf"}));
}

TEST_F(ExplorerFileDialogTest, AnUnknownSystemIsReportedAndTheNameKept) {
  OsVersion::SetAnswers({false, false, 0, 0, 0});
  ui.AnswerOk();
  EXPECT_EQ(NamesAfterPicking("Tank.ktrf", {4}), (Texts{"Tank.ktrf"}));
  ASSERT_EQ(ui.Messages().size(), 1u);
  EXPECT_EQ(ui.Messages()[0].text, "Bad situation: Can not determine operation system!");
  EXPECT_EQ(ui.Messages()[0].style & MB_ICONMASK, MB_ICONSTOP);
}

// On a file system of three-letter extensions a typed ".ktr" gets the whole
// default extension back, unless another length was typed, the initial name had
// it, or a filter other than All Files was picked.
TEST_F(ExplorerFileDialogTest, AThreeLetterExtensionGetsTheWholeDefaultExtensionBack) {
  struct Case {
    bool oldSystem;  // once set, the later cases run on it too
    bool shortExtensions;
    const char* initial;
    int filter;  // 0: none picked
    const char* typed;
    const char* chosen;
  } cases[] = {
      {false, true, "Tank", 0, "Tank.KTR", "Tank.ktrf"},  {false, true, "Tank", 0, "Tank.kt", "Tank.kt"},
      {false, true, "Old.ktr", 0, "New.ktr", "New.ktr"},  {false, false, "Tank", 0, "Tank.ktr", "Tank.ktr"},
      {true, true, "Tank", 4, "Tank.ktr", "Tank.ktrf"},   {true, true, "Tank", 1, "Tank.ktr", "Tank.ktr"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.typed) + " filter " + std::to_string(c.filter));
    if (c.oldSystem) UseOldSystem();
    app.SetOSIsWin95(c.shortExtensions ? 1 : 0);
    CExplorerFileDialog dialog(false, "ktrf", c.initial, kExportFlags, "");
    ui.WorkFileDialog([&](CFileDialog& running) {
      if (c.filter) running.UserChooseFilter(c.filter);
      running.UserType(scratch.File(c.typed));
      running.UserPressOK();
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.GetPathName(), scratch.File(c.chosen));
  }
  EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(ExplorerFileDialogTest, TheRepairAsksBeforeReplacingAFile) {
  std::string existing = scratch.Write("Tank.ktrf", "old");
  CExplorerFileDialog refused(false, "ktrf", "Tank", kExportFlags, "");
  ui.AnswerNo();
  EXPECT_EQ(ChooseOnShortExtensionSystem(refused, scratch.File("Tank.ktr")), IDCANCEL);
  EXPECT_EQ(refused.GetPathName(), "");

  CExplorerFileDialog accepted(false, "ktrf", "Tank", kExportFlags, "");
  ui.AnswerYes();
  EXPECT_EQ(ChooseOnShortExtensionSystem(accepted, scratch.File("Tank.ktr")), IDOK);
  EXPECT_EQ(accepted.GetPathName(), existing);

  std::vector<UiPrompt> messages = ui.Messages();
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0].text, existing + "\nThis file already exists.\n\nReplace existing file?");
  EXPECT_EQ(messages[0].caption, "Export");
  EXPECT_EQ(messages[0].style & MB_TYPEMASK, MB_YESNO);
  EXPECT_EQ(messages[0].style & MB_ICONMASK, MB_ICONEXCLAMATION);
  EXPECT_TRUE(messages[0].style & MB_DEFBUTTON2);
}

TEST_F(ExplorerFileDialogTest, TheLocaleIsCAfterEveryFileDialog) {
  auto expectCAfter = [&](const std::function<void()>& run) {
    ASSERT_NE(std::setlocale(LC_ALL, "C.UTF-8"), nullptr);
    run();
    EXPECT_STREQ(std::setlocale(LC_ALL, nullptr), "C");
  };
  expectCAfter([&] {
    CExplorerFileDialog dialog(false, "ktrf", "Tank", kExportFlags, "");
    ui.AnswerFile(scratch.File("Tank"));
    dialog.DoModal();
  });
  expectCAfter([&] {
    std::string library = scratch.Write("Pumps.vlib", "");
    CKTRFileDialog dialog(true, "vlib", "", OFN_FILEMUSTEXIST, "Vortan Library (*.vlib)|*.vlib||");
    ui.AnswerFile(library);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.GetPathName(), library);
  });
}

}  // namespace
}  // namespace dialogs_test
