// A user exploring the sample's flowsheet: the flowsheet, its hierarchy,
// blocks and streams in both panes; the menus by place, lock, custom modeling
// and model name; statistics and their sorting; renaming and cutting blocks
// seen in two Explorers; a structure pasted onto the flowsheet; the Globals
// pane.
#include "explorer/core/ExplorerClipboardFormats.h"
#include "explorer/core/ExplorerClipboardPayload.h"
#include "explorer/core/ExplorerMessages.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/core/TypeAccess.h"
#include "explorer/nodes/flowsheet/QVEOFlowsheet.h"
#include "explorer/nodes/simulation/QVEOGlobals.h"
#include "explorer/resources/CommandIds.h"
#include "explorer/window/ExplorerListView.h"
#include "explorer/window/ExplorerTreeView.h"
#include "host/com/DataObject.h"
#include "host/framework/CRQVDocument.h"
#include "host/language/Parser.h"
#include "host/model/IQVGraphicalCopy.h"
#include "host/model/IQVVariable.h"
#include "host/model/IQVVariableLookup.h"
#include "host/model/IRModel.h"
#include "host/store/HostClassIds.h"
#include "tests/explorer_simulation/FlowsheetTestSupport.h"
#include "workbench/simulation/FlowsheetHost.h"

namespace simulation_test {
namespace {

using FlowsheetNodesTest = FlowsheetExplorerTest;

const Strings kSampleBlocks = {"Feed", "LC101", "P101", "T101", "T102", "Train2", "V101", "Water"};

TEST_F(FlowsheetNodesTest, TheSampleFlowsheetsRowsShowEachKindOfUnitWithTheHostsStatistics) {
  // The tree of the flowsheet is the command line's tree test; here the panes' rows and classes.
  CExplorerFrame* frame = OpenExplorer();
  ASSERT_NE(frame, nullptr);

  // The flowsheet's contents, in the order it adds them (the pane then sorts by its column):
  // Add entries, the folders, forms, scripts, then its text.
  CQVEOFlowsheet flowsheet(SimulationInstance(), nullptr, &owner);
  flowsheet.ShowContents(list);
  EXPECT_EQ(ListColumn(0), (Strings{" Add Form", " Add Script", " Add Task", "Blocks", "Streams", "LocalVariables",
                                    "TankLevels", "LinePressures", "ReportLevels", "Flowsheet"}));
  EXPECT_EQ(ListColumn(1)[9], "Flowsheet Text");

  // Each kind of unit is its own class; the statistics are the host's counts.
  Select(frame, "Simulation/Flowsheet/Blocks");
  EXPECT_EQ(Rows(frame), kSampleBlocks);
  EXPECT_EQ(frame->GetListView()->GetRowObject(5)->GetClassID(), CLSID_QVEOFlowsheet);
  EXPECT_EQ(frame->GetListView()->GetRowObject(7)->GetClassID(), CLSID_QVEOGlobalStructure);
  EXPECT_EQ(frame->GetListView()->GetRowObject(3)->GetClassID(), CLSID_QVEOBlock);
  int equations = 0, variables = 0, freedom = 0;
  ASSERT_EQ(Document().GetModelStatistics(ComQuery<IRModel>(Unit("T101")), equations, variables, freedom), S_OK);
  EXPECT_EQ(Rows(frame, 1)[3], "BufferTank");
  EXPECT_EQ(Rows(frame, 2)[3], "OK");
  EXPECT_EQ(Rows(frame, 3)[3], std::to_string(equations));
  EXPECT_EQ(Rows(frame, 4)[3], std::to_string(variables));
  EXPECT_EQ(Rows(frame, 5)[3], std::to_string(freedom));
  EXPECT_EQ(Rows(frame, 1)[5], "Hierarchy");

  Select(frame, "Simulation/Flowsheet/Streams");
  EXPECT_EQ(frame->GetListView()->GetColumnCount(), 7);
  EXPECT_EQ(Rows(frame, 1)[2], "Pipe");
}

TEST_F(FlowsheetNodesTest, MenusFollowWhereTheNodeIsAndWhetherARunHoldsTheFlowsheet) {
  CExplorerFrame* frame = OpenExplorer();
  ASSERT_NE(frame, nullptr);
  Strings top = Menu(*Select(frame, "Simulation/Flowsheet"));
  EXPECT_FALSE(Has(top, "Copy") || Has(top, "Cut") || Has(top, "Export as Simulation...")) << ::testing::PrintToString(top);
  EXPECT_TRUE(Has(top, "Export...") && Has(top, "Import Flowsheet..."));
  Strings hierarchy = Menu(*Select(frame, "Simulation/Flowsheet/Blocks/Train2"));
  EXPECT_TRUE(Has(hierarchy, "Cut") && Has(hierarchy, "Copy") && Has(hierarchy, "Export as Simulation..."));
  EXPECT_FALSE(Has(hierarchy, "Export..."));
  EXPECT_EQ(Menu(*Select(frame, "Simulation/Flowsheet/Blocks/T101")),
            (Strings{"Explore", "Find...", "Active Model", "  View Active Model...", "  Create Active Model...",
                     "  Use Active Model...", "-", "Copy", "Cut", "Rename", "-", "Properties..."}));

  // A block inside a hierarchy keeps its name: no Rename, and its label cannot be edited.
  CExplorerObject* inner = Select(frame, "Simulation/Flowsheet/Blocks/Train2/Blocks/T201");
  EXPECT_FALSE(Has(Menu(*inner), "Rename"));
  EXPECT_EQ(inner->CanDoCommand(ID_EXPLORER_RENAME), 0);
  EXPECT_EQ(frame->GetTreeView()->UserBeginLabelEdit(frame->GetTreeView()->GetSelectedItem()), nullptr);
  // Streams the same.
  EXPECT_TRUE(Has(Menu(*Select(frame, "Simulation/Flowsheet/Streams/S1")), "Rename"));
  EXPECT_FALSE(Has(Menu(*Select(frame, "Simulation/Flowsheet/Blocks/Train2/Streams/L1")), "Rename"));

  // While a run holds the flowsheet, what would change it goes from every menu; Copy stays.
  ASSERT_EQ(Unit("T101") ? ComQuery<IQVGraphicalCopy>(Unit("T101"))->Copy() : E_FAIL, S_OK);
  Document().SetFlowsheetLocked(true);
  top = Menu(*Select(frame, "Simulation/Flowsheet"));
  EXPECT_FALSE(Has(top, "Paste") || Has(top, "Import Flowsheet...")) << ::testing::PrintToString(top);
  hierarchy = Menu(*Select(frame, "Simulation/Flowsheet/Blocks/Train2"));
  EXPECT_FALSE(Has(hierarchy, "Cut") || Has(hierarchy, "Paste") || Has(hierarchy, "Import Flowsheet..."));
  EXPECT_TRUE(Has(hierarchy, "Copy"));
  for (const char* unit : {"Simulation/Flowsheet/Blocks/T101", "Simulation/Flowsheet/Streams/S1"}) {
    CExplorerObject* node = Select(frame, unit);
    Strings menu = Menu(*node);
    EXPECT_FALSE(Has(menu, "Cut") || Has(menu, "Rename")) << unit;
    EXPECT_TRUE(Has(menu, "Copy")) << unit;
    // The accelerator asks the same question as the menu.
    EXPECT_EQ(node->CanDoCommand(ID_EXPLORER_RENAME), 0) << unit;
    EXPECT_EQ(node->CanDoCommand(ID_EXPLORER_CUT), 0) << unit;
  }
  Document().SetFlowsheetLocked(false);
  EXPECT_TRUE(Has(Menu(*Select(frame, "Simulation/Flowsheet")), "Paste"));
}

TEST_F(FlowsheetNodesTest, TheActiveModelSubmenuFollowsCustomModelingAndTheModelsName) {
  CExplorerFrame* frame = OpenExplorer();
  ASSERT_NE(frame, nullptr);
  CRQVDocument::m_bCustomModeling = false;
  Strings menu = Menu(*Select(frame, "Simulation/Flowsheet/Blocks/T101"));
  EXPECT_EQ(Strings(menu.begin() + 2, menu.begin() + 5), (Strings{"Active Model", "  View Active Model...", "-"}));
  CRQVDocument::m_bCustomModeling = true;

  // The system's own model variants ("ZN_v" in any case) are never an active model.
  Build().Model(Build().Simulation(), "Zn_vTank", "Model Zn_vTank\n  x as Value (1, Fixed);\nEnd\n");
  ASSERT_EQ(Document().Flowsheet().PasteText("", "Z1 as Zn_vTank;\n"), S_OK);
  MessageQueue::Pump();
  Select(frame, "Simulation/Flowsheet");
  menu = Menu(*Select(frame, "Simulation/Flowsheet/Blocks/Z1"));
  EXPECT_FALSE(Has(menu, "Active Model")) << ::testing::PrintToString(menu);

  // Viewing the active model reaches the document.
  Select(frame, "Simulation/Flowsheet/Blocks/T101");
  EXPECT_TRUE(frame->RunCommand(ID_EXPLORER_VIEW_ACTIVE_MODEL));
  EXPECT_NE(Document().ActiveModelText().find("BufferTank"), std::string::npos);
}

TEST_F(FlowsheetNodesTest, AllVariablesFormsBelongToHierarchiesAndEmptyFoldersDoNotAppear) {
  // Every flowsheet type has its table of all variables: the top-level
  // flowsheet leaves it to the simulation's globals, a hierarchy lists its own.
  CExplorerFrame* frame = OpenExplorer();
  ASSERT_NE(frame, nullptr);
  Select(frame, "Simulation/Flowsheet");
  EXPECT_FALSE(Has(Rows(frame), "AllVariables")) << ::testing::PrintToString(Rows(frame));
  EXPECT_TRUE(Has(Rows(frame), "LocalVariables"));
  Select(frame, "Simulation/Flowsheet/Blocks/Train2");
  EXPECT_TRUE(Has(Rows(frame), "AllVariables")) << ::testing::PrintToString(Rows(frame));

  // A flowsheet without streams has no Streams item and no Streams row.
  for (const char* stream : {"C1", "M1", "S1", "S2", "S3", "S4", "S5"})
    ASSERT_EQ(Document().Flowsheet().DeleteUnit(stream), S_OK) << stream;
  MessageQueue::Pump();
  EXPECT_EQ(TreeBelow(frame, "Simulation/Flowsheet"), (Strings{"Blocks"}));
  Select(frame, "Simulation/Flowsheet");
  EXPECT_FALSE(Has(Rows(frame), "Streams"));
  EXPECT_TRUE(Has(Rows(frame), "Blocks"));
}

TEST_F(FlowsheetNodesTest, StatisticsSortAsNumbersAndNotOkShowsDashes) {
  Build().Failing(Build().Simulation(), StoreKind::Model, "Broken", "Model Broken\n  x as ;\nEnd\n");
  ASSERT_EQ(Document().Flowsheet().PasteText("", "B1 as Broken;\n"), S_OK);
  CExplorerFrame* frame = OpenExplorer();
  ASSERT_NE(frame, nullptr);
  Select(frame, "Simulation/Flowsheet/Blocks");
  const Strings names = Rows(frame);
  const std::size_t broken = std::find(names.begin(), names.end(), "B1") - names.begin();
  ASSERT_LT(broken, names.size());
  EXPECT_EQ(Rows(frame, 2)[broken], "Not OK");
  for (int column : {3, 4, 5}) EXPECT_EQ(Rows(frame, column)[broken], "-") << column;

  // Equations sort as numbers, "-" as 0.
  ASSERT_TRUE(frame->RunCommand(ID_VIEW_DETAILS));
  CExplorerListView* list = frame->GetListView();
  ASSERT_TRUE(list->UserClickColumn(3));
  Strings equations = Rows(frame, 3);
  std::vector<int> counts;
  for (const std::string& text : equations) counts.push_back(std::atoi(text.c_str()));
  EXPECT_TRUE(std::is_sorted(counts.begin(), counts.end()) || std::is_sorted(counts.rbegin(), counts.rend()))
      << ::testing::PrintToString(equations);
  EXPECT_EQ(list->GetColumnHeading(3), "Equations");
}

// Copy, paste, rename and cut of blocks are the command-line flowsheet script's; here
// what a second Explorer on the same flowsheet sees of them.
TEST_F(FlowsheetNodesTest, ABlockRenamedAndCutInOneExplorerChangesInBoth) {
  CExplorerFrame* first = OpenExplorer();
  CExplorerFrame* second = OpenExplorer();
  ASSERT_TRUE(first && second);
  Select(second, "Simulation/Flowsheet/Blocks");

  // Renamed in place in the first; the second follows.
  CExplorerTreeView* tree = first->GetTreeView();
  Select(first, "Simulation/Flowsheet/Blocks/T101");
  ui.AnswerLabel("Holdup");
  tree->UserBeginLabelEdit(tree->GetSelectedItem());
  MessageQueue::Pump();
  for (CExplorerFrame* frame : {first, second}) {
    const Strings blocks = TreeBelow(frame, "Simulation/Flowsheet/Blocks");
    EXPECT_TRUE(Has(blocks, "Holdup") && !Has(blocks, "T101")) << ::testing::PrintToString(blocks);
  }

  // A name that is taken is refused with the host's reason, and every label stays.
  Select(first, "Simulation/Flowsheet/Blocks/Holdup");
  ui.AnswerLabel("T102");
  ui.AnswerOk();
  tree->UserBeginLabelEdit(tree->GetSelectedItem());
  MessageQueue::Pump();
  ASSERT_FALSE(ui.Prompts().empty());
  EXPECT_EQ(ui.Prompts().back().caption, "Operation Failed");
  for (CExplorerFrame* frame : {first, second})
    EXPECT_TRUE(Has(TreeBelow(frame, "Simulation/Flowsheet/Blocks"), "Holdup"));
  EXPECT_TRUE(Unit("Holdup") && Unit("T102"));

  Select(first, "Simulation/Flowsheet/Blocks/Holdup");
  ASSERT_TRUE(first->RunCommand(ID_EXPLORER_CUT));
  MessageQueue::Pump();
  for (CExplorerFrame* frame : {first, second})
    EXPECT_FALSE(Has(TreeBelow(frame, "Simulation/Flowsheet/Blocks"), "Holdup"));
}

TEST_F(FlowsheetNodesTest, AVariableFixedElsewhereUpdatesTheDegreesOfFreedomInEveryBlocksList) {
  CExplorerFrame* first = OpenExplorer();
  CExplorerFrame* second = OpenExplorer();
  ASSERT_TRUE(first && second);
  for (CExplorerFrame* frame : {first, second}) {
    ASSERT_TRUE(frame->RunCommand(ID_VIEW_DETAILS));
    Select(frame, "Simulation/Flowsheet/Blocks");
  }
  const std::size_t t101 = 3;
  ASSERT_EQ(Rows(first)[t101], "T101");
  const int before = std::atoi(Rows(first, 5)[t101].c_str());
  CComPtr<IQVVariable> area;
  ASSERT_EQ(ComQuery<IQVVariableLookup>(SimulationInstance())->FindVariable("T101.Area", &area), S_OK);
  ASSERT_EQ(area->SetPropertyText("Spec", "Free"), S_OK);
  MessageQueue::Pump();
  // One more unknown, one more degree of freedom: seen in both without a refresh.
  for (CExplorerFrame* frame : {first, second}) EXPECT_EQ(Rows(frame, 5)[t101], std::to_string(before + 1));
}

TEST_F(FlowsheetNodesTest, APasteTheHostCannotReadLeavesTheFlowsheetAsItWas) {
  CExplorerFrame* frame = OpenExplorer();
  ASSERT_NE(frame, nullptr);
  const std::string text = Document().Flowsheet().ContainerType("", false)->Text();
  COleDataSource foreign;
  const std::string payload = "PRINT T101.Level\n";
  foreign.CacheGlobalData(CF_KTR_COPY_SELECTION, std::vector<std::uint8_t>(payload.begin(), payload.end()));
  foreign.SetClipboard();
  Select(frame, "Simulation/Flowsheet");
  ASSERT_TRUE(frame->RunCommand(ID_EXPLORER_PASTE));
  MessageQueue::Pump();
  EXPECT_EQ(Document().Flowsheet().ContainerType("", false)->Text(), text);
  EXPECT_EQ(TreeBelow(frame, "Simulation/Flowsheet/Blocks"), kSampleBlocks);
  EXPECT_NE(Document().Messages().Text().find("Nothing was pasted"), std::string::npos);
}

TEST_F(FlowsheetNodesTest, AStructurePastedOntoTheFlowsheetUnderATakenNameIsRefused) {
  CExplorerFrame* frame = OpenExplorer();
  ASSERT_NE(frame, nullptr);
  auto* flowsheet = dynamic_cast<CQVEOFlowsheet*>(Select(frame, "Simulation/Flowsheet"));
  ASSERT_NE(flowsheet, nullptr);
  auto source = std::make_shared<COleDataSource>();
  ASSERT_TRUE(OfferHostObject(*source, CF_EXPLORER_GLOBAL_STRUCTURE_TYPE, type_access::TypeOf(Unit("Water"))));
  COleDataObject data(source);
  EXPECT_EQ(flowsheet->OnDragOver(&data, 0), static_cast<DWORD>(DROPEFFECT_COPY));

  ui.AnswerName("Water");
  ui.AnswerOk();
  EXPECT_EQ(flowsheet->PasteData(data, DROPEFFECT_COPY), 0);
  // The message names the structure asked for.
  EXPECT_NE(ui.Prompts().back().text.find("\"Water\""), std::string::npos) << ui.Prompts().back().text;
  MessageQueue::Pump();
  EXPECT_EQ(TreeBelow(frame, "Simulation/Flowsheet/Blocks"), kSampleBlocks);

  flowsheet = dynamic_cast<CQVEOFlowsheet*>(Select(frame, "Simulation/Flowsheet"));
  ui.AnswerName("Brine");
  EXPECT_EQ(flowsheet->PasteData(data, DROPEFFECT_COPY), 1);
  MessageQueue::Pump();
  EXPECT_TRUE(Has(TreeBelow(frame, "Simulation/Flowsheet/Blocks"), "Brine"));
  // A hierarchy takes no structures.
  auto* train = dynamic_cast<CQVEOFlowsheet*>(Select(frame, "Simulation/Flowsheet/Blocks/Train2"));
  ASSERT_NE(train, nullptr);
  EXPECT_EQ(train->OnDragOver(&data, 0), static_cast<DWORD>(DROPEFFECT_NONE));
}

TEST_F(FlowsheetNodesTest, AGlobalStructureListsItsBlocksFolderAndIsDeletedAfterTheQuestion) {
  CExplorerFrame* frame = OpenExplorer();
  ASSERT_NE(frame, nullptr);
  CExplorerObject* water = Select(frame, "Simulation/Flowsheet/Blocks/Water");
  ASSERT_NE(water, nullptr);
  EXPECT_EQ(Menu(*water), (Strings{"Explore", "Find...", "-", "Delete", "Copy", "Cut", "Rename", "-", "Properties..."}));
  std::string type;
  water->GetDisplayText(EOAspectType, type);
  EXPECT_EQ(type, "FluidProperties");

  ui.AnswerNo();
  ASSERT_TRUE(frame->RunCommand(ID_EXPLORER_DELETE));
  EXPECT_TRUE(Unit("Water"));
  ui.AnswerYes();
  ASSERT_TRUE(frame->RunCommand(ID_EXPLORER_DELETE));
  MessageQueue::Pump();
  EXPECT_FALSE(Unit("Water"));
  EXPECT_FALSE(Has(TreeBelow(frame, "Simulation/Flowsheet/Blocks"), "Water"));
}

// A window of the application that notes the store's lock-out messages.
class LockoutListener : public CWnd {
 public:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_CORVANECM_CDB_LOCKOUT_STARTS) heard.push_back("starts");
    if (message == WM_CORVANECM_CDB_LOCKOUT_ENDS) heard.push_back("ends");
    return CWnd::WindowProc(message, wParam, lParam);
  }
  Strings heard;
};

TEST_F(FlowsheetNodesTest, CompilingTheFlowsheetLocksOtherWindowsOutAndReportsToTheMessages) {
  CExplorerFrame* frame = OpenExplorer();
  ASSERT_NE(frame, nullptr);
  LockoutListener listener;
  ASSERT_TRUE(listener.Create("listener", "", 0, CRect(0, 0, 10, 10), nullptr, 0));
  Select(frame, "Simulation/Flowsheet");
  Document().Messages().Clear();
  ASSERT_TRUE(frame->RunCommand(ID_EXPLORER_COMPILE));
  EXPECT_EQ(listener.heard, (Strings{"starts", "ends"}));
  const std::string output = Document().Messages().Text();
  EXPECT_NE(output.find("Compiling..."), std::string::npos) << output;
  EXPECT_NE(output.find("Compilation completed. 0 error(s), 0 warning(s)\n"), std::string::npos) << output;
  // The tree still shows the flowsheet it compiled.
  EXPECT_EQ(TreeBelow(frame, "Simulation/Flowsheet/Blocks"), kSampleBlocks);
  listener.DestroyWindow();
}

TEST_F(FlowsheetNodesTest, AFlowsheetWhoseTextFailsIsMarkedAndItsCompileSaysSo) {
  CComPtr<IFType> simulation = type_access::TypeOf(SimulationInstance());
  std::string text;
  ASSERT_EQ(ReadDataObjectText(ComQuery<IDataObject>(simulation), kFlowsheetConstraintsFormat, text), S_OK);
  const std::string broken = text.substr(0, text.rfind("End")) + "  T104 as NoSuchTank;\nEnd\n";
  ASSERT_TRUE(QVCompileConstraints(simulation, broken, "", 524800, 4, 25).HasErrors());

  CExplorerFrame* frame = OpenExplorer();
  ASSERT_NE(frame, nullptr);
  CExplorerTreeView* tree = frame->GetTreeView();
  HTREEITEM item = tree->FindItemByLabels({"Simulation", "Flowsheet"});
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(tree->GetItemState(item, TVIS_OVERLAYMASK), INDEXTOOVERLAYMASK(EO_OVERLAY_ERROR));
  EXPECT_EQ(tree->GetExplorerObject(item)->GetStatusCode(), EO_STATUS_NOT_OK);

  Select(frame, "Simulation/Flowsheet");
  ui.AnswerOk();
  ASSERT_TRUE(frame->RunCommand(ID_EXPLORER_COMPILE));
  ASSERT_FALSE(ui.Prompts().empty());
  EXPECT_EQ(ui.Prompts().back().text, "There are compilation errors...");
  EXPECT_EQ(ui.Prompts().back().caption, "Explorer");
  EXPECT_NE(Document().Messages().Text().find("Compilation completed. 1 error(s)"), std::string::npos)
      << Document().Messages().Text();
}

TEST_F(FlowsheetNodesTest, TheGlobalsPaneListsItsAddEntryThenTheSimulationsTables) {
  CQVEOGlobals globals(type_access::InstanceOf(Store().SimulationType()), &owner);
  globals.ShowContents(list);
  EXPECT_EQ(ListColumn(0), (Strings{"Add Global Table", "AllGlobals", "Operating"}));
  EXPECT_EQ(ListColumn(1), (Strings{"", "Table", "Table"}));
}

}  // namespace
}  // namespace simulation_test
