#include "workbench/run/RunDialogTemplates.h"

#include "host/HostDialogIds.h"
#include "platform/TemplateControls.h"

namespace {

using namespace template_controls;

// One row: a label left of its edit field.
void AddRunDialogField(std::vector<ControlTemplate>& controls, const char* label, int id, int top) {
  controls.push_back(Label(label, At(7, top + 2, 125, 8)));
  controls.push_back(Edit(id, At(135, top, 55, 12)));
}

void AddRunDialogButtons(std::vector<ControlTemplate>& controls, int top) {
  controls.push_back(DefaultButton(IDOK, "OK", At(84, top, 50, 14), WS_GROUP));
  controls.push_back(Button(IDCANCEL, "Cancel", At(140, top, 50, 14)));
}

DialogTemplate RunOptionsTemplate() {
  DialogTemplate t{IDD_HOST_RUN_OPTIONS, "Run Options", CSize(197, 124), {}};
  AddRunDialogField(t.controls, "&End time (s):", IDC_HOST_END_TIME, 7);
  AddRunDialogField(t.controls, "&Reporting interval (s):", IDC_HOST_REPORTING_INTERVAL, 23);
  t.controls.push_back(GroupBox("Run mode", At(7, 41, 183, 56)));
  t.controls.push_back(Radio(IDC_HOST_MODE_STEADY_STATE, "&Steady State", At(14, 53, 160, 10), WS_GROUP));
  t.controls.push_back(Radio(IDC_HOST_MODE_INITIALIZATION, "&Initialization", At(14, 67, 160, 10)));
  t.controls.push_back(Radio(IDC_HOST_MODE_DYNAMIC, "&Dynamic", At(14, 81, 160, 10)));
  AddRunDialogButtons(t.controls, 103);
  return t;
}

DialogTemplate SolverOptionsTemplate() {
  DialogTemplate t{IDD_HOST_SOLVER_OPTIONS, "Solver Options", CSize(197, 262), {}};
  // Rows top to bottom, so that the tab order follows the eye.
  AddRunDialogField(t.controls, "&Absolute tolerance:", IDC_HOST_ABSOLUTE_TOLERANCE, 7);
  AddRunDialogField(t.controls, "&Relative tolerance:", IDC_HOST_RELATIVE_TOLERANCE, 23);
  AddRunDialogField(t.controls, "&Newton iterations per group:", IDC_HOST_MAX_ITERATIONS, 39);
  AddRunDialogField(t.controls, "Integrator &steps per interval:", IDC_HOST_MAX_INTEGRATOR_STEPS, 55);
  AddRunDialogField(t.controls, "&Print level:", IDC_HOST_PRINT_LEVEL, 71);
  t.controls.push_back(CheckBox(IDC_HOST_COMPRESSION, "&Compression", At(7, 91, 180, 10)));
  t.controls.push_back(CheckBox(IDC_HOST_PROPINFO, "Property &information (Propinfo)", At(7, 105, 180, 10)));
  t.controls.push_back(
      CheckBox(IDC_HOST_CHECK_PROC_DERIVS, "Check procedure &derivatives (CheckProcDerivs)", At(7, 119, 180, 10)));
  AddRunDialogField(t.controls, "&Watch group (WatchGroup):", IDC_HOST_WATCH_GROUP, 137);
  AddRunDialogField(t.controls, "&High residuals (Nonlinear.Hiresidual):", IDC_HOST_HIRESIDUAL, 153);
  AddRunDialogField(t.controls, "High &variable steps (Nonlinear.HiVarSteps):", IDC_HOST_HIVARSTEPS, 169);
  AddRunDialogField(t.controls, "&Maths print (Nonlinear.MathsPrint):", IDC_HOST_MATHS_PRINT, 185);
  AddRunDialogButtons(t.controls, 241);
  return t;
}

DialogTemplate PauseAtTemplate() {
  DialogTemplate t{IDD_HOST_PAUSE_AT, "Pause At", CSize(197, 46), {}};
  AddRunDialogField(t.controls, "&Pause at time (s):", IDC_HOST_PAUSE_TIME, 7);
  AddRunDialogButtons(t.controls, 25);
  return t;
}

DialogTemplate AdvancedResetTemplate() {
  DialogTemplate t{IDD_HOST_ADVANCED_RESET, "Advanced Reset", CSize(197, 108), {}};
  t.controls.push_back(GroupBox("Set back to their specified values", At(7, 7, 183, 52)));
  t.controls.push_back(CheckBox(IDC_HOST_RESET_FREE, "&Free variables", At(14, 19, 170, 10)));
  t.controls.push_back(CheckBox(IDC_HOST_RESET_STATES, "&Initial and rate-initial variables", At(14, 31, 170, 10)));
  t.controls.push_back(CheckBox(IDC_HOST_RESET_DERIVATIVES, "&Derivatives", At(14, 43, 170, 10)));
  t.controls.push_back(CheckBox(IDC_HOST_RESET_TIME, "Simulated &time to 0", At(7, 63, 183, 10)));
  t.controls.push_back(CheckBox(IDC_HOST_RESET_DIAGNOSTICS, "Run d&iagnostics and status", At(7, 75, 183, 10)));
  AddRunDialogButtons(t.controls, 89);
  return t;
}

}  // namespace

void RegisterRunDialogTemplates() {
  if (FindDialogTemplate(IDD_HOST_RUN_OPTIONS)) return;
  RegisterDialogTemplate(RunOptionsTemplate());
  RegisterDialogTemplate(SolverOptionsTemplate());
  RegisterDialogTemplate(PauseAtTemplate());
  RegisterDialogTemplate(AdvancedResetTemplate());
}
