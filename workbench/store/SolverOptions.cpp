#include "workbench/store/SolverOptions.h"

#include <cmath>

#include "host/diagnostics/IZNDecomposition.h"
#include "host/store/MwString.h"
#include "host/store/Status.h"

namespace {

// value converted to kind, when that loses nothing.
std::optional<VARIANT> Converted(const VARIANT& value, VARTYPE kind) {
  if (value.vt == kind) return value;
  switch (kind) {
    case VT_R8:
      if (value.vt == VT_I4) return VARIANT::Real(value.lVal);
      break;
    case VT_I4:
      if (value.vt == VT_BOOL) return VARIANT::Int(value.boolVal ? 1 : 0);
      if (value.vt == VT_R8 && std::isfinite(value.dblVal) && value.dblVal == std::trunc(value.dblVal) &&
          std::fabs(value.dblVal) <= 2147483647.0)
        return VARIANT::Int(static_cast<LONG>(value.dblVal));
      break;
    case VT_BOOL:
      if (value.vt == VT_I4 && (value.lVal == 0 || value.lVal == 1)) return VARIANT::Bool(value.lVal == 1);
      break;
    default: break;
  }
  return std::nullopt;
}

std::string ValueText(const VARIANT& value) {
  switch (value.vt) {
    case VT_I4: return std::to_string(value.lVal);
    case VT_R8: return MwString::FormatReal_S(value.dblVal, 0, true);
    case VT_BOOL: return value.boolVal ? "True" : "False";
    case VT_BSTR: {
      std::string quoted = "\"";
      for (char c : value.bstrVal) {
        if (c == '"' || c == '\\') quoted += '\\';
        quoted += c;
      }
      return quoted + "\"";
    }
    default: return {};
  }
}

}  // namespace

CSolverOptions::CSolverOptions() {
  Define("Propinfo", VARIANT::Bool(false));
  Define("WatchGroup", VARIANT::Int(0));
  Define("CheckProcDerivs", VARIANT::Bool(false));
  Define("Nonlinear.Hiresidual", VARIANT::Int(0));
  Define("Nonlinear.HiVarSteps", VARIANT::Int(0));
  Define("Nonlinear.MathsPrint", VARIANT::Int(0));
  Define("Compression", VARIANT::Bool(true));
  Define(std::string(kPrintLevel), VARIANT::Int(1));
  Define(std::string(kRunMode), VARIANT::Int(0));
  Define(std::string(kAbsoluteTolerance), VARIANT::Real(1e-7));
  Define(std::string(kRelativeTolerance), VARIANT::Real(1e-6));
  Define(std::string(kMaxIterations), VARIANT::Int(50));
  Define(std::string(kMaxIntegratorSteps), VARIANT::Int(5000));
  Define(std::string(kEndTime), VARIANT::Real(10.0));
  Define(std::string(kReportingInterval), VARIANT::Real(1.0));
}

HRESULT CSolverOptions::Define(const std::string& name, const VARIANT& value) {
  if (name.empty() || value.IsEmpty()) return E_INVALIDARG;
  return m_options.Add(name, value) ? S_OK : FE_NAMEEXISTS;
}

std::vector<std::string> CSolverOptions::Names() const {
  std::vector<std::string> names;
  for (const auto& entry : m_options.Entries()) names.push_back(entry.name);
  return names;
}

int CSolverOptions::PrintLevel() const {
  const auto* entry = m_options.Find(kPrintLevel);
  return entry && entry->value.vt == VT_I4 ? entry->value.lVal : 0;
}

int CSolverOptions::RunMode() const {
  const auto* entry = m_options.Find(kRunMode);
  return entry && entry->value.vt == VT_I4 ? entry->value.lVal : 0;
}

int CSolverOptions::ChosenRunMode() const { return RunMode() == 0 ? ZN_RUN_STEADY_STATE : RunMode(); }

double CSolverOptions::Real(std::string_view name, double otherwise) const {
  const auto* entry = m_options.Find(name);
  if (!entry) return otherwise;
  if (entry->value.vt == VT_R8) return entry->value.dblVal;
  return entry->value.vt == VT_I4 ? entry->value.lVal : otherwise;
}

int CSolverOptions::Integer(std::string_view name, int otherwise) const {
  const auto* entry = m_options.Find(name);
  return entry && entry->value.vt == VT_I4 ? entry->value.lVal : otherwise;
}

bool CSolverOptions::Switch(std::string_view name, bool otherwise) const {
  const auto* entry = m_options.Find(name);
  return entry && entry->value.vt == VT_BOOL ? entry->value.boolVal != 0 : otherwise;
}

std::string CSolverOptions::ToText() const {
  std::string text;
  for (const auto& entry : m_options.Entries()) text += entry.name + " = " + ValueText(entry.value) + ";\n";
  return text;
}

HRESULT CSolverOptions::GetProperty(const std::string& name, VARIANT* value) {
  if (!value) return E_POINTER;
  const auto* entry = m_options.Find(name);
  if (!entry) return FE_NOTFOUND;
  *value = entry->value;
  return S_OK;
}

HRESULT CSolverOptions::SetProperty(const std::string& name, const VARIANT& value) {
  auto* entry = m_options.Find(name);
  if (!entry) return FE_NOTFOUND;
  std::optional<VARIANT> converted = Converted(value, entry->value.vt);
  if (!converted) return E_INVALIDARG;
  entry->value = std::move(*converted);
  return S_OK;
}
