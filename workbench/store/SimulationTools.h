// The simulation's analysis and interfacing tools as the launch entries see
// them: homotopy (available, active), estimation (definition, result, active),
// optimisation (its description), the external programming interface
// (status, enabled) and the on-line links (configurations, active). Each
// keeps its state; what the tool computes is the application's.
#pragma once

#include <optional>
#include <string>

#include "host/com/ComObject.h"
#include "host/services/IQVEstimation.h"
#include "host/services/IQVExternalInterface.h"
#include "host/services/IQVHomotopy.h"
#include "host/services/IQVOnLineLinks.h"
#include "host/services/IQVOptimisation.h"

class CHomotopy : public CComObject<IQVHomotopy> {
 public:
  bool available = false;
  bool active = false;

  HRESULT IsAvailable(bool* result) override;
  HRESULT IsActive(bool* result) override;
  // Switching on needs homotopy to be set up (E_FAIL otherwise); switching off always works.
  HRESULT SetActive(bool on) override;
};

class CEstimation : public CComObject<IQVEstimation> {
 public:
  bool defined = false;
  bool resultPresent = false;
  bool active = false;

  HRESULT HasDefinition(bool* result) override;
  HRESULT IsResultPresent(bool* result) override;
  HRESULT IsActive(bool* result) override;
};

class COptimisation : public CComObject<IQVOptimisation> {
 public:
  std::optional<std::string> description;  // none while no problem is defined

  HRESULT GetDescription(std::string& text) override;
};

class CExternalInterface : public CComObject<IQVExternalInterface> {
 public:
  HRESULT status = S_OK;  // a failure code while the extensions cannot be used
  bool enabled = false;

  HRESULT GetStatus() override;
  HRESULT IsEnabled(bool* result) override;
  // Refused with the status code while the extensions cannot be used.
  HRESULT SetEnabled(bool on) override;
};

class COnLineLinks : public CComObject<IQVOnLineLinks> {
 public:
  bool inputsConfigured = false;
  bool outputsConfigured = false;
  bool active = false;

  HRESULT GetConfigurations(bool* inputs, bool* outputs) override;
  HRESULT IsActive(bool* result) override;
  // QV_LINKS_ON needs at least one configuration (E_FAIL otherwise); any other mode is E_INVALIDARG.
  HRESULT SetMode(int mode) override;
};
