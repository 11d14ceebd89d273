// What the diagnostics nodes' tests share: the stand-in host after a run
// (records made with the diagnostics builder), a root model whose variables
// and value-change events the test controls, a tree and a list to fill, and
// readers of what they show.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "explorer/core/ExplorerExclusionList.h"
#include "host/com/ComObject.h"
#include "host/model/IQVEventSource.h"
#include "host/model/IQVVariable.h"
#include "host/model/IQVVariableLookup.h"
#include "tests/explorer_core/ExplorerCoreTestSupport.h"
#include "tests/explorer_core/PaneTestSupport.h"
#include "workbench/diagnostics/DiagnosticsBuilder.h"
#include "workbench/document/WorkbenchApp.h"

namespace diagnostics_test {

using namespace explorer_test;
using Strings = std::vector<std::string>;

// A variable of the test's flowsheet: properties as texts, the numeric ones read from them.
class TestVariable : public CComObject<IQVVariable> {
 public:
  std::map<std::string, std::string> properties;

  HRESULT GetName(std::string& name) override;
  HRESULT GetPropertyText(const std::string& property, std::string& text) override;
  HRESULT GetPropertyReal(const std::string& property, double* value) override;
  HRESULT SetPropertyText(const std::string& property, const std::string& text) override;
  HRESULT GetAttributes(IQVVariableAttributes** attributes) override;
};

// The root model: finds the test's variables by path and fires "OnVariableChange" at its listeners.
class TestRootModel : public CComObject<IQVVariableLookup, IQVEventSource> {
 public:
  TestVariable& Add(const std::string& path, const std::string& value, const std::string& lower = "-1e30",
                    const std::string& upper = "1e30");
  // Calls every listener as the host does: by the event's name, then by its id.
  void FireVariableChange();
  int Listeners() const { return static_cast<int>(m_listeners.size()); }

  HRESULT FindVariable(const std::string& path, IQVVariable** variable) override;
  HRESULT Advise(const std::string& eventName, IDispatch* listener, DWORD* cookie) override;
  HRESULT Unadvise(DWORD cookie) override;

 private:
  std::map<std::string, CComPtr<TestVariable>> m_variables;
  std::map<DWORD, CComPtr<IDispatch>> m_listeners;
  DWORD m_nextCookie = 1;
};

// The stand-in host whose document answers with the test's root model.
class DiagnosticsApp : public CWorkbenchApp {
 public:
  class Document : public CWorkbenchDocument {
   public:
    HRESULT GetRootModel(IUnknown** root) override;
    CComPtr<TestRootModel> rootModel = MakeComObject<TestRootModel>();
  };
  CRQVDocument* GetCurrentDocument() override { return &document; }
  Document document;
};

class DiagnosticsTest : public ExplorerCoreTest {
 protected:
  DiagnosticsTest();
  ~DiagnosticsTest() override;

  // Publishes the builder's run as the document's last.
  void Publish(CDiagnosticsBuilder& builder);
  void SetGroupsPerPage(int size) { app.document.m_ApplicationSettings.m_iGroupsPerPage = size; }
  TestRootModel& Flowsheet() { return *app.document.rootModel; }

  // The decomposition at index (0-based) of the published run, and the first one.
  CComPtr<IZNDecomposition> DecompositionAt(int index);
  CComPtr<IZNDecomposition> FirstDecomposition() { return DecompositionAt(0); }
  // The group numbered number (1-based) of the first decomposition.
  CComPtr<IZNDecompGroup> GroupOf(int number);

  // Puts node into the tree under parent (null: as a root) and returns its item.
  HTREEITEM InTree(CExplorerContainerObject* node, HTREEITEM parent = nullptr);
  // Opens item as a click on it does.
  void Open(HTREEITEM item);
  // Fills the contents pane with node's children, after emptying it.
  void ShowInList(CExplorerContainerObject& node);

  Strings TreeChildren(HTREEITEM item) const { return TreeLabels(tree, item); }
  Strings ListColumn(int column) const { return ListColumnTexts(list, column); }
  Strings ListHeadings() const { return ListHeadingTexts(list); }
  CExplorerObject* RowNode(int row) const { return reinterpret_cast<CExplorerObject*>(list.GetItemData(row)); }
  CExplorerObject* ItemNode(HTREEITEM item) const {
    return reinterpret_cast<CExplorerObject*>(tree.GetItemData(item));
  }
  int RowOverlay(int row) const {
    return static_cast<int>((list.GetItemState(row, LVIS_OVERLAYMASK) & LVIS_OVERLAYMASK) >> 8);
  }
  void ClearPanes() { ClearPanesAndNodes(tree, list); }

  DiagnosticsApp app;
  CExplorerExclusionList exclusions{GUID_NULL, 0};
  CWnd owner;
  CTreeCtrl tree;
  CListCtrl list;
};

}  // namespace diagnostics_test
