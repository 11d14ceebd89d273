// The solver's options by name (IQVSolverOptions): each option keeps the kind
// of value it was made with, names compare without regard to case, and
// unknown names are FE_NOTFOUND. The print level and the run mode are options too.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "host/com/ComObject.h"
#include "host/services/IQVSolverOptions.h"
#include "workbench/store/OrderedNameMap.h"

class CSolverOptions : public CComObject<IQVSolverOptions> {
 public:
  static constexpr std::string_view kPrintLevel = "PrintLevel";
  static constexpr std::string_view kRunMode = "RunMode";  // ZN_RUN_*, 0 before the first choice
  // What the solver stops at: every residual at most the absolute tolerance (in its
  // equation's units); the integrator's error test uses both tolerances.
  static constexpr std::string_view kAbsoluteTolerance = "AbsoluteTolerance";
  static constexpr std::string_view kRelativeTolerance = "RelativeTolerance";
  static constexpr std::string_view kMaxIterations = "MaxIterations";            // Newton steps per group
  static constexpr std::string_view kMaxIntegratorSteps = "MaxIntegratorSteps";  // per reporting interval
  // A dynamic run's end time and reporting interval, in seconds.
  static constexpr std::string_view kEndTime = "EndTime";
  static constexpr std::string_view kReportingInterval = "ReportingInterval";

  // "Propinfo", "WatchGroup", "CheckProcDerivs", "Nonlinear.Hiresidual",
  // "Nonlinear.HiVarSteps", "Nonlinear.MathsPrint", "Compression", "PrintLevel", "RunMode",
  // then the tolerances, iteration limits and the dynamic run's times above.
  CSolverOptions();

  // A new option (E_INVALIDARG for an empty value, FE_NAMEEXISTS for a known name).
  HRESULT Define(const std::string& name, const VARIANT& value);
  std::vector<std::string> Names() const;
  int PrintLevel() const;
  int RunMode() const;
  // The mode a run takes: RunMode, or steady state before the first choice (as the Run menu marks it).
  int ChosenRunMode() const;
  // An option's value read without changing anything; otherwise when there is no such option of that kind
  // (Real also reads an integer).
  double Real(std::string_view name, double otherwise) const;
  int Integer(std::string_view name, int otherwise) const;
  bool Switch(std::string_view name, bool otherwise) const;
  // "Name = value;" lines in definition order, for exports and files.
  std::string ToText() const;

  // ---- IQVSolverOptions ----
  HRESULT GetProperty(const std::string& name, VARIANT* value) override;
  // A value of another kind is converted when that loses nothing (an integer to
  // a real, 0 or 1 to a switch); otherwise E_INVALIDARG and the option is unchanged.
  HRESULT SetProperty(const std::string& name, const VARIANT& value) override;

 private:
  COrderedNameMap<VARIANT> m_options;
};
