#include "tests/explorer_library/LibraryTestSupport.h"

#include "explorer/core/ExplorerClipboardFormats.h"
#include "explorer/core/ExplorerClipboardPayload.h"
#include "explorer/core/ExplorerMessages.h"
#include "explorer/core/TypeAccess.h"
#include "platform/Menu.h"
#include "workbench/document/DocumentFiles.h"

namespace library_test {

LibraryTest::LibraryTest() {
  ui.onProblem = [](const std::string& problem) { ADD_FAILURE() << problem; };
  // The sender's text lives only while the message is handled.
  owner.onMessage = [this](const RecordedMessage& m) {
    if (m.message == EXPLORER_OBJECT_ADDED && m.wParam) addedClasses.push_back(reinterpret_cast<const char*>(m.wParam));
  };
  EXPECT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 400, 300), &owner, 1));
  EXPECT_TRUE(tree.Create(WS_CHILD | WS_VISIBLE, CRect(400, 0, 600, 300), &owner, 2));
}

LibraryTest::~LibraryTest() {
  ClearPanes();
  Clipboard::Empty();
  CRQVDocument::m_bCustomModeling = true;
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

std::vector<std::string> LibraryTest::TreeChildren(HTREEITEM item) const { return TreeLabels(tree, item); }

HTREEITEM LibraryTest::FindChild(HTREEITEM item, const std::string& label) const {
  return FindTreeChild(tree, item, label);
}

std::vector<std::string> LibraryTest::ListColumn(int column) const { return ListColumnTexts(list, column); }

std::vector<std::string> LibraryTest::ListHeadings() const { return ListHeadingTexts(list); }

void LibraryTest::ClearPanes() { ClearPanesAndNodes(tree, list); }

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
