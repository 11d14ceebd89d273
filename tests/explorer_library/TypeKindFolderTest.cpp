// The eight type-kind folders: what each shows, what a read-only one refuses,
// which drags each accepts, pastes of each kind, the procedures' functions and
// code generation, and the component lists' status, entries and paste by name.
#include <algorithm>
#include <map>

#include "explorer/core/ExplorerClipboardFormats.h"
#include "explorer/core/ExplorerCommands.h"
#include "explorer/core/ExplorerMessages.h"
#include "explorer/core/TypeAccess.h"
#include "explorer/nodes/library/CompiledFolderStatus.h"
#include "explorer/nodes/library/QVEOBlockTypes.h"
#include "explorer/nodes/library/QVEOComponentLists.h"
#include "explorer/nodes/library/QVEOGlobalStructureTypes.h"
#include "explorer/nodes/library/QVEOParameterTypes.h"
#include "explorer/nodes/library/QVEOPortTypes.h"
#include "explorer/nodes/library/QVEOProcedures.h"
#include "explorer/nodes/library/QVEOStreamTypes.h"
#include "explorer/nodes/library/QVEOVariableTypes.h"
#include "host/store/TypeFlags.h"
#include "tests/explorer_library/LibraryTestSupport.h"
#include "workbench/store/ComponentLists.h"

namespace library_test {
namespace {

class TypeKindFolderTest : public LibraryTest {
 protected:
  template <class Folder>
  std::unique_ptr<Folder> Make(IFInstance* owner, int readOnly = 0) {
    return std::make_unique<Folder>(owner, &exclusions, &this->owner, readOnly);
  }
  std::string Text(CExplorerObject& node, EOAspect aspect) {
    std::string text;
    node.GetDisplayText(aspect, text);
    return text;
  }
};

TEST_F(TypeKindFolderTest, EachKindShowsItsLabelColumnsAndAddEntry) {
  OpenSample();
  IFInstance* simulation = SimulationInstance();
  struct Expected {
    std::unique_ptr<CQVEOTypeKindFolder> folder;
    const char* label;
    Texts headings;
    const char* addEntry;
  };
  Expected kinds[] = {
      {Make<CQVEOBlockTypes>(simulation), "Models", {"Name", "Status"}, " Add Model"},
      {Make<CQVEOGlobalStructureTypes>(simulation), "Structure Types", {"Name", "Status"}, " Add Structure Type"},
      {Make<CQVEOStreamTypes>(simulation), "Stream Types", {"Name", "Status"}, " Add Stream Type"},
      {Make<CQVEOParameterTypes>(simulation), "Parameter Types", {"Name", "Status"}, " Add Parameter Type"},
      {Make<CQVEOVariableTypes>(simulation), "Variable Types",
       {"Name", "Physical Quantity", "Current Units", "Status"}, " Add Variable Type"},
      {Make<CQVEOPortTypes>(simulation), "Port Types", {"Name", "Status"}, " Add Port Type"},
      {Make<CQVEOProcedures>(simulation), "Procedures", {"Name", "Status"}, " Add Procedure"},
  };
  for (Expected& kind : kinds) {
    SCOPED_TRACE(kind.label);
    EXPECT_EQ(Text(*kind.folder, EOAspectName), kind.label);
    EXPECT_EQ(Text(*kind.folder, EOAspectType), "Folder");
    ShowInList(*kind.folder);
    EXPECT_EQ(ListHeadings(), kind.headings);
    ASSERT_GT(list.GetItemCount(), 1);
    EXPECT_EQ(ListColumn(0)[0], kind.addEntry);
    ClearPanes();
  }
}

TEST_F(TypeKindFolderTest, VariableTypesListInTheContentsPaneOnly) {
  OpenSample();
  auto folder = Make<CQVEOVariableTypes>(SimulationInstance());
  ShowInList(*folder);
  EXPECT_EQ(ListColumn(0), (Texts{" Add Variable Type", "Level", "Opening", "VolumeFlowRate"}));
  EXPECT_EQ(ListColumn(1)[1], "Length");
  HTREEITEM item = ShowInTree(Make<CQVEOVariableTypes>(SimulationInstance()).release());
  EXPECT_EQ(tree.GetItemText(item), "Variable Types");
  EXPECT_TRUE(TreeChildren(item).empty());
  // Hiding the leaf class leaves only the Add entry.
  ClearPanes();
  exclusions.Add(CLSID_QVEOVariableType);
  ShowInList(*folder);
  EXPECT_EQ(ListColumn(0), (Texts{" Add Variable Type"}));
}

TEST_F(TypeKindFolderTest, ReadOnlyFolderHasNoAddEntryPasteOrDrop) {
  OpenSample();
  CStoreType& level = *Simulation().Find("Level");
  PutOnClipboard(ObjectData(CF_EXPLORER_VARIABLE_TYPE, level));
  auto folder = Make<CQVEOVariableTypes>(LibraryInstance("SystemLibrary"), 1);
  EXPECT_EQ(MenuTexts(*folder), (Texts{"Explore", "Export..."}));
  EXPECT_FALSE(folder->CanDoCommand(ID_EXPLORER_PASTE));
  COleDataObject data(ObjectData(CF_EXPLORER_VARIABLE_TYPE, level));
  EXPECT_EQ(folder->OnDragOver(&data, 0), DROPEFFECT_NONE);
  ShowInList(*folder);
  ASSERT_GT(list.GetItemCount(), 0);
  EXPECT_NE(ListColumn(0).front(), " Add Variable Type");

  auto editable = Make<CQVEOVariableTypes>(SimulationInstance());
  EXPECT_EQ(MenuTexts(*editable), (Texts{"Explore", "Export...", "-", "Paste"}));

  // The simulation's own folder shown read-only (custom modeling off): the
  // host would take the copy, the folder must not ask it to.
  auto local = Make<CQVEOVariableTypes>(SimulationInstance(), 1);
  EXPECT_EQ(local->OnDragOver(&data, 0), DROPEFFECT_NONE);
  EXPECT_FALSE(local->OnDrop(&data, DROPEFFECT_COPY)) << "a drop arrives whatever drag-over said";
  local->DoCommand(ID_EXPLORER_PASTE);
  EXPECT_EQ(Simulation().Find("Copy_of_Level"), nullptr);
  MessageQueue::Pump();
  EXPECT_EQ(owner.Count(EXPLORER_OBJECT_ADDED), 0);
}

TEST_F(TypeKindFolderTest, ModelsFolderShowsConnectionAndControlSignalButNeverFlowsheet) {
  CStoreType& system = Build().SystemLibrary();
  auto folder = Make<CQVEOBlockTypes>(system.DefaultInstance(), 1);
  HTREEITEM item = ShowInTree(folder.release());
  Texts models = TreeChildren(item);
  auto has = [&](const char* name) { return std::find(models.begin(), models.end(), name) != models.end(); };
  EXPECT_TRUE(has("Connection"));
  EXPECT_TRUE(has("ControlSignal"));
  EXPECT_FALSE(has("Flowsheet"));
  EXPECT_TRUE(std::is_sorted(models.begin(), models.end())) << "the tree sorts the models";
}

TEST_F(TypeKindFolderTest, EachPalettesModelsTakeTheirStatusFromItsOwnCompiledFolder) {
  CStoreBuilder build = Build();
  CStorePalette& simulation = *Store().SimulationPalette();
  build.Model(simulation, "Tank");
  build.Failing(simulation, StoreKind::Model, "Broken", "Model Broken\n  x = ;\nEnd\n");
  CStoreType& mine = build.Library("Mine", false);
  build.Model(build.Palette(mine), "Pump");
  auto statuses = [&](IFInstance* owner) {
    ClearPanes();
    ShowInList(*Make<CQVEOBlockTypes>(owner));
    Texts names = ListColumn(0), status = ListColumn(1);
    std::map<std::string, std::string> byName;
    for (std::size_t i = 0; i < names.size(); ++i) byName[names[i]] = status[i];
    return byName;
  };
  {
    // One fill inside another's scope still reads each palette's own folder.
    const CCompiledFolderLookups outer;
    EXPECT_EQ(statuses(SimulationInstance())["Broken"], "Not OK");
    EXPECT_EQ(statuses(SimulationInstance())["Tank"], "OK");
    EXPECT_EQ(statuses(mine.DefaultInstance())["Pump"], "OK") << "the library has no compiled folder yet";
  }
  // A compile that fails later is seen by the next fill.
  build.Failing(build.Palette(mine), StoreKind::Model, "Leaky", "Model Leaky\n  y = ;\nEnd\n");
  EXPECT_EQ(statuses(mine.DefaultInstance())["Leaky"], "Not OK");
  EXPECT_EQ(statuses(mine.DefaultInstance())["Pump"], "OK");
}

TEST_F(TypeKindFolderTest, ModelsAndStreamTypesRefuseEachOthersDrags) {
  OpenSample();
  auto models = Make<CQVEOBlockTypes>(SimulationInstance());
  auto streams = Make<CQVEOStreamTypes>(SimulationInstance());
  COleDataObject model(ModelData(*Simulation().Find("BufferTank")));
  COleDataObject stream(ModelData(*Simulation().Find("LiquidLine"), true));
  EXPECT_EQ(models->OnDragOver(&model, MK_SHIFT), DROPEFFECT_MOVE);
  EXPECT_EQ(models->OnDragOver(&stream, 0), DROPEFFECT_NONE);
  EXPECT_EQ(streams->OnDragOver(&stream, 0), DROPEFFECT_COPY);
  EXPECT_EQ(streams->OnDragOver(&model, 0), DROPEFFECT_NONE);
  EXPECT_FALSE(models->OnDrop(&stream, DROPEFFECT_COPY)) << "nothing is pasted that drag-over refused";
  EXPECT_FALSE(streams->OnDrop(&model, DROPEFFECT_COPY));
  COleDataObject variable(ObjectData(CF_EXPLORER_VARIABLE_TYPE, *Simulation().Find("Level")));
  EXPECT_EQ(models->OnDragOver(&variable, 0), DROPEFFECT_NONE);
}

TEST_F(TypeKindFolderTest, ModelMovedOntoItsFolderLeavesItsUserFolder) {
  OpenSample();
  auto folder = Make<CQVEOBlockTypes>(SimulationInstance());
  COleDataObject data(ModelData(*Simulation().Find("BufferTank")));
  EXPECT_TRUE(folder->OnDrop(&data, DROPEFFECT_MOVE));
  EXPECT_TRUE(Simulation().KindFolder(StoreKind::Model)->Holds("BufferTank"));
  EXPECT_EQ(owner.Count(EXPLORER_OBJECT_MOVED), 1);
  EXPECT_FALSE(folder->OnDrop(&data, DROPEFFECT_MOVE)) << "already there";
}

TEST_F(TypeKindFolderTest, ProceduresListFunctionsTheHostDoesNotKeepAndOfferGenerateCode) {
  OpenSample();
  CStoreType& hidden = Build().Type(Simulation(), StoreKind::Function, "InternalHelper");
  Build().Flags(hidden, 0x40000);
  CStoreType& flagged = Build().Type(Simulation(), StoreKind::Procedure, "FlaggedProcedure");
  Build().Flags(flagged, 0x40000);
  auto folder = Make<CQVEOProcedures>(SimulationInstance());
  ShowInList(*folder);
  EXPECT_EQ(ListColumn(0), (Texts{" Add Procedure", "PumpCurve", "FlaggedProcedure", "ValveGain"}));
  EXPECT_EQ(MenuTexts(*folder).back(), "Generate Code");
}

TEST_F(TypeKindFolderTest, ComponentListsFollowTheConfiguration) {
  OpenSample();
  auto folder = std::make_unique<CQVEOComponentLists>(SimulationInstance(), &exclusions, &owner);
  EXPECT_EQ(Text(*folder, EOAspectStatus), "OK");
  EXPECT_EQ(folder->GetStatusCode(), EO_STATUS_OK);
  EXPECT_EQ(MenuTexts(*folder), (Texts{"Explore", "-", "Properties..."}));
  ShowInList(*folder);
  EXPECT_EQ(ListHeadings(), (Texts{"Name", "Type", "Property File"}));
  EXPECT_EQ(ListColumn(0), (Texts{" Add Component List", " Configure Properties", "Default", "Inerts"}));
  int shown = 0;
  Store().ComponentLists().onShowSettings = [&] { ++shown; return S_OK; };
  folder->DoCommand(ID_EXPLORER_PROPERTIES);
  EXPECT_EQ(shown, 1);

  Store().ComponentLists().SetConfigured(false);
  CQVEOComponentLists unconfigured(SimulationInstance(), &exclusions, &owner);
  EXPECT_EQ(Text(unconfigured, EOAspectStatus), "Not OK");
  EXPECT_EQ(unconfigured.GetStatusCode(), EO_STATUS_NOT_OK);
  EXPECT_FALSE(unconfigured.IsLibraryObject());
}

TEST_F(TypeKindFolderTest, ComponentListPastedByNameIsCopied) {
  OpenSample();
  auto folder = std::make_unique<CQVEOComponentLists>(SimulationInstance(), &exclusions, &owner);
  auto data = std::make_shared<COleDataSource>();
  const std::string name = "Inerts";
  data->CacheGlobalData(CF_EXPLORER_COMPONENT_LIST, std::vector<std::uint8_t>(name.begin(), name.end() + 1));
  PutOnClipboard(data);
  EXPECT_EQ(MenuTexts(*folder), (Texts{"Explore", "-", "Paste", "-", "Properties..."}));
  COleDataObject pasted(data);
  EXPECT_FALSE(folder->OnDrop(&pasted, DROPEFFECT_MOVE)) << "a component list is only copied";
  ui.AnswerName("MoreInerts");
  EXPECT_TRUE(folder->OnDrop(&pasted, DROPEFFECT_COPY));
  std::vector<std::string> names;
  Store().ComponentLists().GetComponentLists(names);
  EXPECT_EQ(names, (Texts{"Default", "Inerts", "MoreInerts"}));
  MessageQueue::Pump();
  EXPECT_EQ(owner.Count(EXPLORER_OBJECT_ADDED), 1);
  // A payload without a name copies nothing.
  auto empty = std::make_shared<COleDataSource>();
  empty->CacheGlobalData(CF_EXPLORER_COMPONENT_LIST, {0});
  COleDataObject nothing(empty);
  EXPECT_FALSE(folder->OnDrop(&nothing, DROPEFFECT_COPY));
}


}  // namespace
}  // namespace library_test
