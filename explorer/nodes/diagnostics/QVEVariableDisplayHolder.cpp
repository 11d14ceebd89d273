#include "explorer/nodes/diagnostics/QVEVariableDisplayHolder.h"

#include "explorer/core/ColumnWidths.h"
#include "explorer/core/ExplorerObject.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/core/QVExplorer.h"
#include "explorer/nodes/diagnostics/BoundState.h"
#include "explorer/nodes/diagnostics/QVEOVariable.h"
#include "explorer/resources/StringIds.h"
#include "host/diagnostics/IZNDecompEquation.h"
#include "host/diagnostics/IZNDecompEquivalence.h"
#include "host/diagnostics/IZNDecompGroup.h"
#include "host/diagnostics/IZNDecompVariable.h"
#include "host/framework/CRQVDocument.h"
#include "host/model/IQVEventSource.h"
#include "host/model/IQVVariable.h"
#include "host/model/IQVVariableLookup.h"
#include "platform/TextCompare.h"

namespace {

constexpr const char kVariableChangeEvent[] = "OnVariableChange";
constexpr const char kDerivativeSuffix[] = ".Derivative";
constexpr int kVariableColumnCount = 9;
constexpr int kValueColumn = 1;
constexpr int kOnBoundColumn = 8;

CComPtr<IUnknown> DocumentRootModel() {
  CComPtr<IUnknown> root;
  if (CRQVDocument* document = CQVExplorer::GetCurrentDocument()) document->GetRootModel(&root);
  return root;
}

}  // namespace

std::string HostVariablePath(const std::string& name, bool& derivative) {
  const std::size_t suffix = sizeof kDerivativeSuffix - 1;
  derivative = name.size() >= suffix && name.compare(name.size() - suffix, suffix, kDerivativeSuffix) == 0;
  return derivative ? name.substr(0, name.size() - suffix) : name;
}

bool BracketedValue(const std::string& name, std::string& value) {
  if (name.empty() || name.back() != ']') return false;
  const std::size_t open = name.rfind('[');
  value = open == std::string::npos ? std::string() : name.substr(open + 1, name.size() - open - 2);
  return true;
}

CQVEVariableDisplayHolder::CQVEVariableDisplayHolder() = default;

CQVEVariableDisplayHolder::~CQVEVariableDisplayHolder() = default;

void CQVEVariableDisplayHolder::SetColumns(CExplorerObject& owner, CListCtrl& list) {
  const int width = CColumnWidths::kOtherColumnDefault;
  InsertDiagnosticsColumns(owner, list,
                           {{IDS_NAME, CColumnWidths::kFirstColumnDefault},
                            {IDS_VALUE, width},
                            {IDS_UNITS, width},
                            {IDS_SPEC, width},
                            {IDS_CALCULATED, width},
                            {IDS_DESCRIPTION, width},
                            {IDS_LOWER_BOUND, width},
                            {IDS_UPPER_BOUND, width},
                            {IDS_ON_BOUND, width}});
}

void CQVEVariableDisplayHolder::BeginShow(CExplorerObject& owner, CListCtrl& list, IUnknown* shown) {
  Unadvise();
  m_pOwner = &owner;
  m_pList = &list;
  m_hList = list.m_hWnd;
  m_pShown = shown;
  // Taken at each fill: the flowsheet behind the root model may have been rebuilt since the last.
  m_pLookup = ComQuery<IQVVariableLookup>(DocumentRootModel());
}

CComPtr<IQVVariable> CQVEVariableDisplayHolder::FindHostVariable(const std::string& path) const {
  CComPtr<IQVVariable> variable;
  if (m_pLookup && FAILED(m_pLookup->FindVariable(path, &variable))) variable = nullptr;
  return variable;
}

bool CQVEVariableDisplayHolder::AddVariableRow(CListCtrl& list, IZNDecompVariable* variable, int row, bool flagged) {
  auto* node = new CQVEOVariable(variable, m_pOwner ? m_pOwner->GetOwner() : nullptr, nullptr);
  std::string name;
  variable->GetName(name);
  bool derivative = false;
  const std::string path = HostVariablePath(name, derivative);
  int added = -1;
  if (CComPtr<IQVVariable> host = FindHostVariable(path)) {
    std::string value;
    host->GetPropertyText(derivative ? "Derivative" : "Value", value);
    added = node->AddItem(list, row, flagged, name, value, host, derivative);
  } else if (std::string value; BracketedValue(name, value)) {
    added = node->AddItem(list, row, flagged, name, value, nullptr, derivative);
  }
  if (added < 0) delete node;
  return added >= 0;
}

void CQVEVariableDisplayHolder::ShowEquationVariables(CExplorerObject& owner, CListCtrl& list,
                                                      IZNDecompEquation* equation) {
  BeginShow(owner, list, equation);
  bool visible = false;
  if (!equation || FAILED(equation->IsVisible(&visible)) || !visible) {
    AddWarningRow(owner, list, "The variables in this equation are proprietary.", true);
    return;
  }
  SetColumns(owner, list);
  int solved = -1;
  equation->GetSolvedVariableIndex(&solved);
  CComPtr<IEnum<IZNDecompVariable>> variables;
  int position = 0;
  if (SUCCEEDED(equation->EnumVariables(&variables)) && variables) {
    for (CComPtr<IZNDecompVariable> variable; variables->Next(&variable) == S_OK && variable; ++position)
      AddVariableRow(list, variable, list.GetItemCount(), position == solved);
  }
  auto* residual = new CQVEOVariable(equation, owner.GetOwner());
  if (residual->AddResidual(list, list.GetItemCount()) < 0) delete residual;
  Advise();
}

void CQVEVariableDisplayHolder::ShowGroupVariables(CExplorerObject& owner, CListCtrl& list, IZNDecompGroup* group) {
  BeginShow(owner, list, group);
  CComPtr<IEnum<IZNDecompVariable>> variables;
  if (!group || FAILED(group->EnumVariables(&variables)) || !variables) {
    AddWarningRow(owner, list, "Decomposition information not available.", true);
    return;
  }
  SetColumns(owner, list);
  bool hidden = false;
  for (CComPtr<IZNDecompVariable> variable; !hidden && variables->Next(&variable) == S_OK && variable;) {
    bool visible = true;
    variable->IsVisible(&visible);
    hidden = !visible;
  }
  if (hidden) AddWarningRow(owner, list, " Some variables are not shown as they are proprietary.", false);
  variables->Reset();
  for (CComPtr<IZNDecompVariable> variable; variables->Next(&variable) == S_OK && variable;) {
    bool visible = true;
    variable->IsVisible(&visible);
    if (visible) AddVariableRow(list, variable, list.GetItemCount(), false);
  }
  Advise();
}

void CQVEVariableDisplayHolder::ShowEquivalenceVariables(CExplorerObject& owner, CListCtrl& list,
                                                         IZNDecompEquivalence* equivalence) {
  BeginShow(owner, list, equivalence);
  bool visible = false;
  if (!equivalence || FAILED(equivalence->IsVisible(&visible)) || !visible) {
    AddWarningRow(owner, list, "The variables in this equivalence are proprietary.", true);
    return;
  }
  SetColumns(owner, list);
  CComPtr<IEnum<IZNDecompVariable>> variables;
  if (SUCCEEDED(equivalence->EnumVariables(&variables)) && variables) {
    for (CComPtr<IZNDecompVariable> variable; variables->Next(&variable) == S_OK && variable;)
      AddVariableRow(list, variable, list.GetItemCount(), false);
  }
  Advise();
}

void CQVEVariableDisplayHolder::Advise() {
  if (m_pSource) return;
  CComPtr<IQVEventSource> source = ComQuery<IQVEventSource>(DocumentRootModel());
  DWORD cookie = 0;
  if (!source || FAILED(source->Advise(kVariableChangeEvent, this, &cookie))) return;
  m_pSource = source;
  m_cookie = cookie;
}

void CQVEVariableDisplayHolder::Unadvise() {
  if (!m_pSource) return;
  // Dropped first: the source may release this holder's last outside reference while it unadvises.
  CComPtr<IQVEventSource> source = m_pSource;
  m_pSource = nullptr;
  source->Unadvise(m_cookie);
  m_cookie = 0;
}

CListCtrl* CQVEVariableDisplayHolder::LiveList() const {
  if (!m_pList || !m_hList || !IsWindow(m_hList) || CWnd::FromHandle(m_hList) != m_pList) return nullptr;
  return m_pList;
}

void CQVEVariableDisplayHolder::RefreshValues() {
  CListCtrl* list = LiveList();
  if (!list || m_refreshing) return;
  m_refreshing = true;
  const bool nineColumns = list->GetColumnCount() == kVariableColumnCount;
  std::string path, value;  // reused from row to row
  for (int row = 0; row < list->GetItemCount(); ++row) {
    auto* object = reinterpret_cast<CExplorerObject*>(list->GetItemData(row));
    if (!object || object->GetClassID() != CLSID_QVEOVariable) continue;
    auto* node = static_cast<CQVEOVariable*>(object);
    IZNDecompVariable* variable = node->GetVariable();
    if (!variable) break;
    const std::string& name = node->RowName();
    bool derivative = false;
    path = HostVariablePath(name, derivative);
    if (CComPtr<IQVVariable> host = FindHostVariable(path)) {
      value.clear();
      host->GetPropertyText(derivative ? "Derivative" : "Value", value);
      list->SetItemText(row, kValueColumn, value);
      if (derivative || !nineColumns || value.empty()) continue;
      const std::string state = VariableBoundState(host);
      if (node->ShownBoundMark() != state[0]) {
        list->SetItemText(row, kOnBoundColumn, state);
        node->SetShownBoundMark(state[0]);
        variable->SetBoundState(state);
      }
    } else if (BracketedValue(name, value)) {
      list->SetItemText(row, kValueColumn, value);
    }
  }
  m_refreshing = false;
}

int CQVEVariableDisplayHolder::GetSortType(LISTSORTINFO& info) {
  if (info.column != 0 && info.column != 4 && info.column != kOnBoundColumn) return 0;
  info.type = LSI_TEXT;
  return 1;
}

HRESULT CQVEVariableDisplayHolder::GetTypeInfoCount(UINT* count) {
  if (count) *count = 0;
  return S_OK;
}

HRESULT CQVEVariableDisplayHolder::GetTypeInfo(UINT /*index*/, IUnknown** info) {
  if (info) *info = nullptr;
  return E_NOTIMPL;
}

HRESULT CQVEVariableDisplayHolder::GetIDsOfNames(const std::string& name, DISPID* id) {
  if (CompareNoCase(name, kVariableChangeEvent) != 0) return DISP_E_MEMBERNOTFOUND;
  if (id) *id = DISPID_ON_VARIABLE_CHANGE;
  return S_OK;
}

HRESULT CQVEVariableDisplayHolder::Invoke(DISPID id, const std::vector<VARIANT>& /*arguments*/, VARIANT* /*result*/) {
  if (id != DISPID_ON_VARIABLE_CHANGE) return DISP_E_MEMBERNOTFOUND;
  // Keeps itself alive for the refresh: the rows' nodes may let go of their holder meanwhile.
  CComPtr<CQVEVariableDisplayHolder> self(this);
  RefreshValues();
  return S_OK;
}
