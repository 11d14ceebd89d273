// The diagnostics' information windows: the solver settings sheet, the first
// unconverged group sheet (or "All groups are converged"), and the residual
// window with its operators spaced, its resizing and its closing.
#include "explorer/dialogs/EqnResidualDlg.h"
#include "explorer/dialogs/QVEDecompositionPropertySheet.h"
#include "explorer/dialogs/QVEDiagnosticPropSheet.h"
#include "explorer/nodes/diagnostics/QVEODecomposition.h"
#include "explorer/nodes/diagnostics/QVEODiagnostic.h"
#include "explorer/nodes/diagnostics/QVEOEquation.h"
#include "explorer/resources/CommandIds.h"
#include "explorer/resources/ControlIds.h"
#include "host/diagnostics/IZNDecompEquation.h"
#include "host/services/IQVSolverOptions.h"
#include "tests/explorer_diagnostics/DiagnosticsTestSupport.h"

namespace diagnostics_test {
namespace {

class DiagnosticSheetsTest : public DiagnosticsTest {
 protected:
  // The text of field id on the sheet's first page.
  static std::string Field(CPropertySheet& sheet, int id) {
    auto* page = dynamic_cast<CTextFieldsPage*>(sheet.GetPage(0));
    return page ? page->FieldText(id) : std::string("no page");
  }
};

TEST_F(DiagnosticSheetsTest, ResidualTextGainsBlanksAroundEveryOperator) {
  bool multiLine = true;
  EXPECT_EQ(SpaceResidualText("x=-2*y/z+1\nq", multiLine), "x =  - 2 * y / z + 1\r\nq");
  EXPECT_TRUE(multiLine);
  EXPECT_EQ(SpaceResidualText("T.x(3)", multiLine), "T.x(3)");
  EXPECT_FALSE(multiLine);
}

TEST_F(DiagnosticSheetsTest, TheResidualWindowStaysOpenBesideTheExplorerUntilClosed) {
  CDiagnosticsBuilder builder;
  builder.Decomposition().Groups(1, {1});
  builder.Residual(0, 3.0, "v1-3=0");
  Publish(builder);
  CComPtr<IEnum<IZNDecompEquation>> equations;
  GroupOf(1)->EnumEquations(&equations);
  CComPtr<IZNDecompEquation> equation;
  equations->Next(&equation);
  CQVEOEquation node(equation, &owner, &exclusions);
  ASSERT_TRUE(node.CanDoCommand(ID_EXPLORER_SHOW_RESIDUAL_TEXT));
  node.DoCommand(ID_EXPLORER_SHOW_RESIDUAL_TEXT);

  ASSERT_EQ(app.document.ModelessDialogs().size(), 1u);
  auto* window = dynamic_cast<CEqnResidualDlg*>(app.document.ModelessDialogs().front());
  ASSERT_NE(window, nullptr);
  // Its title and spaced text are the command line's diagnostics script's to read.
  EXPECT_TRUE(window->PressButton(IDOK));
  EXPECT_TRUE(app.document.ModelessDialogs().empty());
}

TEST_F(DiagnosticSheetsTest, ADecompositionSheetNamesTheFirstUnconvergedGroupOrThatAllConverged) {
  CDiagnosticsBuilder builder;
  builder.Decomposition().Groups(3, {2});
  builder.Decomposition(ZN_RUN_DYNAMIC).Groups(2);
  Publish(builder);
  CQVEODecomposition failing(FirstDecomposition(), &exclusions, &owner);
  ui.AnswerSheet([](CPropertySheet& sheet) {
    EXPECT_EQ(sheet.Caption(), "Steady state decomposition");
    EXPECT_EQ(Field(sheet, IDC_GROUP_NUMBER), "2");
    EXPECT_EQ(Field(sheet, IDC_GROUP_TYPE), "Explicit");
    EXPECT_EQ(Field(sheet, IDC_GROUP_EQUATIONS), "1");
    EXPECT_EQ(Field(sheet, IDC_ALL_GROUPS_CONVERGED), "");
    // One button: OK where Help was.
    EXPECT_FALSE(sheet.Button(IDCANCEL)->IsWindowVisible());
    EXPECT_FALSE(sheet.Button(ID_APPLY_NOW)->IsWindowVisible());
    EXPECT_TRUE(sheet.Button(IDOK)->IsWindowVisible());
  });
  ui.AnswerOk();
  failing.DoCommand(ID_EXPLORER_PROPERTIES);

  CComPtr<IZNDecomposition> dynamic = DecompositionAt(1);
  CQVEODecomposition converged(dynamic, &exclusions, &owner);
  ui.AnswerSheet([](CPropertySheet& sheet) {
    EXPECT_EQ(Field(sheet, IDC_ALL_GROUPS_CONVERGED), "All groups are converged");
    EXPECT_EQ(Field(sheet, IDC_GROUP_NUMBER), "");
    EXPECT_EQ(Field(sheet, IDC_GROUP_NUMBER_LABEL), "");
  });
  ui.AnswerOk();
  converged.DoCommand(ID_EXPLORER_PROPERTIES);
}

TEST_F(DiagnosticSheetsTest, TheDiagnosticSheetShowsTheSolverSettingsOfTheRun) {
  CDiagnosticsBuilder builder;
  builder.Decomposition(ZN_RUN_DYNAMIC).Groups(1);
  Publish(builder);
  CComPtr<IQVSolverOptions> solver;
  app.document.GetSolver(&solver);
  solver->SetProperty("WatchGroup", VARIANT::Int(7));
  solver->SetProperty("CheckProcDerivs", VARIANT::Bool(true));
  CQVEODiagnostic node(nullptr, &exclusions, &owner);
  ui.AnswerSheet([](CPropertySheet& sheet) {
    EXPECT_EQ(sheet.Caption(), "Diagnostic Properties");
    EXPECT_EQ(Field(sheet, IDC_WATCH_GROUP), "7");
    EXPECT_EQ(Field(sheet, IDC_CHECK_PROCEDURE_DERIVATIVES), "Yes");
    EXPECT_EQ(Field(sheet, IDC_PROPERTIES_PRINT_LEVEL), "0");
    EXPECT_EQ(Field(sheet, IDC_RUN_MODE), "Dynamic");
  });
  ui.AnswerOk();
  node.DoCommand(ID_EXPLORER_PROPERTIES);
  // An option the solver does not have, or of another kind, reads as nothing.
  int value = 5;
  EXPECT_FALSE(CQVEDiagnosticPropPage::ReadSolverProperty("NoSuchOption", value));
  EXPECT_EQ(value, 5);
}

}  // namespace
}  // namespace diagnostics_test
