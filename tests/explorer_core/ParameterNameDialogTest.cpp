// The parameter type's name dialog: OK waits for a name and a kind, and the
// kind chosen is returned. (The object name dialog is the desktop dialog
// tests'; the component list's dialog is the Add entry tests'.)
#include "explorer/dialogs/ExplorerParameterName.h"
#include "explorer/resources/ControlIds.h"
#include "explorer/resources/StringIds.h"
#include "tests/explorer_core/ExplorerCoreTestSupport.h"

namespace {

using namespace explorer_test;
using ParameterNameDialogTest = ExplorerCoreTest;

bool OkUsable(CDialog& dialog) { return dialog.IsButtonUsable(IDOK); }
CDialogItem& NameEdit(CDialog& dialog) { return *dialog.Item(IDC_OBJECT_NAME); }

TEST_F(ParameterNameDialogTest, WaitsForANameAndAKind) {
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
