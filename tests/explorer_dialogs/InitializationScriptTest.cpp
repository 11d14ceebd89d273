// A person at an Explorer on the tank sample, after a steady-state solve,
// selects the custom model BufferTank and chooses "Create Model
// Initialization Script...": the block T101's values go into a pre-solve or
// an EBSolve script of the model, an existing one is replaced only when the
// person agrees, and the script stays with the saved simulation.
#include <gtest/gtest.h>

#include <cstdio>

#include "explorer/core/ExplorerCommands.h"
#include "explorer/packaging/InitializationScriptCommand.h"
#include "explorer/packaging/InitializationScriptText.h"
#include "explorer/resources/ControlIds.h"
#include "explorer/window/ExplorerFrame.h"
#include "explorer/window/ExplorerListView.h"
#include "explorer/window/ExplorerTreeView.h"
#include "host/HostCommandIds.h"
#include "host/com/PersistStream.h"
#include "host/diagnostics/IZNDecomposition.h"
#include "platform/Command.h"
#include "platform/Dialog.h"
#include "tests/explorer_core/SampleSessionTest.h"
#include "workbench/document/WorkbenchDocument.h"
#include "workbench/simulation/FlowsheetInstantiation.h"
#include "workbench/solver/FlowsheetSolver.h"
#include "workbench/store/StoreType.h"

namespace {

constexpr double kRho = 998.0, kG = 9.81, kPatm = 101325.0;

class InitializationScriptTest : public explorer_test::SampleSessionTest {
 protected:
  // The sample after a steady-state run: the solved values become the block values the document keeps.
  void OpenSolvedSample() {
    ASSERT_TRUE(Open());
    CWorkbenchDocument& document = app.Document();
    std::unique_ptr<CFlowsheet> solved = InstantiateFlowsheet(document.Store(), document.Flowsheet().Values());
    const SolveOutcome outcome = SolveFlowsheet(*solved, ZN_RUN_STEADY_STATE, document.Store().SolverOptions());
    ASSERT_TRUE(outcome.converged) << outcome.summary;
    for (const InstanceVariable& variable : solved->Variables()) {
      if (variable.path.rfind("T101.", 0) == 0) document.Flowsheet().Values().Change(variable.path).value = variable.value;
    }
    document.Flowsheet().ValuesChanged();
  }

  // Opens an Explorer and clicks the tree item at labels (below "Simulation").
  CExplorerFrame* SelectInTree(const std::vector<std::string>& labels) {
    CExplorerFrame* frame = CExplorerFrame::Open(nullptr);
    if (!frame) return nullptr;
    std::vector<std::string> path{"Simulation"};
    path.insert(path.end(), labels.begin(), labels.end());
    HTREEITEM item = frame->GetTreeView()->FindItemByLabels(path);
    EXPECT_TRUE(item);
    if (item) {
      EXPECT_TRUE(frame->GetTreeView()->UserClick(item));
    }
    return frame;
  }
  CExplorerFrame* SelectBufferTank() { return SelectInTree({"Custom Modeling", "Storage", "BufferTank"}); }

  // Runs the command with the dialog answered by choose (which presses a button).
  void CreateScript(CExplorerFrame& frame, const std::function<void(CDialog&)>& choose, int replace = 0) {
    ui.AnswerDialog(choose);
    if (replace) ui.AnswerButton(replace);
    EXPECT_TRUE(frame.RunCommand(ID_HOST_CREATE_INITIALIZATION_SCRIPT));
    MessageQueue::Pump();
  }
  static void CreateFor(CDialog& dialog, const char* block, int kind) {
    CDialogItem* blocks = dialog.Item(IDC_SCRIPT_MODEL);
    ASSERT_TRUE(blocks);
    ASSERT_TRUE(blocks->UserSelect(blocks->FindStringExact(block)));
    dialog.Item(kind)->UserClick();
    dialog.PressButton(IDOK);
  }

  // The stored content of BufferTank's script name; nothing when it has none.
  std::optional<std::string> ScriptText(const std::string& name) {
    CStoreType* model = Simulation().Find("BufferTank");
    if (!model) return std::nullopt;
    CComPtr<IFType> script = CInitializationScriptCommand::FindScript(static_cast<IFType*>(model), name);
    CComPtr<IQVPersistStream> storage = ComQuery<IQVPersistStream>(script);
    if (!storage) return std::nullopt;
    CMemoryStream stream;
    storage->Save(stream);
    return stream.ReadAllText();
  }
  std::string LastMessage() {
    const std::vector<std::string> lines = app.Document().Messages().Lines();
    return lines.empty() ? std::string() : lines.back();
  }
  bool ContentsShows(CExplorerFrame& frame, const std::string& label) {
    return frame.GetListView()->FindRowByLabel(label) >= 0;
  }
};

TEST_F(InitializationScriptTest, PreSolveScriptHoldsTheBlocksSolvedValues) {
  OpenSolvedSample();
  CExplorerFrame* frame = SelectBufferTank();
  ASSERT_TRUE(frame);
  CreateScript(*frame, [](CDialog& dialog) {
    EXPECT_EQ(dialog.GetWindowText(), "Create Initialization Script");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_SCRIPT_MODEL), "T101");  // the first block, chosen already
    EXPECT_EQ(dialog.Item(IDC_SCRIPT_VB_PRESOLVE)->GetCheck(), BST_CHECKED);
    dialog.PressButton(IDOK);
  });
  const std::optional<std::string> text = ScriptText("PreSolve");
  ASSERT_TRUE(text);
  EXPECT_EQ(text->rfind("BOOLEAN VB\n' Presolve script for model BufferTank\n' Created from block T101 at ", 0), 0u)
      << *text;
  // The hydrostatic head at the outlet, written out: Patm + rho g Level.
  char head[40];
  std::snprintf(head, sizeof head, "%e", kPatm + kRho * kG * 1.5);
  EXPECT_NE(text->find(std::string("\n    If Outlet.P.spec <> \"Fixed\" Then Outlet.P.value = ") + head + " End If"),
            std::string::npos)
      << *text;
  EXPECT_NE(text->find("\n    If Level.spec <> \"Fixed\" Then Level.value = 1.500000e+00 End If"), std::string::npos);
  EXPECT_NE(text->find("\n    If Area.spec <> \"Fixed\" Then Area.value = 4.000000e+00 End If"), std::string::npos);
  // No other block's variables (T102 is a ProductTank, Train2 has its own tank).
  EXPECT_EQ(text->find("T10"), text->find("T101 at "));
  EXPECT_NE(text->find("End If\n  EnableIncrementalUpdate\n\nEnd If"), std::string::npos);
  EXPECT_EQ(LastMessage(), "Initialization script PreSolve has been created.");
  EXPECT_TRUE(app.Document().IsModified());
  EXPECT_TRUE(ContentsShows(*frame, "PreSolve"));

  // The script stays with the saved simulation.
  const std::string path = config.Path() + "/Initialized.vsim";
  FileProblem problem;
  ASSERT_TRUE(app.Document().SaveAs(path, problem)) << problem.Describe();
  for (CExplorerFrame* open : std::vector<CExplorerFrame*>(CExplorerFrame::m_ActiveExplorers)) open->DestroyWindow();
  ASSERT_TRUE(Open(path));
  EXPECT_EQ(ScriptText("PreSolve"), text);
  CExplorerFrame* reopened = SelectBufferTank();
  ASSERT_TRUE(reopened);
  EXPECT_TRUE(ContentsShows(*reopened, "PreSolve"));
}

TEST_F(InitializationScriptTest, EBSolveScriptWritesFreeTestsAndUnits) {
  OpenSolvedSample();
  ASSERT_EQ(app.Document().SelectUOMSet("Metric"), S_OK);
  CExplorerFrame* frame = SelectBufferTank();
  ASSERT_TRUE(frame);
  CreateScript(*frame, [](CDialog& dialog) { CreateFor(dialog, "T101", IDC_SCRIPT_EBSOLVE); });
  const std::optional<std::string> text = ScriptText("EBSOLVE");
  ASSERT_TRUE(text);
  EXPECT_EQ(text->rfind("BOOLEAN VB\n// EBSolve script for model BufferTank\n// Created from block T101 at ", 0), 0u);
  EXPECT_NE(text->find("\nIF(QUERYVARS(ISFREE(\"'&SELF.Level'\"))) THEN\n   '&SELF.Level.value' = 1.500000e+00   {m}"
                       "\nENDIF"),
            std::string::npos)
      << *text;
  EXPECT_NE(text->find("\n   '&SELF.Area.value' = 4.000000e+00\nENDIF"), std::string::npos) << *text;
  // The outlet pressure in the set's bar (1 bar = 1e5 Pa): the head worked out by hand.
  char bar[40];
  std::snprintf(bar, sizeof bar, "%e", (kPatm + kRho * kG * 1.5) / 1e5);
  EXPECT_NE(text->find(std::string("\n   '&SELF.Outlet.P.value' = ") + bar + "   {bar}\nENDIF"), std::string::npos);
  EXPECT_NE(text->find("ENDIF\n\nENDIF\n\n// Solve command required to run the block\nIF (&Self.SOLUTION_MODE = "
                       "\"Sequential Modular\") THEN\n   SOLVE\nENDIF"),
            std::string::npos);
  EXPECT_FALSE(ScriptText("PreSolve"));
  EXPECT_EQ(LastMessage(), "Initialization script EBSOLVE has been created.");
}

TEST_F(InitializationScriptTest, ReplacingAnExistingScriptIsAskedBothWays) {
  OpenSolvedSample();
  CExplorerFrame* frame = SelectBufferTank();
  ASSERT_TRUE(frame);
  CreateScript(*frame, [](CDialog& dialog) { dialog.PressButton(IDOK); });
  const std::optional<std::string> first = ScriptText("PreSolve");
  ASSERT_TRUE(first);
  const std::size_t messages = app.Document().Messages().Lines().size();

  // A new level in the simulation; "No" keeps the old script and says nothing.
  app.Document().Flowsheet().Values().Change("T101.Level").value = 2.25;
  app.Document().Flowsheet().ValuesChanged();
  CreateScript(*frame, [](CDialog& dialog) { dialog.PressButton(IDOK); }, IDNO);
  const std::vector<UiPrompt>& prompts = ui.Prompts();
  ASSERT_FALSE(prompts.empty());
  EXPECT_EQ(prompts.back().caption, "Save Model Initialization Script");
  EXPECT_EQ(prompts.back().text, "            This script already exists.\nDo you want to replace it with a new one ?");
  EXPECT_EQ(ScriptText("PreSolve"), first);
  EXPECT_EQ(app.Document().Messages().Lines().size(), messages);

  CreateScript(*frame, [](CDialog& dialog) { dialog.PressButton(IDOK); }, IDYES);
  const std::optional<std::string> second = ScriptText("PreSolve");
  ASSERT_TRUE(second);
  EXPECT_NE(second->find("Level.value = 2.250000e+00 End If"), std::string::npos) << *second;
  EXPECT_EQ(LastMessage(), "Initialization script PreSolve has been created.");
  // Still one script of that name, shown once.
  int rows = 0;
  CExplorerListView* list = frame->GetListView();
  for (int row = 0; row < list->GetItemCount(); ++row) rows += list->GetItemText(row, 0) == "PreSolve";
  EXPECT_EQ(rows, 1);
}

TEST_F(InitializationScriptTest, CommandIsRefusedWithoutAModelThatHasBlocks) {
  OpenSolvedSample();
  const std::size_t messages = app.Document().Messages().Lines().size();
  // Custom Modeling itself, a user folder, and a model no block uses: no dialog, nothing changes.
  for (const std::vector<std::string>& labels : std::vector<std::vector<std::string>>{
           {"Custom Modeling"}, {"Custom Modeling", "Storage"}, {"Custom Modeling", "Obsolete", "BrokenMixer"}}) {
    CExplorerFrame* frame = SelectInTree(labels);
    ASSERT_TRUE(frame);
    EXPECT_FALSE(QueryCommandState(frame, ID_HOST_CREATE_INITIALIZATION_SCRIPT).enabled) << labels.back();
    EXPECT_FALSE(frame->RunCommand(ID_HOST_CREATE_INITIALIZATION_SCRIPT)) << labels.back();
    frame->DestroyWindow();
  }
  EXPECT_EQ(app.Document().Messages().Lines().size(), messages);
  EXPECT_FALSE(ScriptText("PreSolve"));
  // A cancelled dialog creates nothing either.
  CExplorerFrame* frame = SelectBufferTank();
  ASSERT_TRUE(frame);
  EXPECT_TRUE(QueryCommandState(frame, ID_HOST_CREATE_INITIALIZATION_SCRIPT).enabled);
  CreateScript(*frame, [](CDialog& dialog) { dialog.PressButton(IDCANCEL); });
  EXPECT_FALSE(ScriptText("PreSolve"));
  EXPECT_EQ(app.Document().Messages().Lines().size(), messages);
}

TEST(InitializationScriptTextTest, ABlockWithoutVariablesStillGivesWholeScripts) {
  InitializationValues none;
  const std::string preSolve = CreatePreSolveScriptText("Empty", "E1", "now", none, none);
  EXPECT_NE(preSolve.find("\n  DisableIncrementalUpdate\n\n  EnableIncrementalUpdate\n\nEnd If"), std::string::npos)
      << preSolve;
  EXPECT_EQ(preSolve.substr(preSolve.size() - 6), "End If");
  const std::string ebSolve = CreateEBSolveScriptText("Empty", "E1", "now", none);
  EXPECT_NE(ebSolve.find("Initialization\"\n\nENDIF\n\n// Solve command"), std::string::npos) << ebSolve;

  // Quotes leave the names; a value in base units has no unit part; numbers are read in the classic form.
  InitializationValues values{{"\"x\".y"}, {FormatInitialValue(" 2.5e3 ")}, {""}};
  const std::string quoted = CreateEBSolveScriptText("M", "B", "now", values);
  EXPECT_NE(quoted.find("\nIF(QUERYVARS(ISFREE(\"'&SELF.x.y'\"))) THEN\n   '&SELF.x.y.value' = 2.500000e+03\nENDIF\n\nENDIF"),
            std::string::npos)
      << quoted;
  EXPECT_EQ(FormatInitialValue("2,5"), "");
}

}  // namespace
