// The solver options of the simulation: opens the host's solver options
// dialog, and exports the "Options" definition to a file.
#pragma once

#include <string>

#include "explorer/core/ExplorerObject.h"

class CQVEOSolverOptions : public CExplorerObject {
 public:
  // optionsHost: the host object of the solver options, held as the node's type.
  CQVEOSolverOptions(IFInstance* optionsHost, CWnd* owner);

  static const GUID& ClassID();
  const GUID& GetClassID() override { return ClassID(); }
  int GetClassName(std::string& name) override;
  CExplorerObject* Clone() override;

  // Aspect 0: "Solver Options"; aspect 1: "Options".
  int GetDisplayText(EOAspect aspect, std::string& text) override;
  int BuildContextMenu(CMenu& menu) override;
  int CanDoCommand(UINT id) override;
  void DoCommand(UINT id) override;

  // Writes the "Options" definition next to the options to a file the user chooses.
  void ExportOptions();
  // The "Options" definition of the current type palette, or null.
  CComPtr<IFType> OptionsDefinition();
};
