// The tasks of a library or of the simulation's types.
#pragma once

#include "explorer/nodes/library/TaskScriptFolder.h"

class CQVEOTaskFolder : public CQVEOTaskScriptFolder {
 public:
  CQVEOTaskFolder(IFInstance* instance, CExplorerExclusionList* exclusionList, CWnd* owner, int readOnly);

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
