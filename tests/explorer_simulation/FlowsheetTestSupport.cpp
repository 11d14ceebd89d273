#include "tests/explorer_simulation/FlowsheetTestSupport.h"

#include <algorithm>

#include <sstream>
#include "explorer/window/ExplorerDocTemplate.h"
#include "explorer/window/ExplorerListView.h"
#include "explorer/window/ExplorerTreeView.h"
#include "tests/explorer_core/PaneTestSupport.h"
#include "workbench/simulation/FlowsheetHost.h"

namespace simulation_test {

namespace {

Strings SplitExplorerPath(const std::string& path) {
  Strings labels;
  std::istringstream in(path);
  for (std::string label; std::getline(in, label, '/');) labels.push_back(label);
  return labels;
}

void AddItems(const CMenu& menu, const std::string& indent, Strings& items) {
  for (const MenuItem& item : menu.Items()) {
    if (item.IsSeparator()) {
      items.push_back(indent + "-");
      continue;
    }
    std::string text = item.text.substr(0, item.text.find('\t'));
    text.erase(std::remove(text.begin(), text.end(), '&'), text.end());
    items.push_back(indent + text);
    if (item.IsPopup() && item.popup) AddItems(*item.popup, indent + "  ", items);
  }
}

}  // namespace

void FlowsheetExplorerTest::SetUp() {
  SampleSimulationTest::SetUp();
  ADInitDll();
  CWorkbenchMainFrame* main = app.CreateMainWindow();
  ASSERT_NE(main, nullptr);
  main->MoveWindow(0, 0, 1200, 900);
}

FlowsheetExplorerTest::~FlowsheetExplorerTest() {
  for (CExplorerFrame* frame : std::vector<CExplorerFrame*>(CExplorerFrame::m_ActiveExplorers)) frame->DestroyWindow();
  MessageQueue::Clear();
}

CExplorerFrame* FlowsheetExplorerTest::OpenExplorer() {
  CExplorerFrame* frame = CExplorerFrame::Open(nullptr);
  EXPECT_NE(frame, nullptr) << "no Explorer opened";
  MessageQueue::Pump();
  return frame;
}

CExplorerObject* FlowsheetExplorerTest::Select(CExplorerFrame* frame, const std::string& path) {
  CExplorerTreeView* tree = frame->GetTreeView();
  HTREEITEM item = tree->FindItemByLabels(SplitExplorerPath(path));
  EXPECT_NE(item, nullptr) << "no tree item " << path;
  if (!item) return nullptr;
  tree->UserClick(item);
  MessageQueue::Pump();
  return tree->GetExplorerObject(item);
}

Strings FlowsheetExplorerTest::TreeBelow(CExplorerFrame* frame, const std::string& path) {
  CExplorerTreeView* tree = frame->GetTreeView();
  return TreeLabels(*tree, tree->FindItemByLabels(SplitExplorerPath(path)));
}

Strings FlowsheetExplorerTest::Rows(CExplorerFrame* frame, int column) {
  return ListColumnTexts(*frame->GetListView(), column);
}

Strings FlowsheetExplorerTest::Menu(CExplorerObject& node) {
  CMenu menu;
  menu.CreatePopupMenu();
  node.BuildContextMenu(menu);
  Strings items;
  AddItems(menu, "", items);
  return items;
}

bool FlowsheetExplorerTest::Has(const Strings& items, const std::string& item) {
  return std::find(items.begin(), items.end(), item) != items.end();
}

CComPtr<IFInstance> FlowsheetExplorerTest::Unit(const std::string& path) { return Document().Flowsheet().Instance(path); }

}  // namespace simulation_test
