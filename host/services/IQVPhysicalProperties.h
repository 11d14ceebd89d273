// The simulation's physical-properties configuration and its component lists
// (each a list using physical properties, or a set that does not), by name.
// Operations that need configured properties give FE_NOTCONFIGURED while they are not.
#pragma once

#include <string>
#include <vector>

#include "host/com/Unknown.h"

// Identifier made up for this interface.
inline const IID IID_IQVPhysicalProperties = GUID::FromString("{7E5A002E-3C2B-4A8D-B0F1-6D2C9A4E8B01}");

struct IQVPhysicalProperties : IUnknown {
  static const IID& Iid() { return IID_IQVPhysicalProperties; }

  // S_OK when properties are configured, E_FAIL when they are not.
  virtual HRESULT CheckConfigured() = 0;
  // The host's configuration dialog.
  virtual HRESULT ShowConfiguration() = 0;
  // The host's settings dialog of the whole configuration.
  virtual HRESULT ShowSettings() = 0;

  virtual HRESULT GetComponentLists(std::vector<std::string>& names) = 0;
  virtual HRESULT HasComponentList(const std::string& name, bool* exists) = 0;
  virtual HRESULT IsComponentSet(const std::string& name, bool* isSet) = 0;
  // The property file of a list; empty when none is given.
  virtual HRESULT GetPropertyFile(const std::string& name, std::string& path) = 0;
  // FE_NAMEEXISTS when the name is taken.
  virtual HRESULT CreateComponentList(const std::string& name, bool asSet) = 0;
  virtual HRESULT CopyComponentList(const std::string& name, const std::string& newName) = 0;
  virtual HRESULT RenameComponentList(const std::string& name, const std::string& newName) = 0;
  // FE_INUSE while the list is used elsewhere.
  virtual HRESULT DeleteComponentList(const std::string& name) = 0;
  // A list becomes a set, a set a list.
  virtual HRESULT ConvertComponentList(const std::string& name) = 0;
  // The host's editor of a list; FE_NOTCONFIGURED while properties are not configured.
  virtual HRESULT EditComponentList(const std::string& name) = 0;
  // The physical-properties options of a list; FE_NOTCONFIGURED likewise.
  virtual HRESULT ShowPropertiesOptions(const std::string& name) = 0;
  // The user's notes on a list.
  virtual HRESULT GetNotes(const std::string& name, std::string& text) = 0;
  virtual HRESULT SetNotes(const std::string& name, const std::string& text) = 0;
};
