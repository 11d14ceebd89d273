// What the model-type tests share: the stand-in host with a store to build
// on (or the sample simulation), an owner window that records the Explorer
// messages, a contents pane to fill, and readers of what it shows.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "explorer/core/ExplorerContainerObject.h"
#include "platform/ListCtrl.h"
#include "platform/Menu.h"
#include "tests/explorer_core/ExplorerStoreTestSupport.h"
#include "tests/explorer_core/PaneTestSupport.h"

namespace models_test {

using Strings = std::vector<std::string>;
using explorer_test::MenuTexts;

class ModelsTest : public explorer_test::ExplorerStoreTest {
 protected:
  ModelsTest();
  ~ModelsTest() override;

  // The instance that stands for the type called name in the simulation's own types (null when missing).
  IFInstance* SimulationTypeInstance(const std::string& name);

  // Fills the contents pane from container (clearing it first).
  void Show(CExplorerContainerObject& container);
  Strings ListColumn(int column) const { return explorer_test::ListColumnTexts(list, column); }
  CExplorerObject* RowNode(int row) const;
  // The node of the first row labelled label, or null.
  CExplorerObject* Row(const std::string& label) const;
  int RowOverlay(int row) const;
  void ClearList();

  // Puts formats (empty payloads) on the clipboard as written by this process.
  static void PutOnClipboard(std::initializer_list<CLIPFORMAT> formats);

  explorer_test::RecordingWindow owner;
  CListCtrl list;
};

}  // namespace models_test
