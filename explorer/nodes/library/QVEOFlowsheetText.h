// The entry that opens the text of the flowsheet, or of a hierarchy inside
// it, in the host's text editor.
#pragma once

#include <string>

#include "explorer/core/ExplorerObject.h"
#include "host/model/IRModelType.h"

class CQVEOFlowsheetText : public CExplorerObject {
 public:
  // instance: the flowsheet or hierarchy block; hierarchy: it is a hierarchy block.
  CQVEOFlowsheetText(IFInstance* instance, CWnd* owner, int readOnly, int hierarchy);

  static const GUID& ClassID();
  const GUID& GetClassID() override { return ClassID(); }
  int GetClassName(std::string& name) override;
  CExplorerObject* Clone() override;
  // Aspect 0: "Hierarchy" or "Flowsheet"; aspect 1: "Flowsheet Text".
  int GetDisplayText(EOAspect aspect, std::string& text) override;
  int BuildContextMenu(CMenu& menu) override;
  int CanDoCommand(UINT id) override;
  void DoCommand(UINT id) override;
  int IsValid() override;

  IRModelType* GetFlowsheetType() const { return m_pFlowsheet; }

 private:
  void OpenText();

  int m_bHierarchy;
  CComPtr<IRModelType> m_pFlowsheet;
};
