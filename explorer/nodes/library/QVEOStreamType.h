// A stream type: a model type whose instances are the flowsheet's streams. It
// has a menu of its own, a properties sheet with the stream's drawing style,
// no " Add Icon" entry, display-only icons, and takes only stream types pasted
// as models.
#pragma once

#include "explorer/nodes/library/QVExplorerModelTypeObject.h"

class CQVEOStreamType : public CQVExplorerModelTypeObject {
 public:
  CQVEOStreamType(IFInstance* type, CExplorerExclusionList* exclusionList, CWnd* owner, int readOnly);
  CQVEOStreamType(IFTypeDesc* typeDesc, CExplorerExclusionList* exclusionList, CWnd* owner, int readOnly);

  static const GUID& ClassID();
  const GUID& GetClassID() override { return ClassID(); }
  int GetClassName(std::string& name) override;
  CExplorerObject* Clone() override;
  // Aspect 1: "Stream Type"; the others as every model.
  int GetDisplayText(EOAspect aspect, std::string& text) override;
  int BuildContextMenu(CMenu& menu) override;
  int CanDoCommand(UINT id) override;

 protected:
  bool IsStreamTypeNode() override { return true; }
  DWORD EditorKind() override { return 0x1c000; }
  bool EditorReadOnly() override { return m_bReadOnly || m_nStatus == EO_STATUS_SYSTEM; }
  int ExportMode() override { return 0; }
  ModelContentsShape ContentsShape() override;
  void ShowProperties() override;
};
