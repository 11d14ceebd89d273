// The stand-in host's type and instance store of one simulation: the
// simulation's own type and palette, the open libraries, and the
// simulation-level objects (component lists, unit sets, solver options and
// the analysis tools). The store owns the top of everything with counted
// references; objects handed out stay safe to hold after the store is gone
// (they then report themselves unusable).
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "host/com/ComPtr.h"
#include "workbench/store/BackLink.h"
#include "workbench/store/ComponentLists.h"
#include "workbench/store/SimulationTools.h"
#include "workbench/store/SolverOptions.h"
#include "workbench/store/UnitSets.h"

class CStoreInstance;
class CStorePalette;
class CStoreType;

class CStore : public CLinkTarget {
 public:
  // Opens a library file for IFRoot::OpenLibrary: fills library (already
  // named after the file and read-only) and returns S_OK, or a failure code
  // (FE_BADFILE...) after which the library is thrown away.
  using LibraryReader = std::function<HRESULT(const std::string& path, CStoreType& library)>;

  explicit CStore(std::string simulationName = "Simulation");
  ~CStore() override;
  CStore(const CStore&) = delete;
  CStore& operator=(const CStore&) = delete;

  // ---- the simulation ----
  CStoreType* SimulationType() const { return m_simulation; }
  CStorePalette* SimulationPalette() const;
  CStoreInstance* SimulationInstance() const;
  const std::string& FileName() const;
  void SetFileName(std::string path);

  // What the simulation's instance answers beyond the store's own interfaces:
  // the instantiated flowsheet (IFChildCollection, IQVVariableLookup,
  // IQVInstanceCreation, IQVGlobalInstances). Held until replaced.
  void SetFlowsheetInterfaces(IUnknown* flowsheet) { m_flowsheetInterfaces = flowsheet; }
  IUnknown* FlowsheetInterfaces() const { return m_flowsheetInterfaces; }

  // ---- libraries ----
  // A new, empty library (read-only unless said otherwise) used by the simulation.
  // FE_NAMEEXISTS when a library of that name is open, FE_INVALIDNAME for an empty name.
  HRESULT CreateLibrary(const std::string& name, const std::string& fileName, bool readOnly,
                        CStoreType** library = nullptr);
  // Opens a library file with the library reader (by default: a file of
  // definitions, each created and compiled in order). The library is named
  // after the file's leaf name without its extension. Opening a file that is
  // open already gives the open library. The library comes before the ones
  // its file pulled in; when it cannot be read, those are closed again.
  HRESULT OpenLibrary(const std::string& path, CStoreType** library = nullptr);
  void SetLibraryReader(LibraryReader reader) { m_reader = std::move(reader); }
  // Closes a library: its types become unusable for whoever still holds them.
  HRESULT CloseLibrary(std::string_view name);
  // Open libraries in the order they were opened.
  const std::vector<CComPtr<CStoreType>>& Libraries() const { return m_libraries; }
  CStoreType* FindLibrary(std::string_view name) const;
  CStoreType* FindLibraryByFile(std::string_view path) const;

  // ---- simulation-level objects ----
  CComponentLists& ComponentLists() { return *m_componentLists; }
  CUnitSets& UnitSets() { return m_unitSets; }
  CSolverOptions& SolverOptions() { return *m_solverOptions; }
  CHomotopy& Homotopy() { return *m_homotopy; }
  CEstimation& Estimation() { return *m_estimation; }
  COptimisation& Optimisation() { return *m_optimisation; }
  CExternalInterface& ExternalInterface() { return *m_externalInterface; }
  COnLineLinks& OnLineLinks() { return *m_onLineLinks; }
  // The same objects as counted references, for the document's Get... operations.
  CComPtr<IQVPhysicalProperties> PhysicalPropertiesInterface() const;
  CComPtr<IQVSolverOptions> SolverOptionsInterface() const;
  CComPtr<IQVHomotopy> HomotopyInterface() const;
  CComPtr<IQVEstimation> EstimationInterface() const;
  CComPtr<IQVOptimisation> OptimisationInterface() const;
  CComPtr<IQVExternalInterface> ExternalInterfaceInterface() const;
  CComPtr<IQVOnLineLinks> OnLineLinksInterface() const;

 private:
  // Closes the libraries opened after the first `first` ones (those a failed open pulled in).
  void CloseLibrariesFrom(std::size_t first);

  CComPtr<CStoreType> m_simulation;
  std::vector<CComPtr<CStoreType>> m_libraries;
  LibraryReader m_reader;
  CComPtr<CComponentLists> m_componentLists;
  CUnitSets m_unitSets;
  CComPtr<CSolverOptions> m_solverOptions;
  CComPtr<CHomotopy> m_homotopy;
  CComPtr<CEstimation> m_estimation;
  CComPtr<COptimisation> m_optimisation;
  CComPtr<CExternalInterface> m_externalInterface;
  CComPtr<COnLineLinks> m_onLineLinks;
  CComPtr<IUnknown> m_flowsheetInterfaces;
};

// The default library reader: a file of modelling-language definitions
// (DefinitionSplitter), each created in the library in file order and
// compiled against it. A file that does not split cleanly is FE_BADFILE and
// leaves nothing behind.
HRESULT ReadDefinitionsLibrary(const std::string& path, CStoreType& library);
