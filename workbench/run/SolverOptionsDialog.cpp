#include "workbench/run/SolverOptionsDialog.h"

#include <string>
#include <string_view>
#include <vector>

#include "host/HostDialogIds.h"
#include "workbench/run/OptionFields.h"
#include "workbench/run/RunDialogTemplates.h"
#include "workbench/store/SolverOptions.h"

namespace {

struct SolverNumberField {
  int id;
  std::string_view option;
  const char* what;
  double minimum;
  bool strictlyAbove;
  bool integer;
};

const SolverNumberField kSolverNumberFields[] = {
    {IDC_HOST_ABSOLUTE_TOLERANCE, CSolverOptions::kAbsoluteTolerance, "absolute tolerance", 0.0, true, false},
    {IDC_HOST_RELATIVE_TOLERANCE, CSolverOptions::kRelativeTolerance, "relative tolerance", 0.0, true, false},
    {IDC_HOST_MAX_ITERATIONS, CSolverOptions::kMaxIterations, "number of Newton iterations", 1.0, false, true},
    {IDC_HOST_MAX_INTEGRATOR_STEPS, CSolverOptions::kMaxIntegratorSteps, "number of integrator steps", 1.0, false,
     true},
    {IDC_HOST_PRINT_LEVEL, CSolverOptions::kPrintLevel, "print level", 0.0, false, true},
    {IDC_HOST_WATCH_GROUP, "WatchGroup", "watch group", 0.0, false, true},
    {IDC_HOST_HIRESIDUAL, "Nonlinear.Hiresidual", "number of high residuals", 0.0, false, true},
    {IDC_HOST_HIVARSTEPS, "Nonlinear.HiVarSteps", "number of high variable steps", 0.0, false, true},
    {IDC_HOST_MATHS_PRINT, "Nonlinear.MathsPrint", "maths print level", 0.0, false, true},
};

struct SolverSwitchField {
  int id;
  std::string_view option;
};

const SolverSwitchField kSolverSwitchFields[] = {
    {IDC_HOST_COMPRESSION, "Compression"},
    {IDC_HOST_PROPINFO, "Propinfo"},
    {IDC_HOST_CHECK_PROC_DERIVS, "CheckProcDerivs"},
};

VARIANT SolverOptionValue(CSolverOptions& options, std::string_view name) {
  VARIANT value;
  options.GetProperty(std::string(name), &value);
  return value;
}

bool SameOptionValue(const VARIANT& a, const VARIANT& b) {
  if (a.vt != b.vt) return false;
  switch (a.vt) {
    case VT_R8: return a.dblVal == b.dblVal;
    case VT_I4: return a.lVal == b.lVal;
    case VT_BOOL: return a.boolVal == b.boolVal;
    default: return false;
  }
}

}  // namespace

CSolverOptionsDialog::CSolverOptionsDialog(CSolverOptions& options, CWnd* parent)
    : CDialog((RegisterRunDialogTemplates(), IDD_HOST_SOLVER_OPTIONS), parent), m_options(options) {}

bool CSolverOptionsDialog::OnInitDialog() {
  const bool result = CDialog::OnInitDialog();
  m_changed = false;
  for (const SolverNumberField& field : kSolverNumberFields) {
    const VARIANT value = SolverOptionValue(m_options, field.option);
    const double number = value.vt == VT_R8 ? value.dblVal : value.vt == VT_I4 ? value.lVal : 0.0;
    SetDlgItemText(field.id, OptionNumberText(number));
  }
  for (const SolverSwitchField& field : kSolverSwitchFields) {
    const VARIANT value = SolverOptionValue(m_options, field.option);
    const bool on = value.vt == VT_BOOL ? value.boolVal : value.vt == VT_I4 && value.lVal != 0;
    CheckDlgButton(field.id, on ? BST_CHECKED : BST_UNCHECKED);
  }
  return result;
}

void CSolverOptionsDialog::OnOK() {
  // Every field is read before any option is written, so that a refused field changes nothing.
  std::vector<std::pair<std::string_view, VARIANT>> values;
  for (const SolverNumberField& field : kSolverNumberFields) {
    double number = 0.0;
    if (!ReadOptionField(*this, field.id, field.what, field.minimum, field.strictlyAbove, field.integer, number))
      return;
    values.emplace_back(field.option,
                        field.integer ? VARIANT::Int(static_cast<LONG>(number)) : VARIANT::Real(number));
  }
  for (const SolverSwitchField& field : kSolverSwitchFields) {
    const bool on = IsDlgButtonChecked(field.id) == BST_CHECKED;
    const bool storedAsSwitch = SolverOptionValue(m_options, field.option).vt != VT_I4;
    values.emplace_back(field.option, storedAsSwitch ? VARIANT::Bool(on) : VARIANT::Int(on ? 1 : 0));
  }
  for (const auto& [name, value] : values) {
    if (SameOptionValue(SolverOptionValue(m_options, name), value)) continue;
    if (SUCCEEDED(m_options.SetProperty(std::string(name), value))) m_changed = true;
  }
  EndDialog(IDOK);
}
