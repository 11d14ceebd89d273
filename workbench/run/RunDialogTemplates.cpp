#include "workbench/run/RunDialogTemplates.h"

#include "host/HostDialogIds.h"
#include "platform/Dialog.h"

namespace {

CRect RunDialogRect(int x, int y, int width, int height) { return CRect(x, y, x + width, y + height); }

ControlTemplate RunDialogControl(ControlKind kind, int id, std::string text, CRect rect, DWORD style) {
  ControlTemplate control;
  control.kind = kind;
  control.id = id;
  control.text = std::move(text);
  control.rect = rect;
  control.style = WS_CHILD | WS_VISIBLE | style;
  return control;
}

// One row: a label left of an edit field.
void AddField(std::vector<ControlTemplate>& controls, const char* label, int id, int top) {
  controls.push_back(RunDialogControl(ControlKind::Static, -1, label, RunDialogRect(7, top + 2, 125, 8), 0));
  controls.push_back(RunDialogControl(ControlKind::Edit, id, "", RunDialogRect(135, top, 55, 12),
                                      ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP));
}

void AddCheck(std::vector<ControlTemplate>& controls, const char* label, int id, int top) {
  controls.push_back(
      RunDialogControl(ControlKind::CheckBox, id, label, RunDialogRect(7, top, 180, 10), BS_AUTOCHECKBOX | WS_TABSTOP));
}

void AddOkCancel(std::vector<ControlTemplate>& controls, int top) {
  controls.push_back(RunDialogControl(ControlKind::DefPushButton, IDOK, "OK", RunDialogRect(84, top, 50, 14),
                                      BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP));
  controls.push_back(
      RunDialogControl(ControlKind::PushButton, IDCANCEL, "Cancel", RunDialogRect(140, top, 50, 14), WS_TABSTOP));
}

DialogTemplate RunOptionsTemplate() {
  DialogTemplate t{IDD_HOST_RUN_OPTIONS, "Run Options", CSize(197, 124), {}};
  AddField(t.controls, "&End time (s):", IDC_HOST_END_TIME, 7);
  AddField(t.controls, "&Reporting interval (s):", IDC_HOST_REPORTING_INTERVAL, 23);
  t.controls.push_back(RunDialogControl(ControlKind::GroupBox, -1, "Run mode", RunDialogRect(7, 41, 183, 56), 0));
  const struct {
    int id;
    const char* text;
  } modes[] = {{IDC_HOST_MODE_STEADY_STATE, "&Steady State"},
               {IDC_HOST_MODE_INITIALIZATION, "&Initialization"},
               {IDC_HOST_MODE_DYNAMIC, "&Dynamic"}};
  int top = 53;
  for (const auto& mode : modes) {
    t.controls.push_back(RunDialogControl(ControlKind::RadioButton, mode.id, mode.text, RunDialogRect(14, top, 160, 10),
                                          BS_AUTORADIOBUTTON | WS_TABSTOP | (top == 53 ? WS_GROUP : 0)));
    top += 14;
  }
  AddOkCancel(t.controls, 103);
  return t;
}

DialogTemplate SolverOptionsTemplate() {
  DialogTemplate t{IDD_HOST_SOLVER_OPTIONS, "Solver Options", CSize(197, 262), {}};
  AddField(t.controls, "&Absolute tolerance:", IDC_HOST_ABSOLUTE_TOLERANCE, 7);
  AddField(t.controls, "&Relative tolerance:", IDC_HOST_RELATIVE_TOLERANCE, 23);
  AddField(t.controls, "&Newton iterations per group:", IDC_HOST_MAX_ITERATIONS, 39);
  AddField(t.controls, "Integrator &steps per interval:", IDC_HOST_MAX_INTEGRATOR_STEPS, 55);
  AddField(t.controls, "&Print level:", IDC_HOST_PRINT_LEVEL, 71);
  AddCheck(t.controls, "&Compression", IDC_HOST_COMPRESSION, 91);
  AddCheck(t.controls, "Property &information (Propinfo)", IDC_HOST_PROPINFO, 105);
  AddCheck(t.controls, "Check &procedure derivatives (CheckProcDerivs)", IDC_HOST_CHECK_PROC_DERIVS, 119);
  AddField(t.controls, "&Watch group (WatchGroup):", IDC_HOST_WATCH_GROUP, 137);
  AddField(t.controls, "High &residuals (Nonlinear.Hiresidual):", IDC_HOST_HIRESIDUAL, 153);
  AddField(t.controls, "High &variable steps (Nonlinear.HiVarSteps):", IDC_HOST_HIVARSTEPS, 169);
  AddField(t.controls, "&Maths print (Nonlinear.MathsPrint):", IDC_HOST_MATHS_PRINT, 185);
  AddOkCancel(t.controls, 241);
  return t;
}

}  // namespace

void RegisterRunDialogTemplates() {
  if (FindDialogTemplate(IDD_HOST_RUN_OPTIONS)) return;
  RegisterDialogTemplate(RunOptionsTemplate());
  RegisterDialogTemplate(SolverOptionsTemplate());
}
