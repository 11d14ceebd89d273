// A structure type: a type whose instances are global to the simulation
// (shared data such as property tables). It behaves like a model, lists only
// its text, scripts and forms, can create an instance of itself in the
// simulation, and has package properties of its own.
#pragma once

#include "explorer/nodes/library/QVExplorerModelTypeObject.h"

// The warning written to the messages window after an instance was created.
inline constexpr const char* kStructureComponentListWarning =
    "Warning: (Create and/or) set up correct Component List in AllVariables Table for ";

class CQVEOGlobalStructureType : public CQVExplorerModelTypeObject {
 public:
  CQVEOGlobalStructureType(IFInstance* type, CExplorerExclusionList* exclusionList, CWnd* owner, int readOnly);
  CQVEOGlobalStructureType(IFTypeDesc* typeDesc, CExplorerExclusionList* exclusionList, CWnd* owner, int readOnly);

  static const GUID& ClassID();
  const GUID& GetClassID() override { return ClassID(); }
  int GetClassName(std::string& name) override;
  CExplorerObject* Clone() override;
  // Aspect 1: "Structure Type"; the others as every model.
  int GetDisplayText(EOAspect aspect, std::string& text) override;
  int BuildContextMenu(CMenu& menu) override;
  int CanDoCommand(UINT id) override;
  void DoCommand(UINT id) override;
  int PasteData(COleDataObject& data, DWORD effect) override;
  bool OfferClipboardData(COleDataSource& data) override;

  // Asks for a name and creates a global instance of this structure type in the simulation.
  void CreateInstance();

 protected:
  DWORD EditorKind() override { return 0x40000000; }
  ModelContentsShape ContentsShape() override;
};
