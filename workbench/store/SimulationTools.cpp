#include "workbench/store/SimulationTools.h"

namespace {

HRESULT Answer(bool* out, bool value) {
  if (!out) return E_POINTER;
  *out = value;
  return S_OK;
}

}  // namespace

HRESULT CHomotopy::IsAvailable(bool* result) { return Answer(result, available); }
HRESULT CHomotopy::IsActive(bool* result) { return Answer(result, active); }
HRESULT CHomotopy::SetActive(bool on) {
  if (on && !available) return E_FAIL;
  active = on;
  return S_OK;
}

HRESULT CEstimation::HasDefinition(bool* result) { return Answer(result, defined); }
HRESULT CEstimation::IsResultPresent(bool* result) { return Answer(result, resultPresent); }
HRESULT CEstimation::IsActive(bool* result) { return Answer(result, active); }

HRESULT COptimisation::GetDescription(std::string& text) {
  if (!description) return E_FAIL;
  text = *description;
  return S_OK;
}

HRESULT CExternalInterface::GetStatus() { return status; }
HRESULT CExternalInterface::IsEnabled(bool* result) { return Answer(result, enabled); }
HRESULT CExternalInterface::SetEnabled(bool on) {
  if (FAILED(status)) return status;
  enabled = on;
  return S_OK;
}

HRESULT COnLineLinks::GetConfigurations(bool* inputs, bool* outputs) {
  if (!inputs || !outputs) return E_POINTER;
  *inputs = inputsConfigured;
  *outputs = outputsConfigured;
  return S_OK;
}
HRESULT COnLineLinks::IsActive(bool* result) { return Answer(result, active); }
HRESULT COnLineLinks::SetMode(int mode) {
  if (mode == QV_LINKS_OFF) {
    active = false;
    return S_OK;
  }
  if (mode != QV_LINKS_ON) return E_INVALIDARG;
  if (!inputsConfigured && !outputsConfigured) return E_FAIL;
  active = true;
  return S_OK;
}
