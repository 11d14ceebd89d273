// The simulation root: the node an Explorer is rooted at by default. It lists
// the top-level areas of the simulation (component lists, globals, the
// flowsheet, the simulation's own types, the libraries, simulation options,
// analysis tools, unit sets, interfacing and the solver diagnostics), offers
// the host's run commands, inserting a definition file, exporting the whole
// simulation and its file properties.
#pragma once

#include <string>

#include "explorer/core/ExplorerContainerObject.h"
#include "host/store/IFType.h"

class CQVEOSimulation : public CExplorerContainerObject {
 public:
  using CExplorerContainerObject::ShowContents;

  // simulation: the simulation instance, held as the node's type.
  CQVEOSimulation(IFInstance* simulation, CExplorerExclusionList* exclusionList, CWnd* owner);

  static const GUID& ClassID();
  const GUID& GetClassID() override { return ClassID(); }
  int GetClassName(std::string& name) override;
  CExplorerObject* Clone() override;

  // Aspect 0: "Simulation".
  int GetDisplayText(EOAspect aspect, std::string& text) override;
  int BuildContextMenu(CMenu& menu) override;
  int CanDoCommand(UINT id) override;
  void DoCommand(UINT id) override;

  int IsEmpty() override { return 0; }
  int ShowContents(CListCtrl& list) override;
  HTREEITEM ShowContents(CTreeCtrl& tree, HTREEITEM parent) override;
  int CanExport() override { return !IsEmpty(); }
  // Writes the whole simulation to a file the user chooses.
  void Export() override;

  // The simulation's file properties, with the model's statistics.
  void ShowProperties();

  // The type that owns the simulation's own definitions; null when the instance had none.
  IFType* GetSimulationType() const { return m_pSimulationType; }

 private:
  // The instance that stands for the simulation type (what its types folder and globals are made on).
  CComPtr<IFInstance> SimulationTypeInstance() const;
  // A child of a class made by the factory on instance, unless the Explorer
  // hides that class; null too while the class is not written.
  CExplorerContainerObject* MakeExcludableChild(REFGUID classId, IFInstance* instance);
  CExplorerContainerObject* MakeTypesFolder();
  bool HasDiagnostics() const;

  CComPtr<IFType> m_pSimulationType;
};
