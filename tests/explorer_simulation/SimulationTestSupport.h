// What the simulation root's tests share: the stand-in host with the sample
// simulation (or an empty one to build on), a tree and a list control to fill,
// readers of what they show, and stand-ins for the node classes that belong to
// other areas (component lists, flowsheet, types folder, diagnostics,
// libraries), registered in the factory for one test.
#pragma once

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "explorer/core/ExplorerNodeFactory.h"
#include "tests/explorer_core/ExplorerCoreTestSupport.h"
#include "tests/explorer_core/PaneTestSupport.h"
#include "workbench/document/WorkbenchApp.h"
#include "workbench/store/Builder.h"
#include "workbench/store/Store.h"
#include "workbench/store/StoreInstance.h"
#include "workbench/store/StorePalette.h"
#include "workbench/store/StoreType.h"

namespace simulation_test {

using namespace explorer_test;
using Strings = std::vector<std::string>;

// A container of a class written elsewhere: it shows itself with a label of
// its own and remembers, per class, what it was when it inserted itself.
class StandInNode : public CExplorerContainerObject {
 public:
  StandInNode(REFGUID classId, IFInstance* instance, CExplorerExclusionList* list, CWnd* owner, std::string name);

  const GUID& GetClassID() override { return m_classId; }
  int GetClassName(std::string& name) override;
  CExplorerObject* Clone() override;
  // Aspect 0: the label; aspect 1: "stand-in"; aspect 2: "ready".
  int GetDisplayText(EOAspect aspect, std::string& text) override;
  int IsEmpty() override { return 1; }
  int ShowContents(CListCtrl&) override { return 0; }
  HTREEITEM ShowContents(CTreeCtrl& tree, HTREEITEM parent) override;

  // The classes whose nodes refuse to go into a tree.
  static std::set<GUID> refuseTree;
  // The read-only flag of the last node of each class that went into a tree.
  static std::map<GUID, int> readOnlyWhenShown;
  // The instance the last node of each class was made for.
  static std::map<GUID, IFInstance*> madeFor;

 private:
  GUID m_classId;
  std::string m_name;
};

// Registers stand-ins for the classes of other areas while it lives. A
// library stand-in is labelled with its library's name.
class StandIns {
 public:
  StandIns();

 private:
  std::vector<std::unique_ptr<CScopedNodeMaker>> m_makers;
};

class SimulationTest : public ExplorerCoreTest {
 protected:
  SimulationTest();
  ~SimulationTest() override;

  // Opens the sample simulation in the document (fails the test when it does not load).
  void OpenSample();
  CWorkbenchDocument& Document() { return app.Document(); }
  CStore& Store() { return app.Document().Store(); }
  CStoreBuilder Build() { return CStoreBuilder(Store()); }
  IFInstance* SimulationInstance();

  // The labels of item's children (the root items for null).
  std::vector<std::string> TreeChildren(HTREEITEM item) const;
  HTREEITEM FindChild(HTREEITEM item, const std::string& label) const;
  // Column texts of every row; the column headings.
  std::vector<std::string> ListColumn(int column) const;
  std::vector<std::string> ListHeadings() const;
  CExplorerObject* RowNode(int row) const { return reinterpret_cast<CExplorerObject*>(list.GetItemData(row)); }
  CExplorerObject* ItemNode(HTREEITEM item) const {
    return reinterpret_cast<CExplorerObject*>(tree.GetItemData(item));
  }
  int RowOverlay(int row) const { return static_cast<int>(list.GetItemState(row, LVIS_OVERLAYMASK)); }
  // Deletes every row and tree item with the node it holds.
  void ClearPanes();

  CWorkbenchApp app;
  CWnd owner;
  CTreeCtrl tree;
  CListCtrl list;
};

// The tests that start from the sample simulation.
class SampleSimulationTest : public SimulationTest {
 protected:
  void SetUp() override { OpenSample(); }
};

}  // namespace simulation_test
