#include "workbench/run/RunOptionsDialog.h"

#include <algorithm>
#include <iterator>

#include "host/HostDialogIds.h"
#include "host/diagnostics/IZNDecomposition.h"
#include "workbench/run/OptionFields.h"
#include "workbench/run/RunDialogTemplates.h"
#include "workbench/store/SolverOptions.h"

namespace {

// The run modes in the order of the dialog's radio buttons.
constexpr int kRunOptionsModes[] = {ZN_RUN_STEADY_STATE, ZN_RUN_INITIALIZATION, ZN_RUN_DYNAMIC};

}  // namespace

CRunOptionsDialog::CRunOptionsDialog(CSolverOptions& options, CWnd* parent)
    : CDialog((RegisterRunDialogTemplates(), IDD_HOST_RUN_OPTIONS), parent), m_options(options) {}

bool CRunOptionsDialog::OnInitDialog() {
  m_endTime = OptionNumberText(m_options.Real(CSolverOptions::kEndTime, 10.0));
  m_interval = OptionNumberText(m_options.Real(CSolverOptions::kReportingInterval, 1.0));
  const int* found = std::find(std::begin(kRunOptionsModes), std::end(kRunOptionsModes), m_options.ChosenRunMode());
  m_mode = found == std::end(kRunOptionsModes) ? -1 : static_cast<int>(found - std::begin(kRunOptionsModes));
  m_changed = false;
  return CDialog::OnInitDialog();
}

void CRunOptionsDialog::DoDataExchange(CDataExchange* dx) {
  DDX_Text(dx, IDC_HOST_END_TIME, m_endTime);
  DDX_Text(dx, IDC_HOST_REPORTING_INTERVAL, m_interval);
  DDX_Radio(dx, IDC_HOST_MODE_STEADY_STATE, m_mode);
}

void CRunOptionsDialog::OnOK() {
  if (!UpdateData(true)) return;
  double end = 0.0, interval = 0.0;
  if (!ReadOptionField(*this, IDC_HOST_END_TIME, "end time", 0.0, true, false, end)) return;
  if (!ReadOptionField(*this, IDC_HOST_REPORTING_INTERVAL, "reporting interval", 0.0, true, false, interval)) return;
  const VARIANT values[] = {VARIANT::Real(end), VARIANT::Real(interval)};
  const std::string_view names[] = {CSolverOptions::kEndTime, CSolverOptions::kReportingInterval};
  for (int i = 0; i < 2; ++i) {
    VARIANT before;
    m_options.GetProperty(std::string(names[i]), &before);
    if (before.vt == VT_R8 && before.dblVal == values[i].dblVal) continue;
    if (SUCCEEDED(m_options.SetProperty(std::string(names[i]), values[i]))) m_changed = true;
  }
  if (m_mode >= 0 && m_mode < static_cast<int>(std::size(kRunOptionsModes)) &&
      kRunOptionsModes[m_mode] != m_options.ChosenRunMode()) {
    m_options.SetProperty(std::string(CSolverOptions::kRunMode), VARIANT::Int(kRunOptionsModes[m_mode]));
    m_changed = true;
  }
  EndDialog(IDOK);
}
