// The scripts of a library or of the simulation's types. The host's own
// scripts (system, built-in or hidden) are not listed.
#pragma once

#include "explorer/nodes/library/TaskScriptFolder.h"

class CQVEOScriptFolder : public CQVEOTaskScriptFolder {
 public:
  CQVEOScriptFolder(IFInstance* instance, CExplorerExclusionList* exclusionList, CWnd* owner, int readOnly);

  static const GUID& ClassID();
  const GUID& GetClassID() override { return ClassID(); }
  CExplorerObject* Clone() override;
  int IsEmpty() override;

 protected:
  CExplorerObject* MakeAddEntry() override;
  void AddDefinitionRows(CListCtrl& list) override;
  int CloneDefinition(IFType* definition, IFType* paletteOwner, int move) override;
  HRESULT ExportDefinitions(std::string& text) override;
};
