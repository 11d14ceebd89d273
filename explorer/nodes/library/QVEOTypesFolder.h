// The simulation's own types: "Custom Modeling" while the host allows custom
// modeling, "Local Library" otherwise. The place where the user creates and
// edits types; it shows the same folders as a library (without used
// libraries), announces pasted models and stream types, and also takes
// structure types.
#pragma once

#include <string>

#include "explorer/nodes/library/QVEOTypeContainer.h"

class CQVEOTypesFolder : public CQVEOTypeContainer {
 public:
  CQVEOTypesFolder(IFInstance* instance, CExplorerExclusionList* exclusionList, CWnd* owner, int readOnly);
  static const GUID& ClassID();
  const GUID& GetClassID() override { return ClassID(); }
  int GetClassName(std::string& name) override;
  CExplorerObject* Clone() override;

  // Aspects 0 and 1: "Custom Modeling" or "Local Library".
  int GetDisplayText(EOAspect aspect, std::string& text) override;
  int BuildContextMenu(CMenu& menu) override;
  int CanDoCommand(UINT id) override;
  void DoCommand(UINT id) override;
  void Export() override;
  // Properties: the Custom Modeling Properties sheet over this window's tree
  // (only while the tree is shown and rooted at the simulation or Custom Modeling).
  void ShowFolderProperties();

  // Writes the palette to "CustomModeling.ktrf" in the directory of path (up to
  // its last "/" or "\"); the file written is given back in written. True when exported.
  int ExportForRmplzCustMod(const std::string& path, std::string& written);

 protected:
  bool AnnouncesPastedModels() const override { return true; }
  bool PastesStructureTypes() const override { return true; }
};
