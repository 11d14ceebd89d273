// What the library nodes' tests share: the stand-in host (the sample
// simulation or a builder-made store), an owner window that records the
// registered messages the nodes send and post, a tree and a list control to
// fill, readers of what they show, and ways to put a type on the clipboard or
// into a drag as the type nodes do.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "explorer/core/ExplorerContainerObject.h"
#include "explorer/core/ExplorerExclusionList.h"
#include "explorer/core/NodeClassIds.h"
#include "tests/explorer_core/ExplorerStoreTestSupport.h"
#include "tests/explorer_core/PaneTestSupport.h"
#include "workbench/store/StoreFolder.h"

namespace library_test {

using namespace explorer_test;
using Texts = std::vector<std::string>;

class LibraryTest : public ExplorerStoreTest {
 protected:
  LibraryTest();
  ~LibraryTest() override;

  IFInstance* SimulationInstance();
  // A builder on the document's current store (opening a simulation replaces the store).
  CStoreBuilder Build() { return CStoreBuilder(Store()); }
  // The instance of the open library called name (null when there is none).
  IFInstance* LibraryInstance(const std::string& name);

  // Shows node in the tree as a root item (the tree owns it from then on) and returns its item.
  HTREEITEM ShowInTree(CExplorerContainerObject* node);
  // Fills the contents pane from node (the test keeps node).
  void ShowInList(CExplorerContainerObject& node);

  // The labels of item's children (the root items for null).
  std::vector<std::string> TreeChildren(HTREEITEM item) const;
  HTREEITEM FindChild(HTREEITEM item, const std::string& label) const;
  std::vector<std::string> ListColumn(int column) const;
  std::vector<std::string> ListHeadings() const;
  CExplorerObject* RowNode(int row) const { return reinterpret_cast<CExplorerObject*>(list.GetItemData(row)); }
  CExplorerObject* ItemNode(HTREEITEM item) const {
    return reinterpret_cast<CExplorerObject*>(tree.GetItemData(item));
  }
  // Deletes every row and tree item with the node it holds.
  void ClearPanes();

  // Data as a type node offers it: the model-type format, or an object format.
  static std::shared_ptr<COleDataSource> ModelData(CStoreType& type, bool streamType = false);
  static std::shared_ptr<COleDataSource> ObjectData(CLIPFORMAT format, CStoreType& type);
  // Puts data on the clipboard as this process.
  static void PutOnClipboard(const std::shared_ptr<COleDataSource>& data);

  // The class id texts EXPLORER_OBJECT_ADDED carried to the owner, read while it was handled.
  std::vector<std::string> addedClasses;
  // Texts and captions of the message boxes shown so far.
  std::vector<std::string> MessageTexts() const;

  RecordingWindow owner;
  CExplorerExclusionList exclusions{CLSID_QVEOSimulation, 0};
  CTreeCtrl tree;
  CListCtrl list;
};

}  // namespace library_test
