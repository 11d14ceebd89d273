// The three folders of the simulation that list entries opening the host's
// dialogs: "Simulation Options" (run options, solver options, homotopy,
// snapshots), "Interfacing" (on-line links, simulation access extensions) and
// "Analysis Tools" (estimation, optimization).
#pragma once

#include <vector>

#include "explorer/nodes/simulation/QVEOLaunchDialog.h"
#include "explorer/nodes/simulation/QVEOTopLevelFolder.h"

class CQVEOLaunchFolder : public CQVEOTopLevelFolder {
 protected:
  CQVEOLaunchFolder(CExplorerExclusionList* exclusionList, CWnd* owner, UINT classNameId,
                    std::vector<EODialogType> entries);
  void AddRows(CListCtrl& list) override;

 private:
  std::vector<EODialogType> m_entries;
};

class CQVEOSimulationOptions : public CQVEOLaunchFolder {
 public:
  explicit CQVEOSimulationOptions(CWnd* owner, CExplorerExclusionList* exclusionList = nullptr);
  static const GUID& ClassID();
  const GUID& GetClassID() override { return ClassID(); }
  CExplorerObject* Clone() override;
  // Aspect 0: "Simulation Options"; aspect 1: "Options".
  int GetDisplayText(EOAspect aspect, std::string& text) override;
};

class CQVEOInterfacing : public CQVEOLaunchFolder {
 public:
  explicit CQVEOInterfacing(CWnd* owner, CExplorerExclusionList* exclusionList = nullptr);
  static const GUID& ClassID();
  const GUID& GetClassID() override { return ClassID(); }
  CExplorerObject* Clone() override;
};

class CQVEOAnalysisTools : public CQVEOLaunchFolder {
 public:
  explicit CQVEOAnalysisTools(CWnd* owner, CExplorerExclusionList* exclusionList = nullptr);
  static const GUID& ClassID();
  const GUID& GetClassID() override { return ClassID(); }
  CExplorerObject* Clone() override;
};
