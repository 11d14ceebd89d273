// A person at two Explorers on the sample simulation: adding a model through
// " Add Model" (a new name, a taken name, Cancel) and copying a variable type
// into its own folder twice, watched in both windows.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <optional>

#include "explorer/core/ExplorerClipboardFormats.h"
#include "explorer/core/ExplorerClipboardPayload.h"
#include "explorer/core/ExplorerCommands.h"
#include "explorer/core/ExplorerObject.h"
#include "explorer/core/TypeTemplates.h"
#include "explorer/window/ExplorerDocTemplate.h"
#include "explorer/window/ExplorerFrame.h"
#include "explorer/window/ExplorerListView.h"
#include "explorer/window/ExplorerTreeView.h"
#include "host/language/TypeKinds.h"
#include "platform/PrivateTempDirectory.h"
#include "platform/SafeFile.h"
#include "tests/explorer_core/PaneTestSupport.h"
#include "tests/explorer_core/SampleSessionTest.h"
#include "workbench/document/DocumentFiles.h"
#include "workbench/store/Builder.h"
#include "workbench/store/Store.h"
#include "workbench/store/StoreFolder.h"
#include "workbench/store/StorePalette.h"
#include "workbench/store/StoreType.h"

namespace {

using Strings = std::vector<std::string>;

class EndToEndTest : public explorer_test::SampleSessionTest {
 protected:
  void SetUp() override { ASSERT_TRUE(Open()); }

  // Opens an Explorer on the simulation and shows the folder at Custom Modeling / kindFolder.
  CExplorerFrame* OpenAt(const std::string& kindFolder) {
    CExplorerFrame* frame = CExplorerFrame::Open(nullptr);
    if (!frame) return nullptr;
    HTREEITEM folder = TreeItem(frame, {"Custom Modeling", kindFolder});
    EXPECT_TRUE(folder) << "no " << kindFolder << " under Custom Modeling";
    if (folder) frame->GetTreeView()->UserClick(folder);
    return frame;
  }
  // The labels below the selected tree item.
  static Strings TreeChildren(CExplorerFrame* frame) {
    return explorer_test::TreeLabels(*frame->GetTreeView(), frame->GetTreeView()->GetSelectedItem());
  }
  static bool Lists(CExplorerFrame* frame, const std::string& label) {
    return frame->GetListView()->FindRowByLabel(label) >= 0;
  }
  static bool Contains(const Strings& labels, const std::string& label) {
    return std::find(labels.begin(), labels.end(), label) != labels.end();
  }
  void DoubleClickRow(CExplorerFrame* frame, const std::string& label) {
    const int row = frame->GetListView()->FindRowByLabel(label);
    ASSERT_GE(row, 0) << label;
    ASSERT_TRUE(frame->GetListView()->UserDoubleClick(row));
  }

  // The tree item at labels below the root, expanding on the way.
  static HTREEITEM TreeItem(CExplorerFrame* frame, Strings labels) {
    labels.insert(labels.begin(), "Simulation");
    return frame->GetTreeView()->FindItemByLabels(labels);
  }
  // A person drags a tree item of one Explorer onto a tree item of another (or the same) one.
  void DragTreeItem(CExplorerFrame* from, HTREEITEM source, CExplorerFrame* to, HTREEITEM target, DWORD keys) {
    ASSERT_TRUE(source && target);
    CExplorerTreeView* targetTree = to->GetTreeView();
    targetTree->EnsureVisible(target);
    CRect rect;
    ASSERT_TRUE(targetTree->GetItemRect(target, &rect, TRUE));
    ui.AnswerDrag(DragAnswer{targetTree->m_hWnd, CPoint((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2),
                             MK_LBUTTON | keys});
    from->GetTreeView()->UserBeginDrag(source, false);
    MessageQueue::Pump();
  }
  // The models of the user folder Storage.
  CStoreFolder& Storage() {
    return *Simulation().KindFolder(StoreKind::Model)->SubFolder("Storage")->SubFolder("BlockTypeFolder");
  }
};

TEST_F(EndToEndTest, AddingAModelShowsItInEveryExplorerAndOpensItsText) {
  CExplorerFrame* first = OpenAt("Models");
  CExplorerFrame* second = OpenAt("Models");
  ASSERT_TRUE(first && second);
  ASSERT_FALSE(Simulation().Find("Reactor"));
  const std::size_t typesBefore = Simulation().Types().size();

  ui.AnswerName("Reactor");
  DoubleClickRow(first, " Add Model");
  MessageQueue::Pump();

  ASSERT_EQ(ui.Prompts().size(), 1u);
  EXPECT_EQ(ui.Prompts()[0].caption, "Create Model");
  ASSERT_TRUE(Simulation().Find("Reactor"));
  EXPECT_EQ(Simulation().Find("Reactor")->Text(), NewTypeTemplate(NewTypeKind::Model, "Reactor"));
  EXPECT_EQ(Simulation().Types().size(), typesBefore + 1);
  EXPECT_TRUE(Contains(TreeChildren(first), "Reactor")) << "under Models in the tree";
  EXPECT_TRUE(Lists(first, "Reactor"));
  EXPECT_TRUE(Lists(second, "Reactor")) << "the other Explorer showing Models";
  ASSERT_FALSE(app.Editor().Sessions().empty());
  EXPECT_EQ(app.Editor().Sessions().back()->Title(), "Reactor");
  EXPECT_EQ(app.Editor().Sessions().back()->Kind(), QV_KIND_MODEL);

  // The same name again: told so, asked again with the name kept; Cancel leaves nothing.
  ui.ClearRecords();
  ui.AnswerName("Reactor");
  ui.AnswerOk();
  ui.AnswerCancel();
  DoubleClickRow(first, " Add Model");
  MessageQueue::Pump();
  ASSERT_EQ(ui.Prompts().size(), 3u);
  EXPECT_EQ(ui.Messages()[1], "Add Model Error: A type definition named \"Reactor\" already exists.");
  EXPECT_EQ(ui.Prompts()[2].caption, "Create Model");
  EXPECT_TRUE(Contains(ui.Prompts()[2].details, "  Name: Reactor"));
  EXPECT_EQ(Simulation().Types().size(), typesBefore + 1);
  EXPECT_EQ(app.Editor().Sessions().size(), 1u);
}

TEST_F(EndToEndTest, CopyingAVariableTypeIntoItsOwnFolderTwiceNumbersTheCopies) {
  CStoreBuilder build(app.Document().Store());
  build.Type(Simulation(), StoreKind::Variable, "Head");
  CExplorerFrame* frame = OpenAt("Variable Types");
  ASSERT_TRUE(frame);
  CExplorerListView* list = frame->GetListView();
  const int row = list->FindRowByLabel("Head");
  ASSERT_GE(row, 0);
  reinterpret_cast<CExplorerObject*>(list->GetItemData(row))->DoCommand(ID_EXPLORER_COPY);

  CExplorerTreeView* tree = frame->GetTreeView();
  for (int copy = 0; copy < 2; ++copy) {
    ui.AnswerOk();  // the proposed name of the copy
    tree->GetExplorerObject(tree->GetSelectedItem())->DoCommand(ID_EXPLORER_PASTE);
    MessageQueue::Pump();
  }
  EXPECT_TRUE(Simulation().Find("Copy_of_Head"));
  EXPECT_TRUE(Simulation().Find("Copy2_of_Head"));
  EXPECT_TRUE(Lists(frame, "Copy_of_Head"));
  EXPECT_TRUE(Lists(frame, "Copy2_of_Head"));
  EXPECT_TRUE(Contains(ui.Prompts()[1].details, "  Name: Copy2_of_Head"));
}

TEST_F(EndToEndTest, RenamingCompilingAndDeletingAVariableTypeShowInThePane) {
  CStoreBuilder build(app.Document().Store());
  CStoreType& bad = build.Failing(Simulation(), StoreKind::Variable, "Bad", "Variable Bad\n  Lower: ;\nEnd\n");
  CExplorerFrame* frame = OpenAt("Variable Types");
  ASSERT_TRUE(frame);
  CExplorerListView* list = frame->GetListView();
  int row = list->FindRowByLabel("Bad");
  ASSERT_GE(row, 0);
  EXPECT_EQ(list->GetItemState(row, LVIS_OVERLAYMASK), INDEXTOOVERLAYMASK(1));

  // Rename in place.
  ILabelEdit* edit = list->UserBeginLabelEdit(row);
  ASSERT_NE(edit, nullptr);
  edit->SetText("Fixed");
  list->UserKeyDown(VK_RETURN);
  MessageQueue::Pump();
  EXPECT_TRUE(Simulation().Find("Fixed"));
  row = list->FindRowByLabel("Fixed");
  ASSERT_GE(row, 0);

  // Mend the text and compile: the error mark goes.
  bad.SetText("Variable Fixed\n  Lower: 0;\nEnd\n");
  reinterpret_cast<CExplorerObject*>(list->GetItemData(row))->DoCommand(ID_EXPLORER_COMPILE);
  MessageQueue::Pump();
  row = list->FindRowByLabel("Fixed");
  ASSERT_GE(row, 0);
  EXPECT_EQ(list->GetItemState(row, LVIS_OVERLAYMASK), 0u);

  // Delete with the key, after saying Yes.
  list->UserClick(row);
  ui.AnswerYes();
  list->UserKeyDown(VK_DELETE);
  MessageQueue::Pump();
  EXPECT_FALSE(Simulation().Find("Fixed"));
  EXPECT_LT(list->FindRowByLabel("Fixed"), 0);
}

TEST_F(EndToEndTest, RenamingAModelInAUserFolderKeepsThatFolderSelected) {
  // Storage is not the first user folder: the refresh after the rename must find it, not its elder sibling.
  CExplorerFrame* frame = OpenAt("Storage");
  ASSERT_TRUE(frame);
  CExplorerListView* list = frame->GetListView();
  const int row = list->FindRowByLabel("ProductTank");
  ASSERT_GE(row, 0);
  ILabelEdit* edit = list->UserBeginLabelEdit(row);
  ASSERT_NE(edit, nullptr);
  edit->SetText("Surge");
  list->UserKeyDown(VK_RETURN);
  MessageQueue::Pump();
  CExplorerTreeView* tree = frame->GetTreeView();
  EXPECT_EQ(tree->GetItemText(tree->GetSelectedItem()), "Storage");
  EXPECT_TRUE(Lists(frame, "Surge"));
  EXPECT_TRUE(Lists(frame, "BufferTank"));
}

TEST_F(EndToEndTest, PastingATaskOntoTheTasksFolderWhoseTreeTheCopyRebuildsAddsItOnce) {
  CStoreBuilder build(app.Document().Store());
  CStoreType& units = build.Library("Units", false);
  CStoreType& purge = build.Task(units, "Purge");
  // The copy marks custom modeling changed, and an Explorer on the simulation rebuilds its tree
  // at once: the folder node that started the paste is gone before the paste finishes.
  CExplorerFrame* frame = OpenAt("Tasks");
  ASSERT_TRUE(frame);
  CExplorerTreeView* tree = frame->GetTreeView();
  ASSERT_EQ(tree->GetItemText(tree->GetSelectedItem()), "Tasks");
  COleDataSource data;
  ASSERT_TRUE(OfferHostObject(data, CF_EXPLORER_TASK, static_cast<IFType*>(&purge)));
  data.SetClipboard();

  tree->GetExplorerObject(tree->GetSelectedItem())->DoCommand(ID_EXPLORER_PASTE);
  MessageQueue::Pump();
  EXPECT_TRUE(Simulation().Find("Purge"));
  EXPECT_TRUE(build.Palette(units).Find("Purge")) << "a copy, not a move";
  const auto& open = CExplorerFrame::m_ActiveExplorers;
  EXPECT_NE(std::find(open.begin(), open.end(), frame), open.end());
}

TEST_F(EndToEndTest, AnExportPackageNeverTouchesTheUsersOwnCustomModelingFile) {
  CPrivateTempDirectory scratch;  // stands for the user's folder
  CPrivateTempDirectory temporary;
  // The private copy goes below TMPDIR, here one the test can look into.
  struct TemporaryDirectoryVariable {
    std::optional<std::string> previous;
    explicit TemporaryDirectoryVariable(const std::string& path) {
      if (const char* value = std::getenv("TMPDIR")) previous = value;
      setenv("TMPDIR", path.c_str(), 1);
    }
    ~TemporaryDirectoryVariable() { previous ? setenv("TMPDIR", previous->c_str(), 1) : unsetenv("TMPDIR"); }
  } variable(temporary.Path());
  const std::string mine = scratch.File("CustomModeling.ktrf");
  ASSERT_EQ(ReplaceFileContents(mine, "// my own notes\n"), 0);

  CExplorerFrame* frame = OpenAt("Models");
  ASSERT_TRUE(frame);
  CExplorerListView* list = frame->GetListView();
  const int row = list->FindRowByLabel("TankFarm");
  ASSERT_GE(row, 0);
  ui.AnswerFile(scratch.File("TankFarm.rmplz"));
  reinterpret_cast<CExplorerObject*>(list->GetItemData(row))->DoCommand(ID_EXPLORER_EXPORT);
  MessageQueue::Pump();

  EXPECT_EQ(ReadFileImage(mine, 1 << 20).bytes, "// my own notes\n");
  const std::string package = ReadFileImage(scratch.File("TankFarm.rmplz"), 1 << 22).bytes;
  EXPECT_NE(package.find("CustomModeling.ktrf"), std::string::npos) << "the package still carries the types";
  EXPECT_NE(package.find("BufferTank"), std::string::npos) << "the simulation's own types are in it";
  EXPECT_TRUE(std::filesystem::is_empty(temporary.Path())) << "the private copy is cleaned up";
}

TEST_F(EndToEndTest, AModelDraggedIntoAFolderOfAnotherExplorerMovesAndBothWindowsShowIt) {
  CExplorerFrame* first = OpenAt("Models");
  CExplorerFrame* second = OpenAt("Storage");
  ASSERT_TRUE(first && second);
  ASSERT_FALSE(Storage().Holds("TankFarm"));
  DragTreeItem(first, TreeItem(first, {"Custom Modeling", "Models", "TankFarm"}), second,
               TreeItem(second, {"Custom Modeling", "Storage"}), MK_SHIFT);

  EXPECT_TRUE(Storage().Holds("TankFarm"));
  EXPECT_FALSE(Simulation().Find("Copy_of_TankFarm")) << "moved, not copied";
  for (CExplorerFrame* frame : {first, second}) {
    EXPECT_TRUE(TreeItem(frame, {"Custom Modeling", "Storage", "TankFarm"})) << "in its new folder";
    EXPECT_FALSE(TreeItem(frame, {"Custom Modeling", "Models", "TankFarm"})) << "and gone from the old one";
  }
  EXPECT_TRUE(Lists(second, "TankFarm")) << "the contents pane showing the folder";
}

TEST_F(EndToEndTest, AModelMovedOntoItsOwnFolderStaysOnceAndUnchanged) {
  CExplorerFrame* frame = OpenAt("Storage");
  ASSERT_TRUE(frame);
  ASSERT_TRUE(Storage().Holds("BufferTank"));
  const std::string text = Simulation().Find("BufferTank")->Text();
  const std::size_t typesBefore = Simulation().Types().size();
  for (int again = 0; again < 2; ++again) {
    DragTreeItem(frame, TreeItem(frame, {"Custom Modeling", "Storage", "BufferTank"}), frame,
                 TreeItem(frame, {"Custom Modeling", "Storage"}), MK_SHIFT);
    ASSERT_TRUE(Simulation().Find("BufferTank")) << "a move onto its own folder lost the model";
    EXPECT_EQ(Simulation().Find("BufferTank")->Text(), text);
    EXPECT_TRUE(Storage().Holds("BufferTank"));
    EXPECT_EQ(Simulation().Types().size(), typesBefore);
    EXPECT_TRUE(TreeItem(frame, {"Custom Modeling", "Storage", "BufferTank"}));
    EXPECT_TRUE(Lists(frame, "BufferTank"));
  }
}

TEST_F(EndToEndTest, AModelDeletedWhileItIsDraggedIsNeitherMovedNorMadeAgain) {
  CExplorerFrame* first = OpenAt("Models");
  CExplorerFrame* second = OpenAt("Storage");
  ASSERT_TRUE(first && second);
  // While the pointer travels, the model goes through the other window.
  ui.onPrompt = [&](const UiPrompt& prompt) {
    if (prompt.kind != "drag") return;
    HTREEITEM item = TreeItem(second, {"Custom Modeling", "Models", "TankFarm"});
    ASSERT_TRUE(item);
    EXPECT_EQ(second->GetTreeView()->GetExplorerObject(item)->SelfDestruct(0), 1);
  };
  DragTreeItem(first, TreeItem(first, {"Custom Modeling", "Models", "TankFarm"}), second,
               TreeItem(second, {"Custom Modeling", "Storage"}), MK_SHIFT);
  ui.onPrompt = nullptr;

  EXPECT_FALSE(Simulation().Find("TankFarm")) << "the deleted model came back";
  EXPECT_FALSE(Storage().Holds("TankFarm"));
  for (CExplorerFrame* frame : {first, second}) {
    EXPECT_FALSE(TreeItem(frame, {"Custom Modeling", "Storage", "TankFarm"}));
    EXPECT_FALSE(TreeItem(frame, {"Custom Modeling", "Models", "TankFarm"}));
  }
}

}  // namespace
