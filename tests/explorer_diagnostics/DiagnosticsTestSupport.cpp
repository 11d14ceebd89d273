#include "tests/explorer_diagnostics/DiagnosticsTestSupport.h"

#include <cstdlib>

#include "host/diagnostics/IZNDecompGroup.h"
#include "host/diagnostics/IZNDecomposition.h"
#include "host/store/Status.h"

namespace diagnostics_test {

HRESULT TestVariable::GetName(std::string& name) {
  name = properties["Name"];
  return S_OK;
}

HRESULT TestVariable::GetPropertyText(const std::string& property, std::string& text) {
  auto it = properties.find(property);
  if (it == properties.end()) return E_INVALIDARG;
  text = it->second;
  return S_OK;
}

HRESULT TestVariable::GetPropertyReal(const std::string& property, double* value) {
  auto it = properties.find(property);
  if (it == properties.end() || it->second.empty()) return E_INVALIDARG;
  *value = std::strtod(it->second.c_str(), nullptr);
  return S_OK;
}

HRESULT TestVariable::SetPropertyText(const std::string& property, const std::string& text) {
  properties[property] = text;
  return S_OK;
}

HRESULT TestVariable::GetAttributes(IQVVariableAttributes** attributes) {
  if (attributes) *attributes = nullptr;
  return E_NOINTERFACE;
}

TestVariable& TestRootModel::Add(const std::string& path, const std::string& value, const std::string& lower,
                                 const std::string& upper) {
  CComPtr<TestVariable> variable = MakeComObject<TestVariable>();
  variable->properties = {{"Name", path},        {"Value", value}, {"Lower", lower},     {"Upper", upper},
                          {"Units", "kg"},       {"Spec", "Free"}, {"Description", "d"}, {"Derivative", "0"}};
  m_variables[path] = variable;
  return *variable;
}

void TestRootModel::FireVariableChange() {
  // Over a copy: a listener may unadvise while it is called.
  std::map<DWORD, CComPtr<IDispatch>> listeners = m_listeners;
  for (auto& [cookie, listener] : listeners) {
    DISPID id = 0;
    if (SUCCEEDED(listener->GetIDsOfNames("OnVariableChange", &id))) listener->Invoke(id, {}, nullptr);
  }
}

HRESULT TestRootModel::FindVariable(const std::string& path, IQVVariable** variable) {
  *variable = nullptr;
  auto it = m_variables.find(path);
  if (it == m_variables.end()) return FE_NOTFOUND;
  return CComPtr<IQVVariable>(it->second.Get()).CopyTo(variable);
}

HRESULT TestRootModel::Advise(const std::string& eventName, IDispatch* listener, DWORD* cookie) {
  if (eventName != "OnVariableChange" || !listener) return E_INVALIDARG;
  *cookie = m_nextCookie++;
  m_listeners[*cookie] = listener;
  return S_OK;
}

HRESULT TestRootModel::Unadvise(DWORD cookie) { return m_listeners.erase(cookie) ? S_OK : E_INVALIDARG; }

HRESULT DiagnosticsApp::Document::GetRootModel(IUnknown** root) {
  return CComPtr<IUnknown>(rootModel->Identity()).CopyTo(root);
}

DiagnosticsTest::DiagnosticsTest() {
  EXPECT_TRUE(owner.Create("owner", "", WS_VISIBLE, CRect(0, 0, 600, 400), nullptr, 0));
  EXPECT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 400, 300), &owner, 1));
  EXPECT_TRUE(tree.Create(WS_CHILD | WS_VISIBLE, CRect(400, 0, 600, 300), &owner, 2));
}

DiagnosticsTest::~DiagnosticsTest() { ClearPanes(); }

void DiagnosticsTest::Publish(CDiagnosticsBuilder& builder) { app.document.PublishRunDiagnostics(builder.Build(), 0); }

CComPtr<IZNDecomposition> DiagnosticsTest::DecompositionAt(int index) {
  CComPtr<IZNDiagnostics> diagnostics;
  CComPtr<IEnum<IZNDecomposition>> all;
  CComPtr<IZNDecomposition> found;
  if (SUCCEEDED(app.document.GetDiagnostics(&diagnostics)) && SUCCEEDED(diagnostics->EnumDecompositions(&all)) &&
      all->Skip(static_cast<ULONG>(index)) == S_OK)
    all->Next(&found);
  return found;
}

CComPtr<IZNDecompGroup> DiagnosticsTest::GroupOf(int number) {
  CComPtr<IEnum<IZNDecompGroup>> groups;
  CComPtr<IZNDecompGroup> group;
  if (CComPtr<IZNDecomposition> decomposition = FirstDecomposition(); decomposition &&
      SUCCEEDED(decomposition->EnumGroups(&groups)) && groups->Skip(static_cast<ULONG>(number - 1)) == S_OK)
    groups->Next(&group);
  return group;
}

HTREEITEM DiagnosticsTest::InTree(CExplorerContainerObject* node, HTREEITEM parent) {
  HTREEITEM item = node->ShowContents(tree, parent ? parent : TVI_ROOT);
  EXPECT_NE(item, nullptr);
  return item;
}

void DiagnosticsTest::Open(HTREEITEM item) {
  if (auto* node = dynamic_cast<CExplorerContainerObject*>(ItemNode(item))) node->ShowMoreContents(tree, item);
}

void DiagnosticsTest::ShowInList(CExplorerContainerObject& node) {
  node.ClearList(list);
  node.ShowContents(list);
}

}  // namespace diagnostics_test
