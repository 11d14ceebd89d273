// A variable of the flowsheet as the explorer reads it: "Value" and
// "Derivative", "Lower" and "Upper" in the current unit set's unit of its
// quantity (numbers in base units), "Units", "Spec" and "Description".
#include <cmath>
#include <cstdio>

#include "host/model/IQVVariable.h"
#include "host/model/IQVVariableAttributes.h"
#include "host/store/MwString.h"
#include "host/store/Status.h"
#include "workbench/simulation/FlowsheetHost.h"
#include "workbench/simulation/FlowsheetObjects.h"
#include "workbench/language/TextCase.h"
#include "workbench/store/Store.h"
#include "workbench/store/StoreType.h"
#include "workbench/store/UnitSets.h"

namespace {

class CInstanceVariable : public CComObject<IQVVariable, IQVVariableAttributes> {
 public:
  CInstanceVariable(CFlowsheetHost& host, std::string path) : m_host(&host), m_path(std::move(path)) {}

  HRESULT GetName(std::string& name) override {
    const InstanceVariable* variable = Variable();
    if (!variable) return FE_STALE;
    name = variable->path;
    return S_OK;
  }

  HRESULT GetPropertyText(const std::string& property, std::string& text) override {
    const InstanceVariable* variable = Variable();
    if (!variable) return FE_STALE;
    if (EqualsNoCase(property, "Spec")) {
      text = VariableSpecText(variable->spec);
      return S_OK;
    }
    if (EqualsNoCase(property, "Description")) {
      text = variable->Description();
      return S_OK;
    }
    if (EqualsNoCase(property, "Units")) {
      text = Unit(*variable);
      return S_OK;
    }
    double value = 0.0;
    const HRESULT hr = GetPropertyReal(property, &value);
    if (FAILED(hr)) return hr;
    const std::string unit = Unit(*variable);
    const std::optional<double> shown = unit.empty() ? std::optional<double>(value)
                                                     : m_host.Get()->Store().UnitSets().FromBase(value, unit);
    text = MwString::FormatReal_S(shown.value_or(value), 10, true);
    return S_OK;
  }

  HRESULT GetPropertyReal(const std::string& property, double* value) override {
    if (!value) return E_POINTER;
    const InstanceVariable* variable = Variable();
    if (!variable) return FE_STALE;
    std::optional<double> found;
    if (EqualsNoCase(property, "Value")) found = variable->value;
    else if (EqualsNoCase(property, "Derivative") && variable->state) found = variable->derivative;
    else if (EqualsNoCase(property, "Lower")) found = variable->lower;
    else if (EqualsNoCase(property, "Upper")) found = variable->upper;
    if (!found) return E_INVALIDARG;
    *value = *found;
    return S_OK;
  }

  HRESULT SetPropertyText(const std::string& property, const std::string& text) override {
    CFlowsheetHost* host = m_host.Get();
    if (!host || !Variable()) return FE_STALE;
    return host->SetVariable(m_path, property, text);
  }

  HRESULT GetAttributes(IQVVariableAttributes** attributes) override {
    if (!attributes) return E_POINTER;
    return QueryInterface(IID_IQVVariableAttributes, reinterpret_cast<void**>(attributes));
  }

  // The path, or the value: in base units with every digit kept ("BaseUnits"), else as "Value" reads.
  HRESULT GetPropertyText(int property, const std::string& units, std::string& text) override {
    const InstanceVariable* variable = Variable();
    if (!variable) return FE_STALE;
    if (property == QV_VARIABLE_PATH) {
      text = variable->path;
      return S_OK;
    }
    if (property != QV_VARIABLE_VALUE) return E_INVALIDARG;
    if (!EqualsNoCase(units, "BaseUnits")) return GetPropertyText("Value", text);
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.17g", variable->value);
    text = buffer;
    return S_OK;
  }

  HRESULT GetPhysicalType(std::string& name) override {
    const InstanceVariable* variable = Variable();
    if (!variable) return FE_STALE;
    name = variable->Quantity();
    return S_OK;
  }

 private:
  const InstanceVariable* Variable() const {
    CFlowsheetHost* host = m_host.Get();
    return host ? host->Current().FindVariable(m_path) : nullptr;
  }

  // The unit the current set shows the variable's quantity in; empty when it has no quantity.
  std::string Unit(const InstanceVariable& variable) const {
    if (variable.Quantity().empty()) return {};
    CUnitSets& sets = m_host.Get()->Store().UnitSets();
    return sets.UnitOf(sets.CurrentSet(), variable.Quantity()).value_or(std::string());
  }

  CBackLink<CFlowsheetHost> m_host;
  std::string m_path;
};

}  // namespace

CComPtr<IQVVariable> MakeInstanceVariable(CFlowsheetHost& host, const std::string& path) {
  return CComPtr<IQVVariable>(MakeComObject<CInstanceVariable>(host, path).Get());
}
