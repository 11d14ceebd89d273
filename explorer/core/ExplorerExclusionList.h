// The node classes one Explorer window hides, and the two display flags of its
// solver-diagnostics nodes. The hidden classes are kept per root class in the
// current user's registry (the root class's settings key + "\Exclusion List",
// one DWORD value named by each class identifier); containers ask IsExcluded
// before they make a child of an excludable class.
#pragma once

#include <string>
#include <vector>

#include "platform/Guid.h"

class CExplorerObject;

class CExplorerExclusionList {
 public:
  // With load nonzero the hidden classes are read from the registry.
  CExplorerExclusionList(REFGUID rootClass, int load);
  // Copies the root class and the hidden classes, not the two flags.
  CExplorerExclusionList(const CExplorerExclusionList& other);
  CExplorerExclusionList& operator=(const CExplorerExclusionList& other);

  bool IsExcluded(REFGUID classId) const;
  // Appended at the end; duplicates are kept.
  void Add(REFGUID classId) { m_excluded.push_back(classId); }
  void RemoveAll() { m_excluded.clear(); }
  bool IsEmpty() const { return m_excluded.empty(); }
  const std::vector<GUID>& Classes() const { return m_excluded; }
  const GUID& RootClass() const { return m_rootClass; }

  // Rewrites the registry list of the root class; 1 on success.
  int SaveToRegistry() const;
  // The registry key of the root class's list; empty when it cannot be formed.
  std::string RegistryKeyName() const;

  int GetOnlyFirstUnconverged() const { return m_onlyFirstUnconverged; }
  void SetOnlyFirstUnconverged(int value) { m_onlyFirstUnconverged = value; }
  int GetShowVariablesInGroups() const { return m_showVariablesInGroups; }
  // Stores the flag; with a notifier, posts EXPLORER_SHOW_EQNORVARS to the
  // notifier's owner and writes "ShowVariablesinGroups" to the registry.
  void SetShowVariablesInGroups(int value, CExplorerObject* notifier);

 private:
  void Load();

  GUID m_rootClass;
  std::vector<GUID> m_excluded;
  int m_onlyFirstUnconverged = 0;
  int m_showVariablesInGroups = 0;
};
