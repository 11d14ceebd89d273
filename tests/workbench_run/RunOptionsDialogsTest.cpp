// The Run Options and Solver Options dialogs as a user fills them: what OK
// keeps survives saving and opening the simulation again; a value that will
// not do is refused with a message and changes nothing.
#include <gtest/gtest.h>

#include "host/HostDialogIds.h"
#include "host/diagnostics/IZNDecomposition.h"
#include "platform/Dialog.h"
#include "tests/workbench_document/DocumentTestSupport.h"
#include "workbench/document/WorkbenchDocument.h"
#include "workbench/store/SolverOptions.h"

namespace {

VARIANT OptionOf(CWorkbenchDocument& document, const std::string& name) {
  VARIANT value;
  EXPECT_EQ(document.Store().SolverOptions().GetProperty(name, &value), S_OK) << name;
  return value;
}

}  // namespace

TEST(RunOptionsDialogs, WhatOkKeepsIsSavedWithTheSimulationAndReadBack) {
  ScriptedTestUi ui;
  SampleCopy sample("run_options_round_trip");
  const std::string path = sample.File("Tanks.vsim");
  {
    CWorkbenchDocument document;
    FileProblem problem;
    ASSERT_TRUE(document.Open(path, problem)) << problem.Describe();
    ui.Ui().AnswerDialog([](CDialog& dialog) {
      EXPECT_EQ(dialog.Template()->caption, "Run Options");
      dialog.SetDlgItemText(IDC_HOST_END_TIME, "250");
      dialog.SetDlgItemText(IDC_HOST_REPORTING_INTERVAL, "2.5");
      dialog.CheckRadioButton(IDC_HOST_MODE_STEADY_STATE, IDC_HOST_MODE_DYNAMIC, IDC_HOST_MODE_DYNAMIC);
      dialog.PressButton(IDOK);
    });
    document.OnTimeSettings();
    EXPECT_TRUE(document.IsModified());
    EXPECT_EQ(document.GetRunMode(), ZN_RUN_DYNAMIC);

    ui.Ui().AnswerDialog([](CDialog& dialog) {
      dialog.SetDlgItemText(IDC_HOST_ABSOLUTE_TOLERANCE, "1e-9");
      dialog.SetDlgItemText(IDC_HOST_MAX_ITERATIONS, "40");
      dialog.SetDlgItemText(IDC_HOST_WATCH_GROUP, "3");
      dialog.SetDlgItemText(IDC_HOST_MATHS_PRINT, "2");
      dialog.CheckDlgButton(IDC_HOST_PROPINFO, BST_CHECKED);
      dialog.CheckDlgButton(IDC_HOST_COMPRESSION, BST_UNCHECKED);
      dialog.PressButton(IDOK);
    });
    document.ShowSolverOptions(-1);
    ASSERT_TRUE(document.Save(problem)) << problem.Describe();
  }
  CWorkbenchDocument reopened;
  FileProblem problem;
  ASSERT_TRUE(reopened.Open(path, problem)) << problem.Describe();
  EXPECT_EQ(OptionOf(reopened, "EndTime").dblVal, 250.0);
  EXPECT_EQ(OptionOf(reopened, "ReportingInterval").dblVal, 2.5);
  EXPECT_EQ(reopened.GetRunMode(), ZN_RUN_DYNAMIC);
  EXPECT_EQ(OptionOf(reopened, "AbsoluteTolerance").dblVal, 1e-9);
  EXPECT_EQ(OptionOf(reopened, "MaxIterations").lVal, 40);
  EXPECT_EQ(OptionOf(reopened, "WatchGroup").lVal, 3);
  EXPECT_EQ(OptionOf(reopened, "Nonlinear.MathsPrint").lVal, 2);
  EXPECT_TRUE(OptionOf(reopened, "Propinfo").boolVal);
  EXPECT_FALSE(OptionOf(reopened, "Compression").boolVal);

  // The dialog shows what the file holds.
  ui.Ui().AnswerDialog([](CDialog& dialog) {
    EXPECT_EQ(dialog.GetDlgItemText(IDC_HOST_END_TIME), "250");
    EXPECT_EQ(dialog.IsDlgButtonChecked(IDC_HOST_MODE_DYNAMIC), BST_CHECKED);
    dialog.PressButton(IDCANCEL);
  });
  reopened.OnTimeSettings();
  EXPECT_FALSE(reopened.HasUnsavedChanges());
}

TEST(RunOptionsDialogs, AValueThatWillNotDoIsRefusedAndNothingChanges) {
  ScriptedTestUi ui;
  CWorkbenchDocument document;
  document.SetModifiedFlag(false);
  const double endBefore = OptionOf(document, "EndTime").dblVal;
  ui.Ui().AnswerDialog([](CDialog& dialog) {
    dialog.SetDlgItemText(IDC_HOST_REPORTING_INTERVAL, "0.5");
    dialog.SetDlgItemText(IDC_HOST_END_TIME, "-4");
    dialog.PressButton(IDOK);  // refused: the message below, and the dialog stays
    EXPECT_FALSE(dialog.IsEnded());
    dialog.PressButton(IDCANCEL);
  });
  ui.Ui().AnswerOk();
  document.OnTimeSettings();
  ASSERT_FALSE(ui.Ui().Prompts().empty());
  EXPECT_EQ(ui.Ui().Prompts().back().text, "The end time must be a number above 0.");
  EXPECT_EQ(OptionOf(document, "EndTime").dblVal, endBefore);
  EXPECT_EQ(OptionOf(document, "ReportingInterval").dblVal, 1.0);
  EXPECT_FALSE(document.IsModified());

  // Solver Options: one bad field keeps every other field from being written.
  ui.Ui().AnswerDialog([](CDialog& dialog) {
    dialog.SetDlgItemText(IDC_HOST_ABSOLUTE_TOLERANCE, "1e-3");
    dialog.SetDlgItemText(IDC_HOST_MAX_ITERATIONS, "2.5");
    dialog.PressButton(IDOK);
    dialog.PressButton(IDCANCEL);
  });
  ui.Ui().AnswerOk();
  document.ShowSolverOptions(-1);
  EXPECT_EQ(ui.Ui().Prompts().back().text, "The number of Newton iterations must be a whole number of at least 1.");
  EXPECT_EQ(OptionOf(document, "AbsoluteTolerance").dblVal, 1e-7);
  EXPECT_FALSE(document.IsModified());
}
