// The three name dialogs: OK enabled only while a name (and a parameter kind)
// is given, an invalid name refused by the host's rule, and the fields returned.
#include "explorer/dialogs/ExplorerComponentListName.h"
#include "explorer/dialogs/ExplorerObjectNameDialog.h"
#include "explorer/dialogs/ExplorerParameterName.h"
#include "explorer/resources/ControlIds.h"
#include "explorer/resources/StringIds.h"
#include "tests/explorer_core/ExplorerCoreTestSupport.h"

namespace {

using namespace explorer_test;
using NameDialogsTest = ExplorerCoreTest;

bool OkUsable(CDialog& dialog) { return dialog.IsButtonUsable(IDOK); }
CDialogItem& NameEdit(CDialog& dialog) { return *dialog.Item(IDC_OBJECT_NAME); }

TEST_F(NameDialogsTest, TheObjectNameDialogEnablesOkOnlyWhileANameIsTyped) {
  CQVExplorerObjectNameDialog dialog(IDS_CREATE_MODEL, nullptr);
  ui.AnswerDialog([](CDialog& running) {
    EXPECT_EQ(running.GetWindowText(), "Create Model");
    EXPECT_EQ(running.FocusedItem(), &NameEdit(running));
    EXPECT_FALSE(OkUsable(running));
    NameEdit(running).UserType("Reactor");
    EXPECT_TRUE(OkUsable(running));
    NameEdit(running).UserType("");
    EXPECT_FALSE(OkUsable(running));
    NameEdit(running).UserType("Reactor");
    running.PressButton(IDOK);
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dialog.m_strName, "Reactor");
  EXPECT_EQ(dialog.Caption(), "Create Model");

  // A proposed name fills the edit and enables OK at once.
  dialog.m_strName = "Copy_of_Tank";
  ui.AnswerDialog([](CDialog& running) {
    EXPECT_EQ(running.GetDlgItemText(IDC_OBJECT_NAME), "Copy_of_Tank");
    EXPECT_TRUE(OkUsable(running));
    running.PressButton(IDCANCEL);
  });
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST_F(NameDialogsTest, AnInvalidNameIsReportedAndKeepsTheDialogOpenUntilTheNameChanges) {
  CQVExplorerObjectNameDialog dialog(IDS_CREATE_FOLDER, nullptr);
  ui.AnswerDialog([this](CDialog& running) {
    NameEdit(running).UserType("2 tanks");
    ui.AnswerOk();  // the host's rule says what is wrong
    running.PressButton(IDOK);
    EXPECT_FALSE(running.IsEnded());
    EXPECT_FALSE(OkUsable(running));
    // The clicked button went grey: the name has the focus, selected to be typed over.
    EXPECT_EQ(running.FocusedItem(), &NameEdit(running));
    EXPECT_EQ(NameEdit(running).SelStart(), 0);
    EXPECT_EQ(NameEdit(running).SelEnd(), 7);
    NameEdit(running).UserType("Tanks2");
    EXPECT_TRUE(OkUsable(running));
    running.PressButton(IDOK);
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dialog.m_strName, "Tanks2");
  ASSERT_EQ(ui.Prompts().size(), 2u);
  EXPECT_EQ(ui.Prompts()[1].kind, "message");
}

TEST_F(NameDialogsTest, TheComponentListDialogReturnsTheNameAndWhetherItIsASet) {
  CQVExplorerComponentListName dialog(IDS_CREATE_COMPONENT_LIST, nullptr);
  ui.AnswerDialog([](CDialog& running) {
    EXPECT_EQ(running.GetWindowText(), "Create Component List");
    EXPECT_EQ(running.IsDlgButtonChecked(IDC_USE_PHYSICAL_PROPERTIES), BST_CHECKED);
    EXPECT_FALSE(OkUsable(running));
    NameEdit(running).UserType("Water");
    running.PressButton(IDOK);
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dialog.m_strName, "Water");
  EXPECT_EQ(dialog.m_nChoice, 0) << "a set is the Add entry test's case";
}

TEST_F(NameDialogsTest, TheParameterDialogWaitsForANameAndAKind) {
  CQVExplorerParameterName dialog(IDS_CREATE_PARAMETER_TYPE, nullptr);
  ui.AnswerDialog([](CDialog& running) {
    EXPECT_EQ(running.GetWindowText(), "Create Parameter Type");
    for (int id : {IDC_PARAMETER_INTEGER, IDC_PARAMETER_LOGICAL, IDC_PARAMETER_REAL, IDC_PARAMETER_STRING})
      EXPECT_EQ(running.IsDlgButtonChecked(id), BST_UNCHECKED);
    NameEdit(running).UserType("Stages");
    EXPECT_FALSE(OkUsable(running));  // no kind yet
    running.Item(IDC_PARAMETER_REAL)->UserClick();
    EXPECT_TRUE(OkUsable(running));
    NameEdit(running).UserType("");
    EXPECT_FALSE(OkUsable(running));
    NameEdit(running).UserType("Stages");
    running.Item(IDC_PARAMETER_STRING)->UserClick();
    running.PressButton(IDOK);
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dialog.m_strName, "Stages");
  EXPECT_EQ(dialog.m_nKind, 3) << "String, the fourth in tab order";
}

}  // namespace
