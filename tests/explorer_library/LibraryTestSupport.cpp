#include "tests/explorer_library/LibraryTestSupport.h"

#include "explorer/core/ExplorerClipboardFormats.h"
#include "explorer/core/ExplorerClipboardPayload.h"
#include "explorer/core/TypeAccess.h"
#include "platform/Menu.h"
#include "workbench/document/DocumentFiles.h"

namespace library_test {

LibraryTest::LibraryTest() {
  ui.onProblem = [](const std::string& problem) { ADD_FAILURE() << problem; };
  EXPECT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 400, 300), &owner, 1));
  EXPECT_TRUE(tree.Create(WS_CHILD | WS_VISIBLE, CRect(400, 0, 600, 300), &owner, 2));
}

LibraryTest::~LibraryTest() {
  ClearPanes();
  Clipboard::Empty();
  CRQVDocument::m_bCustomModeling = true;
}

void LibraryTest::OpenSample() {
  FileProblem problem;
  ASSERT_TRUE(app.OpenDocument(DefaultSamplePath(""), problem)) << problem.Describe();
}

IFInstance* LibraryTest::SimulationInstance() { return Store().SimulationInstance(); }

IFInstance* LibraryTest::LibraryInstance(const std::string& name) {
  CStoreType* library = Store().FindLibrary(name);
  return library ? library->DefaultInstance() : nullptr;
}

HTREEITEM LibraryTest::ShowInTree(CExplorerContainerObject* node) {
  HTREEITEM item = node->ShowContents(tree, TVI_ROOT);
  if (!item) delete node;
  return item;
}

void LibraryTest::ShowInList(CExplorerContainerObject& node) { node.ShowContents(list); }

std::vector<std::string> LibraryTest::TreeChildren(HTREEITEM item) const {
  std::vector<std::string> labels;
  HTREEITEM child = item ? tree.GetChildItem(item) : tree.GetRootItem();
  for (; child; child = tree.GetNextSiblingItem(child)) labels.push_back(tree.GetItemText(child));
  return labels;
}

HTREEITEM LibraryTest::FindChild(HTREEITEM item, const std::string& label) const {
  HTREEITEM child = item ? tree.GetChildItem(item) : tree.GetRootItem();
  for (; child; child = tree.GetNextSiblingItem(child))
    if (tree.GetItemText(child) == label) return child;
  return nullptr;
}

std::vector<std::string> LibraryTest::ListColumn(int column) const {
  std::vector<std::string> texts;
  for (int row = 0; row < list.GetItemCount(); ++row) texts.push_back(list.GetItemText(row, column));
  return texts;
}

std::vector<std::string> LibraryTest::ListHeadings() const {
  std::vector<std::string> headings;
  for (int column = 0; column < list.GetColumnCount(); ++column) {
    char text[64] = {};
    LVCOLUMN heading;
    heading.mask = LVCF_TEXT;
    heading.pszText = text;
    heading.cchTextMax = sizeof text;
    list.GetColumn(column, &heading);
    headings.push_back(text);
  }
  return headings;
}

std::vector<std::string> LibraryTest::MenuOf(CExplorerObject& node) {
  CMenu menu;
  node.BuildContextMenu(menu);
  std::vector<std::string> texts;
  for (const MenuItem& item : menu.Items()) texts.push_back(item.IsSeparator() ? "-" : PlainMenuText(item.text));
  return texts;
}

void LibraryTest::ClearPanes() {
  for (int row = list.GetItemCount() - 1; row >= 0; --row) {
    CExplorerObject* node = RowNode(row);
    list.DeleteItem(row);
    if (CExplorerObject::IsLive(node)) delete node;
  }
  while (list.GetColumnCount() > 0) list.DeleteColumn(list.GetColumnCount() - 1);
  std::vector<HTREEITEM> pending;
  for (HTREEITEM item = tree.GetRootItem(); item; item = tree.GetNextSiblingItem(item)) pending.push_back(item);
  std::vector<CExplorerObject*> nodes;
  while (!pending.empty()) {
    HTREEITEM item = pending.back();
    pending.pop_back();
    nodes.push_back(ItemNode(item));
    for (HTREEITEM child = tree.GetChildItem(item); child; child = tree.GetNextSiblingItem(child))
      pending.push_back(child);
  }
  tree.DeleteAllItems();
  for (CExplorerObject* node : nodes)
    if (CExplorerObject::IsLive(node)) delete node;
}

std::shared_ptr<COleDataSource> LibraryTest::ModelData(CStoreType& type, bool streamType) {
  auto data = std::make_shared<COleDataSource>();
  CComPtr<IRModelType> model = ComQuery<IRModelType>(static_cast<IFType*>(&type));
  EXPECT_TRUE(model) << "the type has no model-type interface";
  OfferModelType(*data, model, streamType);
  return data;
}

std::shared_ptr<COleDataSource> LibraryTest::ObjectData(CLIPFORMAT format, CStoreType& type) {
  auto data = std::make_shared<COleDataSource>();
  OfferHostObject(*data, format, static_cast<IFType*>(&type));
  return data;
}

void LibraryTest::PutOnClipboard(const std::shared_ptr<COleDataSource>& data) { data->SetClipboard(); }

std::vector<std::string> LibraryTest::MessageTexts() const {
  std::vector<std::string> texts;
  for (const UiPrompt& prompt : ui.Prompts())
    if (prompt.kind == "message") texts.push_back(prompt.text);
  return texts;
}

}  // namespace library_test
