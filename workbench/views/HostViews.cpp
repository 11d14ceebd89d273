#include "workbench/views/HostViews.h"

#include "host/com/ComObject.h"
#include "host/diagnostics/IZNDecomposition.h"
#include "host/model/IQVEventSource.h"
#include "host/store/IFInstance.h"
#include "host/store/HostClassIds.h"
#include "platform/UserInterface.h"
#include "workbench/document/WorkbenchDocument.h"
#include "workbench/language/TextCase.h"
#include "workbench/run/SimulationRun.h"
#include "workbench/store/FormNames.h"
#include "workbench/store/SolverOptions.h"
#include "workbench/store/StorePalette.h"
#include "workbench/store/StoreType.h"
#include "workbench/store/TypeViews.h"

// Hears "OnVariableChange" for the views; forgets them when they go.
class CHostViewsListener : public CComObject<IDispatch> {
 public:
  static constexpr DISPID kChange = 1;
  explicit CHostViewsListener(CHostViews* views) : m_views(views) {}
  void Detach() { m_views = nullptr; }

  HRESULT GetTypeInfoCount(UINT* count) override { return count ? (*count = 0, S_OK) : E_POINTER; }
  HRESULT GetTypeInfo(UINT, IUnknown** info) override {
    if (info) *info = nullptr;
    return E_NOTIMPL;
  }
  HRESULT GetIDsOfNames(const std::string& name, DISPID* id) override {
    if (!id || !EqualsNoCase(name, "OnVariableChange")) return DISP_E_MEMBERNOTFOUND;
    *id = kChange;
    return S_OK;
  }
  HRESULT Invoke(DISPID id, const std::vector<VARIANT>&, VARIANT*) override {
    if (id != kChange) return DISP_E_MEMBERNOTFOUND;
    if (m_views) m_views->ValuesChanged();
    return S_OK;
  }

 private:
  CHostViews* m_views;
};

namespace {

HostViewKind FormViewKind(FormLayout layout, const std::string& mode, const std::string& displayAs) {
  const std::string& asked = mode.empty() ? displayAs : mode;
  switch (layout) {
    case FormLayout::Table: return HostViewKind::Table;
    case FormLayout::Plot: return EqualsNoCase(asked, "History") ? HostViewKind::History : HostViewKind::Plot;
    case FormLayout::Profile:
      return EqualsNoCase(mode, "History") ? HostViewKind::ProfileTable : HostViewKind::Profile;
  }
  return HostViewKind::Table;
}

std::string FormTitle(const CFormContents& form, HostViewKind kind) {
  const std::string owner = form.ownerName.empty() ? std::string() : form.ownerName + ".";
  return owner + form.name + " - " + HostViewKindText(kind);
}

}  // namespace

const char* HostViewKindText(HostViewKind kind) {
  switch (kind) {
    case HostViewKind::Table: return "Table";
    case HostViewKind::History: return "History";
    case HostViewKind::Plot: return "Plot";
    case HostViewKind::Profile: return "Profile";
    case HostViewKind::ProfileTable: return "Profile Table";
    case HostViewKind::Finder: return "Find";
  }
  return "";
}

CHostViews::CHostViews(CWorkbenchDocument& document)
    : m_document(document), m_listener(MakeComObject<CHostViewsListener>(this)) {
  // Values published while the run mode is dynamic come from a dynamic run, at the time it has reached.
  runTime = [this]() -> std::optional<double> {
    if (m_document.Store().SolverOptions().RunMode() != ZN_RUN_DYNAMIC) return std::nullopt;
    return m_document.Run().SimulatedTime();
  };
  // Another simulation opened: its value event is new, and the history of the one before is no answer for it.
  m_document.onSimulationReplaced = [this] {
    m_history.Clear();
    Listen();
  };
  Listen();
}

CHostViews::~CHostViews() {
  m_document.onSimulationReplaced = nullptr;
  m_listener->Detach();
  if (m_source) m_source->Unadvise(m_cookie);
}

// Advises on the document's current root model; a document opened anew has a new one.
void CHostViews::Listen() {
  CComPtr<IUnknown> root;
  if (FAILED(m_document.GetRootModel(&root)) || !root) return;
  CComPtr<IQVEventSource> source = ComQuery<IQVEventSource>(root);
  if (!source || source == m_source) return;
  if (m_source) m_source->Unadvise(m_cookie);
  m_source = nullptr;
  DWORD cookie = 0;
  if (SUCCEEDED(source->Advise("OnVariableChange", m_listener.Get(), &cookie))) {
    m_source = source;
    m_cookie = cookie;
  }
}

const CFlowsheet& CHostViews::Flowsheet() {
  Listen();
  return m_document.Flowsheet().Current();
}

CComPtr<IUnknown> CHostViews::UnitInstance(const std::string& path) {
  return CComPtr<IUnknown>(m_document.Flowsheet().Instance(path).Get());
}

std::optional<HostViewRequest> CHostViews::RequestFor(const tag_CorvaneViewContext& context) {
  HostViewRequest request;
  if (context.viewClass == CLSID_QVTextEditorView) {
    // The editor is asked for with a type; the finder with a starting block only.
    if (context.typeDesc || !context.typeName.empty() || !context.libraryName.empty()) return std::nullopt;
    request.kind = HostViewKind::Finder;
    request.start = context.text;
    request.title = context.text.empty() ? "Find in Flowsheet" : "Find in " + context.text;
    return request;
  }
  if (context.viewClass != CLSID_QVFormView) return std::nullopt;
  CStoreType* form = StoreTypeOf(context.dataSource.Get());
  if (!form || form->Kind() != StoreKind::Form) return std::nullopt;
  std::optional<CFormContents> contents = BindForm(*form, Flowsheet(), m_document.Store());
  if (!contents) return std::nullopt;
  const CFormDefinition definition = ParseFormText(contents->layout, form->Text());
  request.kind = FormViewKind(contents->layout, context.text, definition.displayAs);
  request.title = FormTitle(*contents, request.kind);
  request.form = std::move(*contents);
  return request;
}

bool CHostViews::Show(const tag_CorvaneViewContext& context) {
  std::optional<HostViewRequest> request = RequestFor(context);
  if (!request) return false;
  if (present) {
    present(*request);
  } else {
    UI().Announce("view: " + request->title);
  }
  return true;
}

bool CHostViews::ShowForm(const std::string& owner, const std::string& form, const std::string& mode,
                          std::string& problem) {
  CStore& store = m_document.Store();
  CStoreType* ownerType = owner.empty() ? store.SimulationType() : nullptr;
  std::vector<CStorePalette*> palettes{store.SimulationPalette()};
  for (const auto& library : store.Libraries()) palettes.push_back(library->OwnedPalette());
  for (CStorePalette* palette : palettes)
    if (!ownerType && palette) ownerType = palette->Find(owner);
  CStoreType* formType = ownerType ? ownerType->FindForm(form) : nullptr;
  if (!formType) {
    problem = "no form " + form + (owner.empty() ? std::string(" of the simulation") : " of " + owner);
    return false;
  }
  tag_CorvaneViewContext context;
  context.viewClass = CLSID_QVFormView;
  context.text = mode;
  context.dataSource = MakeFormDefView(formType);
  if (Show(context)) return true;
  problem = "the form " + form + " is no table, plot or profile";
  return false;
}

std::vector<TableRowValues> CHostViews::TableRows(const CFormContents& form) {
  return ReadTableRows(form, Flowsheet(), m_document.Store().UnitSets());
}

HistoryTable CHostViews::History(const CFormContents& form) {
  return ReadHistory(form, m_history, Flowsheet(), m_document.Store().UnitSets());
}

std::vector<FoundVariable> CHostViews::Find(const std::string& start, const std::string& pattern) {
  return FindVariables(Flowsheet(), m_document.Store().UnitSets(), start, pattern);
}

bool CHostViews::SetValue(const std::string& path, const std::string& text, std::string& problem) {
  const InstanceVariable* variable = Flowsheet().FindVariable(path);
  if (!variable) {
    problem = path + ": no such variable";
    return false;
  }
  if (variable->spec != VariableSpec::Fixed && variable->spec != VariableSpec::Initial) {
    problem = path + " is " + VariableSpecText(variable->spec) + "; only fixed and initial values can be set";
    return false;
  }
  if (m_document.FlowsheetIsLocked()) {
    problem = "values cannot be changed while a dynamic run is active";
    return false;
  }
  if (FAILED(m_document.Flowsheet().SetVariable(path, "Value", text))) {
    problem = "\"" + text + "\" is not a number";
    return false;
  }
  return true;
}

int CHostViews::Subscribe(const std::vector<std::string>& paths, std::function<void()> refresh) {
  Listen();
  m_history.Watch(paths);
  const int id = m_nextSubscriber++;
  m_subscribers.emplace(id, std::move(refresh));
  return id;
}

void CHostViews::Unsubscribe(int id) { m_subscribers.erase(id); }

// Every table, plot and profile form the user wrote for the simulation or a
// type in the flowsheet names variables to keep (the system forms, which
// list every variable, do not).
void CHostViews::WatchForms() {
  CStore& store = m_document.Store();
  const CFlowsheet& flowsheet = m_document.Flowsheet().Current();
  std::vector<CStoreType*> owners = TypesInFlowsheet(flowsheet, store);
  if (CStoreType* simulation = store.SimulationType()) owners.push_back(simulation);
  for (CStoreType* owner : owners) {
    if (!IsModelLike(owner->Kind()) && owner->Kind() != StoreKind::Simulation) continue;
    for (const auto& form : owner->Forms()) {
      if (IsSystemFormName(form->Name())) continue;
      if (std::optional<CFormContents> contents = BindForm(*form, flowsheet, store)) m_history.Watch(contents->Paths());
    }
  }
}

void CHostViews::ValuesChanged() {
  if (std::optional<double> time = runTime ? runTime() : std::nullopt) {
    // A history begins (or begins again) with the forms as they stand.
    if (m_history.SampleCount() == 0 || *time < m_history.Times().back()) {
      m_history.Clear();
      WatchForms();
    }
    m_history.Record(*time, m_document.Flowsheet().Current());
  }
  // A view may close (unsubscribe) itself or another while it refreshes.
  std::vector<int> ids;
  for (const auto& [id, refresh] : m_subscribers) ids.push_back(id);
  for (int id : ids) {
    auto it = m_subscribers.find(id);
    if (it == m_subscribers.end()) continue;
    std::function<void()> refresh = it->second;  // kept for the call: the view may unsubscribe itself
    refresh();
  }
}
