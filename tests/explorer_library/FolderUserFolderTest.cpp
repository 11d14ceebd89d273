// User folders: what they list, renaming, pasting models into them, and the
// deletion paths (empty at once, with contents after the question, contents
// in use kept).
#include "explorer/core/ExplorerClipboardFormats.h"
#include "explorer/core/ExplorerCommands.h"
#include "explorer/core/ExplorerMessages.h"
#include "explorer/nodes/library/QVEOUserFolder.h"
#include "explorer/nodes/library/UserFolderContents.h"
#include "host/store/IFTypeTable.h"
#include "tests/explorer_library/LibraryTestSupport.h"
#include "workbench/store/StoreFolder.h"

namespace library_test {
namespace {

constexpr const char* kNotEmpty = "The folder is not empty. Do you want to delete the folder contents?";
constexpr const char* kSomeInUse =
    "Cannot delete the folder, not all of its contents could be deleted, some are in use.";

class FolderUserFolderTest : public LibraryTest {
 protected:
  CStoreFolder& ModelsFolder() { return *Simulation().KindFolder(StoreKind::Model); }
  CStoreFolder* UserFolder(const std::string& name) { return ModelsFolder().SubFolder(name); }
  std::unique_ptr<CQVEOUserFolder> Node(CStoreFolder* folder, int readOnly = 0) {
    return std::make_unique<CQVEOUserFolder>(SimulationInstance(), &exclusions, &owner, folder, readOnly);
  }
};

TEST_F(FolderUserFolderTest, ListsAddEntriesModelsAndSubFolders) {
  OpenSample();
  CStoreFolder& storage = *UserFolder("Storage");
  Build().Folder(Simulation(), "BlockTypeFolder/Storage/Drums");
  auto node = Node(&storage);
  std::string text;
  EXPECT_TRUE(node->GetDisplayText(EOAspectName, text));
  EXPECT_EQ(text, "Storage");
  EXPECT_TRUE(node->GetDisplayText(EOAspectType, text));
  EXPECT_EQ(text, "Model Folder");
  ShowInList(*node);
  EXPECT_EQ(ListHeadings(), (Texts{"Name", "Status"}));
  EXPECT_EQ(ListColumn(0),
            (Texts{" Add Model", " Add Folder", " Add Structure Type", "BufferTank", "ProductTank", "Drums"}));
  HTREEITEM item = ShowInTree(Node(&storage).release());
  EXPECT_EQ(TreeChildren(item), (Texts{"BufferTank", "ProductTank", "Drums"}));
}

TEST_F(FolderUserFolderTest, ReadOnlyFolderOffersNothingThatChangesIt) {
  OpenSample();
  CStoreFolder* valves = Store().FindLibrary("ProcessUnits")->OwnedPalette()->KindFolder(StoreKind::Model)->SubFolder("Valves");
  ASSERT_TRUE(valves);
  CQVEOUserFolder node(LibraryInstance("ProcessUnits"), &exclusions, &owner, valves, 1);
  EXPECT_EQ(MenuTexts(node), (Texts{"Explore", "Export..."}));
  EXPECT_FALSE(node.CanDoCommand(ID_EXPLORER_DELETE));
  EXPECT_FALSE(node.CanDoCommand(ID_EXPLORER_RENAME));
  EXPECT_TRUE(node.DontEditLabel());
  node.DoCommand(ID_EXPLORER_DELETE);  // the accelerator reaches it all the same
  EXPECT_TRUE(valves->SubFolder("BlockTypeFolder")->Holds("Valve"));
  ShowInList(node);
  EXPECT_EQ(ListColumn(0), (Texts{"Valve"}));
  COleDataObject data(ModelData(*Simulation().Find("BufferTank")));
  EXPECT_EQ(node.OnDragOver(&data, 0), DROPEFFECT_NONE);
  EXPECT_FALSE(node.OnDrop(&data, DROPEFFECT_COPY));
}

TEST_F(FolderUserFolderTest, RenameChecksTheNameAndReportsATakenOne) {
  OpenSample();
  auto node = Node(UserFolder("Storage"));
  EXPECT_TRUE(node->EditLabel("Tanks"));
  EXPECT_TRUE(UserFolder("Tanks"));
  EXPECT_TRUE(Document().IsModified());

  ui.AnswerOk();
  EXPECT_FALSE(node->EditLabel("FlowControl"));
  EXPECT_EQ(MessageTexts(), (Texts{"Cannot rename this folder, a folder of the same name already exists."}));

  ui.ClearRecords();
  ui.AnswerOk();
  EXPECT_FALSE(node->EditLabel("9 bad name"));
  ASSERT_EQ(ui.Prompts().size(), 1u) << "only the name validator complains";
  EXPECT_EQ(ui.Prompts()[0].caption, "Invalid Name");
  EXPECT_TRUE(UserFolder("Tanks"));
  MessageQueue::Pump();
  EXPECT_EQ(owner.Count(EXPLORER_OBJECT_RENAMED), 3);
}

TEST_F(FolderUserFolderTest, ModelPastedIntoAFolderLandsInItsModelsSubFolder) {
  OpenSample();
  CStoreType& valve = *Store().FindLibrary("ProcessUnits")->OwnedPalette()->Find("Valve");
  CStoreFolder& empty = Build().Folder(Simulation(), "BlockTypeFolder/Empty");
  auto node = Node(&empty);
  COleDataObject stream(ModelData(*Simulation().Find("LiquidLine"), true));
  EXPECT_EQ(node->OnDragOver(&stream, 0), DROPEFFECT_NONE) << "stream types do not go into model folders";
  COleDataObject data(ModelData(valve));
  EXPECT_EQ(node->OnDragOver(&data, MK_SHIFT), DROPEFFECT_MOVE);
  EXPECT_TRUE(node->OnDrop(&data, DROPEFFECT_COPY));
  ASSERT_TRUE(empty.SubFolder("BlockTypeFolder"));
  EXPECT_TRUE(empty.SubFolder("BlockTypeFolder")->Holds("Valve"));
  EXPECT_FALSE(ModelsFolder().Holds("Valve"));
  EXPECT_EQ(addedClasses, (Texts{CLSID_QVEOBlockType.ToString()}));

  // Moving a model of the same palette only changes its folder.
  auto storage = Node(UserFolder("Storage"));
  COleDataObject moving(ModelData(*Simulation().Find("BufferTank")));
  EXPECT_TRUE(storage->PasteData(moving, DROPEFFECT_MOVE) == 0) << "already there";
  EXPECT_TRUE(node->PasteData(moving, DROPEFFECT_MOVE));
  EXPECT_TRUE(empty.SubFolder("BlockTypeFolder")->Holds("BufferTank"));
  EXPECT_FALSE(UserFolder("Storage")->SubFolder("BlockTypeFolder")->Holds("BufferTank"));
  EXPECT_EQ(owner.Count(EXPLORER_OBJECT_MOVED), 1);
}

TEST_F(FolderUserFolderTest, EmptyFolderIsDeletedWithoutAQuestion) {
  OpenSample();
  Build().Folder(Simulation(), "BlockTypeFolder/Spare/Inner");
  auto node = Node(UserFolder("Spare"));
  EXPECT_FALSE(FolderHasContents(node->GetFolder()));
  node->DoCommand(ID_EXPLORER_DELETE);
  EXPECT_TRUE(ui.Prompts().empty());
  EXPECT_FALSE(UserFolder("Spare"));
  EXPECT_FALSE(node->GetFolder());
  MessageQueue::Pump();
  EXPECT_EQ(owner.Count(EXPLORER_CONTENTS_CHANGED), 1);
}

TEST_F(FolderUserFolderTest, FolderWithContentsAsksAndKeepsEverythingOnNo) {
  OpenSample();
  auto node = Node(UserFolder("Obsolete"));
  ui.AnswerNo();
  node->DeleteFolder();
  EXPECT_EQ(MessageTexts(), (Texts{kNotEmpty}));
  EXPECT_EQ(ui.Prompts()[0].caption, "Please Confirm This Operation");
  EXPECT_TRUE(UserFolder("Obsolete"));
  EXPECT_TRUE(Simulation().Find("BrokenMixer"));

  ui.AnswerYes();
  node->DeleteFolder();
  EXPECT_FALSE(UserFolder("Obsolete"));
  EXPECT_FALSE(Simulation().Find("BrokenMixer"));
}

TEST_F(FolderUserFolderTest, ContentsInUseStayAndTheFolderToo) {
  OpenSample();
  // TransferPump and ControlValve are placed on the flowsheet: they are in use.
  auto node = Node(UserFolder("FlowControl"));
  ui.AnswerYes();
  ui.AnswerOk();
  node->DeleteFolder();
  EXPECT_EQ(MessageTexts(), (Texts{kNotEmpty, kSomeInUse}));
  ASSERT_TRUE(UserFolder("FlowControl"));
  EXPECT_TRUE(UserFolder("FlowControl")->SubFolder("BlockTypeFolder")->Holds("TransferPump"));
  EXPECT_TRUE(node->GetFolder()) << "the node still shows the folder";
}

TEST_F(FolderUserFolderTest, ContentsCountWhereverTheyAreKept) {
  OpenSample();
  CStoreFolder& outer = Build().Folder(Simulation(), "BlockTypeFolder/Outer/Inner");
  EXPECT_FALSE(FolderHasContents(UserFolder("Outer")));
  Build().MoveTo(*Simulation().Find("BufferTank"), outer);
  EXPECT_TRUE(FolderHasContents(UserFolder("Outer"))) << "a model two levels down";
  EXPECT_FALSE(FolderHasContents(outer.SubFolder("BlockTypeFolder"))) << "a kind sub-folder is not a user folder";
  EXPECT_FALSE(FolderHasContents(nullptr));
}

}  // namespace
}  // namespace library_test
