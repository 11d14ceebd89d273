// Model, stream and structure type nodes as a user meets them: what a model's
// contents pane lists, the menus of editable, read-only, built-in and
// hierarchy models, what the clipboard and drops do to a model, and the
// sample simulation's models.
#include "explorer/core/ExplorerClipboardFormats.h"
#include "explorer/core/ExplorerClipboardPayload.h"
#include "explorer/core/ExplorerCommands.h"
#include "explorer/core/ExplorerImageLists.h"
#include "explorer/core/ExplorerMessages.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/core/QVExplorer.h"
#include "explorer/core/ExplorerTemplateId.h"
#include "explorer/window/ExplorerDocTemplate.h"
#include "explorer/window/ExplorerFrame.h"
#include "explorer/window/ExplorerListView.h"
#include "explorer/window/ExplorerTreeView.h"
#include "host/framework/CorvaneViewContext.h"
#include "explorer/nodes/library/QVEOBlockType.h"
#include "explorer/nodes/library/QVEOGlobalStructureType.h"
#include "explorer/nodes/library/QVEOTypesFolder.h"
#include "explorer/nodes/library/QVEOIcon.h"
#include "explorer/nodes/library/QVEOModelText.h"
#include "explorer/nodes/library/QVEOStreamType.h"
#include "host/model/IQVIconCollection.h"
#include "host/store/HostClassIds.h"
#include "platform/Services.h"
#include "tests/explorer_models/ModelsTestSupport.h"

namespace models_test {
namespace {

using ModelTypeNodesTest = ModelsTest;

// The request that explores a block type of a library.
tag_CorvaneViewContext ExploreBlockType(const std::string& library, const std::string& model) {
  tag_CorvaneViewContext context;
  context.viewClass = CLSID_ExplorerTemplate;
  context.libraryName = library;
  context.typeName = model;
  context.text = CLSID_QVEOBlockType.ToString();
  return context;
}

TEST_F(ModelTypeNodesTest, StreamTypesNeverListAddIconAndTheirIconsAreDisplayOnly) {
  CStoreType& water = build.Type(Simulation(), StoreKind::Stream, "Water");
  CQVEOStreamType node(InstanceOf(water), nullptr, &owner, 0);
  Show(node);
  const Strings rows = ListColumn(0);
  EXPECT_EQ(std::count(rows.begin(), rows.end(), " Add Icon"), 0);
  EXPECT_EQ(rows.front(), " Add Form");
  EXPECT_EQ(ListColumn(1)[rows.size() - 2], "Icon");

  auto* icon = dynamic_cast<CQVEOIcon*>(Row("System"));
  ASSERT_NE(icon, nullptr);
  EXPECT_TRUE(icon->IsStreamTypeIcon());
  EXPECT_TRUE(MenuTexts(*icon).empty());
  for (UINT id : {ID_EXPLORER_EDIT, ID_EXPLORER_COPY, ID_EXPLORER_DELETE, ID_EXPLORER_RENAME, ID_EXPLORER_MAKE_DEFAULT})
    EXPECT_FALSE(icon->CanDoCommand(id)) << id;
  EXPECT_TRUE(icon->DontEditLabel());
  icon->DoCommand(ID_EXPLORER_DEFAULT_ACTION);  // opens no icon editor: nothing is asked of anyone
  EXPECT_EQ(icon->EditLabel("Other"), 0);
}

TEST_F(ModelTypeNodesTest, MenusOfEditableReadOnlyBuiltInAndHierarchyModels) {
  CStoreType& tank = build.Model(Simulation(), "Tank");
  CQVEOBlockType editable(InstanceOf(tank), nullptr, &owner, 0);
  // Without an Explorer window no model block is selected: the two packaging commands stay out.
  EXPECT_EQ(MenuTexts(editable), (Strings{"Explore", "-", "Copy", "Delete", "Rename", "-", "Edit", "Compile",
                                          "Update to custom model", "-", "Export...",
                                          "Exported Model Properties...", "-", "Properties..."}));

  CStoreType& library = build.Library("Units", true);
  CStoreType& pump = build.Model(build.Palette(library), "Pump");
  CQVEOBlockType readOnly(InstanceOf(pump), nullptr, &owner, 1);
  EXPECT_EQ(MenuTexts(readOnly), (Strings{"Explore", "-", "Copy", "-", "Edit", "-", "Export..."}));
  EXPECT_FALSE(readOnly.CanDoCommand(ID_EXPLORER_DELETE));
  EXPECT_FALSE(readOnly.CanDoCommand(ID_EXPLORER_COMPILE));
  // Its contents have no Add entries and its text opens read-only.
  Show(readOnly);
  EXPECT_EQ(ListColumn(0).front(), "Pump");
  auto* text = dynamic_cast<CQVEOModelText*>(RowNode(0));
  ASSERT_NE(text, nullptr);
  text->DoCommand(ID_EXPLORER_EDIT);
  ASSERT_FALSE(app.Editor().Sessions().empty());
  EXPECT_TRUE(app.Editor().Sessions().back()->IsReadOnly());
  EXPECT_EQ(app.Editor().Sessions().back()->Title(), "Pump");

  CStoreType& builtIn = build.BuiltIn(Simulation(), StoreKind::Model, "Source");
  CQVEOBlockType system(InstanceOf(builtIn), nullptr, &owner, 0);
  EXPECT_EQ(system.GetStatusCode(), EO_STATUS_SYSTEM);
  EXPECT_EQ(MenuTexts(system), (Strings{"-", "Copy", "-", "-", "Export..."}));

  CStoreType& area = build.Type(Simulation(), StoreKind::Flowsheet, "Area");
  CQVEOBlockType hierarchy(InstanceOf(area), nullptr, &owner, 0);
  EXPECT_TRUE(hierarchy.IsHierarchyType());
  EXPECT_EQ(MenuTexts(hierarchy), (Strings{"Properties..."}));
}

TEST_F(ModelTypeNodesTest, AModelOfAReadOnlyLibraryOffersPackageModelWhenItIsTheExplorersSelection) {
  CStoreType& library = build.Library("Units", true);
  CStoreType& pump = build.Model(build.Palette(library), "Pump");
  ADInitDll();
  app.CreateMainWindow();
  const tag_CorvaneViewContext context = ExploreBlockType("Units", "Pump");
  CExplorerFrame* frame = CExplorerFrame::Open(&context);
  ASSERT_NE(frame, nullptr);
  {
    CQVEOBlockType readOnly(InstanceOf(pump), nullptr, frame, 1);
    frame->SetCurrentObject(&readOnly);
    EXPECT_EQ(MenuTexts(readOnly), (Strings{"Explore", "-", "Copy", "-", "Edit", "-", "Export...",
                                            "Package Model for Fenmark/Trelbrook..."}));
    frame->SetCurrentObject(nullptr);
  }
  frame->DestroyWindow();
  MessageQueue::Clear();
}

// Records what each drag allows and drops nothing.
class DragRecorder : public TestUserInterface {
 public:
  DROPEFFECT DoDragDrop(COleDataSource&, DROPEFFECT allowed) override {
    offered.push_back(allowed);
    return DROPEFFECT_NONE;
  }
  std::vector<DROPEFFECT> offered;
};

TEST_F(ModelTypeNodesTest, ACopyOnlyDragOffersOnlyCopyingAndItsMarkStaysInItsOwnWindow) {
  CStoreType& library = build.Library("Units", true);
  build.Model(build.Palette(library), "Pump");
  ADInitDll();
  app.CreateMainWindow();
  const tag_CorvaneViewContext context = ExploreBlockType("Units", "Pump");
  CExplorerFrame* first = CExplorerFrame::Open(&context);
  CExplorerFrame* second = CExplorerFrame::Open(&context);
  ASSERT_TRUE(first && second);
  CExplorerTreeView& firstTree = *first->GetTreeView();
  const int icon = first->GetListView()->FindRowByLabel("System");
  ASSERT_GE(icon, 0);
  {
    DragRecorder drags;
    // A mark one window holds does not reach a drag in the other.
    first->MarkCopyOnlyDrag(true);
    second->GetTreeView()->OnBeginDragTreehItem(second->GetTreeView()->GetRootTreeItem(), false);
    EXPECT_TRUE(first->TakeCopyOnlyDrag());
    // Copy-only drags of the model (tree) and of its icon (contents), then an ordinary one.
    firstTree.OnBeginDragTreehItem(firstTree.GetRootTreeItem(), true);
    first->GetListView()->OnBeginDragListItem(icon, true);
    firstTree.OnBeginDragTreehItem(firstTree.GetRootTreeItem(), false);
    const DROPEFFECT either = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    EXPECT_EQ(drags.offered, (std::vector<DROPEFFECT>{either, DROPEFFECT_COPY, DROPEFFECT_COPY, either}));
    EXPECT_FALSE(first->TakeCopyOnlyDrag());
    EXPECT_FALSE(second->TakeCopyOnlyDrag());
  }
  first->DestroyWindow();
  second->DestroyWindow();
  MessageQueue::Clear();
}

TEST_F(ModelTypeNodesTest, AModelThatFailedToCompileIsNotOkAndCannotBeCopied) {
  CStoreType& broken = build.Failing(Simulation(), StoreKind::Model, "Broken", "Model Broken\n  x = ;\nEnd\n");
  CQVEOBlockType node(InstanceOf(broken), nullptr, &owner, 0);
  EXPECT_EQ(node.GetStatusCode(), EO_STATUS_NOT_OK);
  std::string status;
  node.GetDisplayText(EOAspectStatus, status);
  EXPECT_EQ(status, "Not OK");
  EXPECT_FALSE(node.CanDoCommand(ID_EXPLORER_COPY));
  node.DoCommand(ID_EXPLORER_COPY);
  EXPECT_FALSE(Clipboard::IsFormatAvailable(CF_EXPLORER_MODEL_TYPE));
}

TEST_F(ModelTypeNodesTest, CopyAndPasteMakesACopyOfTheModelAndAScriptPastedOntoAModelJoinsIt) {
  CStoreType& tank = build.Model(Simulation(), "Tank");
  CStoreType& mixer = build.Model(Simulation(), "Mixer");
  CStoreType& fill = build.Script(tank, "Fill", "BOOLEAN VB\n' fill the tank\n");
  CQVEOBlockType tankNode(InstanceOf(tank), nullptr, &owner, 0);
  CQVEOBlockType mixerNode(InstanceOf(mixer), nullptr, &owner, 0);

  tankNode.DoCommand(ID_EXPLORER_COPY);
  ASSERT_TRUE(Clipboard::IsFormatAvailable(CF_EXPLORER_MODEL_TYPE));
  EXPECT_TRUE(Clipboard::IsFormatAvailable(CF_QELI_MODEL_TYPE));
  EXPECT_TRUE(mixerNode.CanDoCommand(ID_EXPLORER_PASTE));
  ui.AnswerName("Tank2");  // the copy's name is taken: the user is asked for another
  mixerNode.DoCommand(ID_EXPLORER_PASTE);
  EXPECT_TRUE(Simulation().Find("Tank2"));
  EXPECT_TRUE(Simulation().Find("Tank"));
  EXPECT_EQ(owner.Count(EXPLORER_OBJECT_ADDED), 1);

  // A stream type takes no block model.
  CStoreType& water = build.Type(Simulation(), StoreKind::Stream, "Water");
  CQVEOStreamType waterNode(InstanceOf(water), nullptr, &owner, 0);
  COleDataObject clipboard;
  ASSERT_TRUE(clipboard.AttachClipboard());
  EXPECT_EQ(waterNode.PasteData(clipboard, DROPEFFECT_COPY), 0);

  COleDataSource scriptData;
  ASSERT_TRUE(OfferHostObject(scriptData, CF_EXPLORER_SCRIPT, static_cast<IFType*>(&fill)));
  scriptData.SetClipboard();
  mixerNode.DoCommand(ID_EXPLORER_PASTE);
  Show(mixerNode);
  EXPECT_NE(Row("Fill"), nullptr);
}

TEST_F(ModelTypeNodesTest, ACutModelStaysUntilItsPasteMovesIt) {
  CStoreType& system = build.SystemLibrary();
  CStoreType& units = build.Library("Units", false);
  build.Uses(units, system);
  CStoreType& tank = build.Model(Simulation(), "Tank", "Model Tank\n  x as Value;\nEnd\n");
  CStoreType& pump = build.Model(build.Palette(units), "Pump");
  CQVEOBlockType tankNode(InstanceOf(tank), nullptr, &owner, 0);
  CQVEOBlockType pumpNode(InstanceOf(pump), nullptr, &owner, 0);

  tankNode.DoCommand(ID_EXPLORER_CUT);
  EXPECT_TRUE(Simulation().Find("Tank")) << "a cut takes nothing away before its paste";
  ASSERT_TRUE(Clipboard::IsFormatAvailable(CF_EXPLORER_MODEL_TYPE));

  // Another copy replaces the clipboard: the cut model is still there, nothing was lost.
  pumpNode.DoCommand(ID_EXPLORER_COPY);
  EXPECT_TRUE(Simulation().Find("Tank"));

  tankNode.DoCommand(ID_EXPLORER_CUT);
  pumpNode.DoCommand(ID_EXPLORER_PASTE);
  EXPECT_FALSE(Simulation().Find("Tank"));
  ASSERT_TRUE(build.Palette(units).Find("Tank"));
  EXPECT_EQ(build.Palette(units).Find("Tank")->Text(), "Model Tank\n  x as Value;\nEnd\n");
  EXPECT_EQ(owner.Count(EXPLORER_OBJECT_ADDED), 1);
  EXPECT_TRUE(ui.Prompts().empty());
}

// "Local Library" with custom modeling off: its models and structure types are
// shown read-only although the host would let them change.
TEST_F(ModelTypeNodesTest, AReadOnlyModelOrStructureTypeTakesNoPasteAndNoDrop) {
  CStoreType& tank = build.Model(Simulation(), "Tank");
  CStoreType& mixer = build.Model(Simulation(), "Mixer");
  CStoreType& pipe = build.Type(Simulation(), StoreKind::Structure, "Piping");
  CStoreType& fill = build.Script(tank, "Fill", "BOOLEAN VB\n' fill the tank\n");
  CQVEOBlockType tankNode(InstanceOf(tank), nullptr, &owner, 0);
  CQVEOBlockType readOnlyMixer(InstanceOf(mixer), nullptr, &owner, 1);
  CQVEOGlobalStructureType readOnlyPipe(InstanceOf(pipe), nullptr, &owner, 1);

  COleDataSource scriptData;
  ASSERT_TRUE(OfferHostObject(scriptData, CF_EXPLORER_SCRIPT, static_cast<IFType*>(&fill)));
  COleDataObject script(scriptData.Copy());
  for (CQVExplorerModelTypeObject* node : {static_cast<CQVExplorerModelTypeObject*>(&readOnlyMixer),
                                           static_cast<CQVExplorerModelTypeObject*>(&readOnlyPipe)}) {
    EXPECT_EQ(node->OnDragOver(&script, 0), DROPEFFECT_NONE);
    EXPECT_EQ(node->OnDrop(&script, DROPEFFECT_COPY), 0) << "a drop arrives whatever drag-over said";
    EXPECT_EQ(node->OnDrop(&script, DROPEFFECT_MOVE), 0);
  }
  Show(readOnlyMixer);
  EXPECT_EQ(Row("Fill"), nullptr);

  tankNode.DoCommand(ID_EXPLORER_COPY);
  ASSERT_TRUE(Clipboard::IsFormatAvailable(CF_EXPLORER_MODEL_TYPE));
  EXPECT_FALSE(readOnlyMixer.CanDoCommand(ID_EXPLORER_PASTE));
  EXPECT_FALSE(readOnlyMixer.CanDoCommand(ID_EXPLORER_RENAME)) << "its menu offers no Rename; Ctrl+M neither";
  COleDataObject clipboard;
  ASSERT_TRUE(clipboard.AttachClipboard());
  EXPECT_EQ(readOnlyMixer.PasteData(clipboard, DROPEFFECT_COPY), 0);
  EXPECT_EQ(readOnlyMixer.OnDrop(&clipboard, DROPEFFECT_COPY), 0);
  EXPECT_EQ(Simulation().Find("Copy_of_Tank"), nullptr);
  EXPECT_EQ(owner.Count(EXPLORER_OBJECT_ADDED), 0);
}

TEST_F(ModelTypeNodesTest, AModelTypeEntryWrittenByAnotherProcessYieldsNothing) {
  CStoreType& tank = build.Model(Simulation(), "Tank");
  CStoreType& mixer = build.Model(Simulation(), "Mixer");
  CQVEOBlockType tankNode(InstanceOf(tank), nullptr, &owner, 0);
  CQVEOBlockType mixerNode(InstanceOf(mixer), nullptr, &owner, 0);
  COleDataSource data;
  ASSERT_TRUE(tankNode.OfferClipboardData(data));
  // The other process writes its own id into the entry.
  std::vector<std::uint8_t> bytes = data.Find(CF_EXPLORER_MODEL_TYPE)->pstm->Bytes();
  ASSERT_EQ(bytes.size(), kModelTypePayloadSize);
  const DWORD otherProcess = GetCurrentProcessId() + 1;
  for (int i = 0; i < 4; ++i) bytes[18 + i] = static_cast<std::uint8_t>(otherProcess >> (8 * i));
  data.CacheStream(CF_EXPLORER_MODEL_TYPE, std::make_shared<CMemoryStream>(bytes));
  Clipboard::SetFromProcess(data.Copy(), otherProcess);

  COleDataObject clipboard;
  ASSERT_TRUE(clipboard.AttachClipboard());
  EXPECT_EQ(mixerNode.PasteData(clipboard, DROPEFFECT_COPY), 0);
  EXPECT_FALSE(Simulation().Find("Tank1"));
  EXPECT_EQ(owner.Count(EXPLORER_OBJECT_ADDED), 0);
}

TEST_F(ModelTypeNodesTest, DeletingAModelAsksTellsTheDocumentAndRenamingRefusesATakenName) {
  CStoreType& tank = build.Model(Simulation(), "Tank");
  build.Model(Simulation(), "Mixer");
  CQVEOBlockType node(InstanceOf(tank), nullptr, &owner, 0);

  ui.AnswerOk();
  EXPECT_EQ(node.EditLabel("Mixer"), 0);
  ASSERT_FALSE(ui.Prompts().empty());
  EXPECT_EQ(ui.LastMessage(), "Rename Type: Cannot rename the type, a definition with this name already exists.");
  EXPECT_TRUE(Simulation().Find("Tank"));

  ui.AnswerNo();
  EXPECT_EQ(node.SelfDestruct(1), 0);
  EXPECT_TRUE(Simulation().Find("Tank"));
  Document().SetModifiedFlag(false);
  ui.AnswerYes();
  EXPECT_EQ(node.SelfDestruct(1), 1);
  EXPECT_FALSE(Simulation().Find("Tank"));
  EXPECT_TRUE(Document().IsModified());
}

TEST_F(ModelTypeNodesTest, TheSampleBufferTankListsAddEntriesTextScriptsIconsFormsAndTasksInThatOrderWithPictures) {
  OpenSample();
  IFInstance* bufferTank = SimulationTypeInstance("BufferTank");
  ASSERT_NE(bufferTank, nullptr);
  CQVEOBlockType node(bufferTank, nullptr, &owner, 0);
  Show(node);
  const Strings rows = ListColumn(0);
  EXPECT_EQ(rows, (Strings{" Add Form", " Add Icon", " Add Script", " Add Task", "BufferTank Help", "BufferTank",
                           "Fill", "System", "Horizontal", "AllVariables", "Levels", "LevelTrend", "Drain"}));
  EXPECT_EQ(ListColumn(1), (Strings{"", "", "", "", "Model Help", "Model Text", "Script", "Icon", "Icon", "Table",
                                    "Table", "Plot/History", "Task"}));
  EXPECT_EQ(node.GetStatusCode(), EO_STATUS_OK);
  // Each icon shows its own picture, not the fixed icon image.
  auto* system = dynamic_cast<CQVEOIcon*>(Row("System"));
  auto* horizontal = dynamic_cast<CQVEOIcon*>(Row("Horizontal"));
  ASSERT_TRUE(system && horizontal);
  for (CQVEOIcon* icon : {system, horizontal}) {
    const int large = icon->GetImage(1, 0);
    const int small = icon->GetImage(0, 0);
    ASSERT_GE(large, 0);
    ASSERT_GE(small, 0);
    const IconData* data = GetIconData(CExplorerImageLists::Large().GetIcon(large));
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->resourceId, 0u);
  }
  // "Levels" is the default form and "System" the default icon: both carry the default mark.
  EXPECT_EQ(RowOverlay(10), 512);
  EXPECT_EQ(RowOverlay(7), 512);
  EXPECT_EQ(RowOverlay(8), 0);
  // Showing the model again adds no further pictures to the image lists.
  const std::size_t pictures = CExplorerImageLists::Large().GetImageCount();
  Show(node);
  EXPECT_EQ(CExplorerImageLists::Large().GetImageCount(), pictures);
}

}  // namespace
}  // namespace models_test
