// What the Explorer window's tests share: the stand-in host with its main
// window and the Explorer template registered, and small node classes over
// the host's types whose class ids, children and answers a test chooses (the
// simulation root of these tests is one of them, registered in the factory
// for the test).
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "explorer/core/ExplorerContainerObject.h"
#include "explorer/core/ExplorerModule.h"
#include "explorer/core/ExplorerNodeFactory.h"
#include "explorer/core/HostObjectHandles.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/window/ExplorerFrame.h"
#include "explorer/window/ExplorerListView.h"
#include "explorer/window/ExplorerNodeExtensions.h"
#include "explorer/window/ExplorerTreeView.h"
#include "explorer/window/PaneLabelView.h"
#include "tests/support/ScopedConfigDir.h"
#include "tests/support/TestUserInterface.h"
#include "workbench/document/WorkbenchApp.h"
#include "workbench/store/Builder.h"
#include "workbench/store/Store.h"
#include "workbench/store/StoreInstance.h"
#include "workbench/store/StorePalette.h"
#include "workbench/store/StoreType.h"

namespace window_test {

// Classes of the factory the window treats like any other; the tests make
// fixture nodes for them (and for the Simulation root).
inline const GUID kFolderClass = CLSID_QVEOStructureContainer;
inline const GUID kOtherFolderClass = CLSID_QVEOScriptFolder;
inline const GUID kLeafClass = CLSID_QVEOComponentList;

// What a fixture node made for a host type shows and answers.
struct FixtureSetup {
  GUID classId = kFolderClass;
  bool container = true;
  bool deferChildren = false;          // tree children wait for the first expansion
  // In both panes (containers only in the tree); held, so a type the host deleted is still asked IsUsable.
  std::vector<CComPtr<CStoreType>> children;
  std::string label;                   // aspect 0 instead of the type's name
  std::string className = "Fixture";
  int status = EO_STATUS_OK;
  int number = 0;                      // aspect 4 and the integer sort value of column 3
  std::set<UINT> commands;             // what CanDoCommand accepts
  DROPEFFECT dropEffect = DROPEFFECT_NONE;  // what OnDragOver offers
  int editable = 1;                    // DontEditLabel answers !editable
  std::vector<std::string> groupChildren;   // a group's equations (variables get "v" before each)
  std::string calculated;              // a variable row's text under "Calculated"
};

// Everything nodes did that a test looks at.
struct FixtureLog {
  std::vector<std::pair<std::string, UINT>> commands;   // node label, command
  std::vector<std::pair<std::string, DWORD>> drops;     // node label, effect
  int listFills = 0;                                    // ShowContents (CListCtrl&) of any container
  int treeChildrenShown = 0;                            // ShowChildren calls
};

class Fixtures {
 public:
  static std::map<const CStoreType*, FixtureSetup>& Setups();
  static FixtureLog& Log();
  static FixtureSetup* SetupOf(IFInstance* instance);
  // The node for a type, by its setup: a container, a group or a leaf.
  static CExplorerObject* Make(IFInstance* instance, CExplorerExclusionList* list, CWnd* owner);
};

// A node over a host type whose behaviour comes from its setup.
class FixtureNode : public CExplorerContainerObject {
 public:
  FixtureNode(IFInstance* type, CExplorerExclusionList* list, CWnd* owner);

  const GUID& GetClassID() override;
  int GetClassName(std::string& name) override;
  CExplorerObject* Clone() override;
  int GetDisplayText(EOAspect aspect, std::string& text) override;
  void GetStatus() override;
  int CanDoCommand(UINT id) override;
  void DoCommand(UINT id) override;
  int BuildContextMenu(CMenu& menu) override;
  DWORD DoDragDrop() override;
  DWORD OnDragOver(COleDataObject* data, DWORD keyState) override;
  int OnDrop(COleDataObject* data, DWORD effect) override;
  int GetSortVal(int column, int& value) override;
  int DontEditLabel() override;
  int EditLabel(std::string newName) override;

  int IsEmpty() override;
  int ShowContents(CListCtrl& list) override;
  HTREEITEM ShowContents(CTreeCtrl& tree, HTREEITEM parent) override;
  void ShowChildren(CTreeCtrl& tree, HTREEITEM item) override;
  int GetSortType(LISTSORTINFO& info) override;

  std::string Label();
  FixtureSetup& Setup();

 private:
  GUID m_classId;  // kept: the fixture's type may be gone
};

// A leaf made the same way (no children, not in the tree by itself).
class FixtureLeaf : public FixtureNode {
 public:
  using FixtureNode::FixtureNode;
  int IsContainer() override { return 0; }
  CExplorerObject* Clone() override;
};

// A group of the diagnostics: adds its equations or variables as tree children.
class FixtureGroup : public FixtureNode, public IExplorerGroupNode {
 public:
  using FixtureNode::FixtureNode;
  CExplorerObject* Clone() override;
  void AddEquations(CTreeCtrl& tree, HTREEITEM item) override;
  void AddVariables(CTreeCtrl& tree, HTREEITEM item) override;
};

// The stand-in host with a sized main window, the Explorer template
// registered and fixture nodes for the simulation root.
class ExplorerWindowTest : public ::testing::Test {
 protected:
  ExplorerWindowTest();
  ~ExplorerWindowTest() override;

  CStore& Store() { return app.Document().Store(); }
  CStorePalette& Simulation() { return build.Simulation(); }
  CStoreType& SimulationType();
  // A model of the simulation with a setup of its own.
  CStoreType& Model(const std::string& name, const GUID& classId = kFolderClass, bool container = true);
  FixtureSetup& Setup(CStoreType& type) { return Fixtures::Setups()[&type]; }
  // The root's setup (the simulation type) and the children it lists.
  FixtureSetup& RootSetup() { return Setup(SimulationType()); }

  // Opens an Explorer through the host (SHOW_CORVANEVIEW); fails the test when none opens.
  CExplorerFrame* Open(const tag_CorvaneViewContext* context = nullptr);
  static void Pump() { MessageQueue::Pump(); }

  // What a person sees.
  static std::vector<std::string> TreeChildren(CExplorerFrame* frame, HTREEITEM item);
  static std::vector<std::string> Rows(CExplorerFrame* frame, int column = 0);
  static HTREEITEM Item(CExplorerFrame* frame, const std::vector<std::string>& labels);
  static CExplorerObject* ItemNode(CExplorerFrame* frame, const std::vector<std::string>& labels);
  static bool IsOpen(CExplorerFrame* frame);

  ScopedConfigDir config;
  TestUserInterface ui;
  CWorkbenchApp app;
  CStoreBuilder build{app.Document().Store()};
  // Makes fixture nodes for classId while the test runs.
  void MakeFixturesFor(const GUID& classId);

 private:
  std::vector<std::unique_ptr<CScopedNodeMaker>> m_makers;
};

}  // namespace window_test
