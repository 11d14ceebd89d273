// The flowsheet: the top-level flowsheet of the simulation, and every
// hierarchy inside it (a block whose model is itself a flowsheet). It lists
// its blocks and streams folders, forms, scripts, tasks, its text and its
// structure containers; compiles its text; takes pasted or dropped scripts,
// tasks, copied blocks and structure types; exports, imports and generates
// code through the host.
#pragma once

#include <string>

#include "explorer/core/ExplorerContainerObject.h"
#include "host/model/IQVHierarchyType.h"
#include "host/model/IRModel.h"
#include "host/store/IFType.h"

class CQVEOFlowsheet : public CExplorerContainerObject {
 public:
  using CExplorerContainerObject::ShowContents;

  CQVEOFlowsheet(IFInstance* instance, CExplorerExclusionList* exclusionList, CWnd* owner);

  static const GUID& ClassID();
  const GUID& GetClassID() override { return ClassID(); }
  int GetClassName(std::string& name) override;
  CExplorerObject* Clone() override;
  // Same class on the same flowsheet or hierarchy.
  int operator==(CExplorerObject& other) override;
  void GetStatus() override;
  int IsValid() override;
  // Aspect 0: "Flowsheet", or the hierarchy's name; aspect 1: "Flowsheet" or "Hierarchy".
  int GetDisplayText(EOAspect aspect, std::string& text) override;
  int BuildContextMenu(CMenu& menu) override;
  int CanDoCommand(UINT id) override;
  void DoCommand(UINT id) override;
  DWORD OnDragOver(COleDataObject* data, DWORD keyState) override;
  int OnDrop(COleDataObject* data, DWORD dropEffect) override;

  int IsEmpty() override { return 0; }
  int CanExport() override { return !IsEmpty(); }
  void Export() override;
  int ShowContents(CListCtrl& list) override;
  HTREEITEM ShowContents(CTreeCtrl& tree, HTREEITEM parent) override;
  void ShowChildren(CTreeCtrl& tree, HTREEITEM item) override;

  int IsHierarchy() const { return m_bHierarchy; }
  // Pastes or drops data with effect: scripts, tasks, copied blocks, and on
  // the top-level flowsheet structure types. 1 when something was added.
  int PasteData(COleDataObject& data, DWORD effect);
  // Compiles the flowsheet's text; always FALSE (nobody waits on it).
  int Compile();

 private:
  // The type whose text declares this flowsheet's units: the hierarchy's
  // model, or the simulation's flowsheet type for the top-level flowsheet.
  CComPtr<IFType> FlowsheetType();
  CComPtr<IQVHierarchyType> HierarchyType();
  static bool IsLocked();
  static bool ClipboardOffersPaste();
  void Edit(bool asTypeEditor);
  void CopyOrCut(bool cut);
  void FindVariables();
  bool PasteFlowsheet();
  bool PasteGlobalStructure(COleDataObject& data, DWORD effect);

  int m_bHierarchy = 0;
  CComPtr<IRModel> m_pModel;
};
