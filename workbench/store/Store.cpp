#include "workbench/store/Store.h"

#include <fstream>
#include <sstream>

#include "host/store/Status.h"
#include "workbench/language/TextCase.h"
#include "workbench/store/PaletteDefinitions.h"
#include "workbench/store/StoreInstance.h"
#include "workbench/store/StorePalette.h"
#include "workbench/store/StoreType.h"

namespace {

// "C:\libs\Pumps.ktrf" and "/libs/Pumps.ktrf" give "Pumps".
std::string LeafName(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  std::string leaf = slash == std::string::npos ? path : path.substr(slash + 1);
  const std::size_t dot = leaf.find_last_of('.');
  if (dot != std::string::npos && dot > 0) leaf.erase(dot);
  return leaf;
}

bool IsUsableLibraryName(const std::string& name) {
  return !name.empty() && name.find_first_of("\r\n") == std::string::npos;
}

CComPtr<CStoreType> MakeLibrary(CStore* store, const std::string& name, const std::string& fileName,
                                bool readOnly) {
  CComPtr<CStoreType> library = MakeComObject<CStoreType>(StoreKind::Library, name);
  library->SetStore(store);
  library->SetFileName(fileName);
  library->OwnedPalette()->SetReadOnly(readOnly);
  return library;
}

}  // namespace

CStore::CStore(std::string simulationName)
    : m_componentLists(MakeComObject<CComponentLists>()),
      m_solverOptions(MakeComObject<CSolverOptions>()),
      m_homotopy(MakeComObject<CHomotopy>()),
      m_estimation(MakeComObject<CEstimation>()),
      m_optimisation(MakeComObject<COptimisation>()),
      m_externalInterface(MakeComObject<CExternalInterface>()),
      m_onLineLinks(MakeComObject<COnLineLinks>()) {
  m_simulation = MakeComObject<CStoreType>(StoreKind::Simulation, std::move(simulationName));
  m_simulation->SetStore(this);
  m_simulation->OwnedPalette();
}

CStore::~CStore() {
  for (const auto& library : m_libraries) library->MarkDeleted();
  m_simulation->MarkDeleted();
}

CStorePalette* CStore::SimulationPalette() const { return m_simulation->OwnedPalette(); }
CStoreInstance* CStore::SimulationInstance() const { return m_simulation->DefaultInstance(); }
const std::string& CStore::FileName() const { return m_simulation->FileName(); }
void CStore::SetFileName(std::string path) { m_simulation->SetFileName(std::move(path)); }

CStoreType* CStore::FindLibrary(std::string_view name) const {
  for (const auto& library : m_libraries)
    if (EqualsNoCase(library->Name(), name)) return library;
  return nullptr;
}

CStoreType* CStore::FindLibraryByFile(std::string_view path) const {
  if (path.empty()) return nullptr;
  for (const auto& library : m_libraries)
    if (EqualsNoCase(library->FileName(), path)) return library;
  return nullptr;
}

HRESULT CStore::CreateLibrary(const std::string& name, const std::string& fileName, bool readOnly,
                              CStoreType** library) {
  if (library) *library = nullptr;
  if (!IsUsableLibraryName(name)) return FE_INVALIDNAME;
  if (FindLibrary(name) || EqualsNoCase(name, m_simulation->Name())) return FE_NAMEEXISTS;
  CComPtr<CStoreType> made = MakeLibrary(this, name, fileName, readOnly);
  m_libraries.push_back(made);
  SimulationPalette()->AddUsedLibrary(made);
  if (library) *library = made.Detach();
  return S_OK;
}

HRESULT CStore::OpenLibrary(const std::string& path, CStoreType** library) {
  if (library) *library = nullptr;
  if (CStoreType* open = FindLibraryByFile(path)) {
    if (library) CComPtr<CStoreType>(open).CopyTo(library);
    return S_OK;
  }
  const std::string name = LeafName(path);
  if (!IsUsableLibraryName(name)) return FE_BADFILE;
  if (FindLibrary(name) || EqualsNoCase(name, m_simulation->Name())) return FE_NAMEEXISTS;
  CComPtr<CStoreType> made = MakeLibrary(this, name, path, true);
  const std::size_t openBefore = m_libraries.size();
  const HRESULT hr = m_reader ? m_reader(path, *made) : ReadDefinitionsLibrary(path, *made);
  if (FAILED(hr)) {
    CloseLibrariesFrom(openBefore);
    made->MarkDeleted();
    return hr;
  }
  const CStoreType* firstPulledIn = openBefore < m_libraries.size() ? m_libraries[openBefore].Get() : nullptr;
  m_libraries.insert(m_libraries.begin() + static_cast<std::ptrdiff_t>(openBefore), made);
  SimulationPalette()->AddUsedLibrary(made, firstPulledIn);
  if (library) *library = made.Detach();
  return S_OK;
}

void CStore::CloseLibrariesFrom(std::size_t first) {
  while (m_libraries.size() > first) {
    CComPtr<CStoreType> closing = m_libraries.back();
    m_libraries.pop_back();
    SimulationPalette()->RemoveUsedLibrary(closing);
    closing->MarkDeleted();
  }
}

HRESULT CStore::CloseLibrary(std::string_view name) {
  CStoreType* library = FindLibrary(name);
  if (!library) return FE_NOTFOUND;
  // Types of the simulation that refer to the library's types keep it open.
  CStorePalette* palette = library->OwnedPalette();
  for (const auto& type : palette->Types())
    if (palette->IsInUse(type->Name())) return FE_INUSE;
  CComPtr<CStoreType> closing(library);
  SimulationPalette()->RemoveUsedLibrary(library);
  std::erase_if(m_libraries, [&](const CComPtr<CStoreType>& l) { return l.Get() == library; });
  closing->MarkDeleted();
  return S_OK;
}

CComPtr<IQVPhysicalProperties> CStore::PhysicalPropertiesInterface() const { return m_componentLists.Get(); }
CComPtr<IQVSolverOptions> CStore::SolverOptionsInterface() const { return m_solverOptions.Get(); }
CComPtr<IQVHomotopy> CStore::HomotopyInterface() const { return m_homotopy.Get(); }
CComPtr<IQVEstimation> CStore::EstimationInterface() const { return m_estimation.Get(); }
CComPtr<IQVOptimisation> CStore::OptimisationInterface() const { return m_optimisation.Get(); }
CComPtr<IQVExternalInterface> CStore::ExternalInterfaceInterface() const { return m_externalInterface.Get(); }
CComPtr<IQVOnLineLinks> CStore::OnLineLinksInterface() const { return m_onLineLinks.Get(); }

HRESULT ReadDefinitionsLibrary(const std::string& path, CStoreType& library) {
  CStorePalette* palette = library.OwnedPalette();
  if (!palette) return E_INVALIDARG;
  std::ifstream file(path, std::ios::binary);
  if (!file) return FE_BADFILE;
  std::ostringstream content;
  content << file.rdbuf();
  return LoadDefinitionsText(*palette, content.str());
}
