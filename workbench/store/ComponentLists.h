// The simulation's component lists and sets (IQVPhysicalProperties): each
// list names its components and a property file and uses physical
// properties; a set does not. "Default" always exists and can be neither
// deleted nor renamed. Lists carry the user's notes. Editing a list and the
// configuration, settings and options dialogs are the application's: it
// installs them as hooks; without a hook the operation completes on the data
// alone (configuring with the default property package).
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "host/com/ComObject.h"
#include "host/services/IQVPhysicalProperties.h"
#include "workbench/store/OrderedNameMap.h"

struct CComponentList {
  bool isSet = false;
  std::string propertyFile;  // lists only; empty when none is given
  std::vector<std::string> components;
  std::string notes;
};

class CComponentLists : public CComObject<IQVPhysicalProperties> {
 public:
  static constexpr std::string_view kDefaultList = "Default";
  // Notes are kept to this many characters, as the notes page allows.
  static constexpr std::size_t kMaxNotes = 2048;

  CComponentLists();

  void SetConfigured(bool configured) { m_configured = configured; }
  bool IsConfigured() const { return m_configured; }
  // The list called name (null when there is none): for the builder and the files.
  CComponentList* Find(std::string_view name);
  std::vector<std::string> Names() const;
  HRESULT Add(const std::string& name, CComponentList list);

  // What the application shows; each receives the list's name (empty for the whole configuration).
  std::function<HRESULT()> onShowConfiguration;
  std::function<HRESULT()> onShowSettings;
  std::function<HRESULT(const std::string&)> onEdit;
  std::function<HRESULT(const std::string&)> onShowOptions;

  // ---- IQVPhysicalProperties ----
  HRESULT CheckConfigured() override;
  HRESULT ShowConfiguration() override;
  HRESULT ShowSettings() override;
  HRESULT GetComponentLists(std::vector<std::string>& names) override;
  HRESULT HasComponentList(const std::string& name, bool* exists) override;
  HRESULT IsComponentSet(const std::string& name, bool* isSet) override;
  HRESULT GetPropertyFile(const std::string& name, std::string& path) override;
  HRESULT CreateComponentList(const std::string& name, bool asSet) override;
  HRESULT CopyComponentList(const std::string& name, const std::string& newName) override;
  HRESULT RenameComponentList(const std::string& name, const std::string& newName) override;
  HRESULT DeleteComponentList(const std::string& name) override;
  HRESULT ConvertComponentList(const std::string& name) override;
  HRESULT EditComponentList(const std::string& name) override;
  HRESULT ShowPropertiesOptions(const std::string& name) override;
  HRESULT GetNotes(const std::string& name, std::string& text) override;
  HRESULT SetNotes(const std::string& name, const std::string& text) override;

 private:
  HRESULT CheckNewName(const std::string& name) const;

  bool m_configured = false;
  COrderedNameMap<CComponentList> m_lists;
};
