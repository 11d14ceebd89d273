// Opening Explorer windows: the template the module registers, the root each
// request makes, the captions, the layout kept per root class and the view
// settings kept for all Explorers.
#include "explorer/core/ExplorerExclusionList.h"
#include "explorer/core/ExplorerTemplateId.h"
#include "explorer/nodes/ExplorerNodeClasses.h"
#include "explorer/window/ExplorerDocTemplate.h"
#include "host/framework/CRDocTemplate.h"
#include "host/framework/CorvaneViewContext.h"
#include "platform/Registry.h"
#include "workbench/store/StoreFolder.h"
#include "tests/explorer_window/ExplorerWindowTestSupport.h"

namespace window_test {
namespace {

const std::string kSettings = "Software\\Velloran\\ZNSystem\\38.0\\Explorer\\Settings";

DWORD StoredDword(const std::string& key, const std::string& name, DWORD fallback = 0xDEAD) {
  CRegKey reg;
  DWORD value = fallback;
  if (reg.Open(HKEY_CURRENT_USER, key) == ERROR_SUCCESS) reg.QueryDWORDValue(name, value);
  return value;
}

void StoreDword(const std::string& key, const std::string& name, DWORD value) {
  CRegKey reg;
  ASSERT_EQ(reg.Create(HKEY_CURRENT_USER, key), ERROR_SUCCESS);
  reg.SetDWORDValue(name, value);
}

std::string RootKey(const GUID& rootClass) { return kSettings + "\\" + rootClass.ToString(); }

class FrameCreationTest : public ExplorerWindowTest {};

TEST_F(FrameCreationTest, OpensOnTheSimulationWithCaptionsPanesAndTheListOfExplorers) {
  CStoreType& reactor = Model("Reactor");
  RootSetup().children = {&reactor};
  // Starting the module again registers nothing twice.
  EXPECT_EQ(ADInitDll(), 1);
  EXPECT_NE(app.GetDocTemplate(CLSID_ExplorerTemplate), nullptr);

  CExplorerFrame* first = Open();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->GetWindowText(), "Exploring - Simulation");
  EXPECT_EQ(first->m_nViewType, QV_VIEWTYPE_EXPLORER);
  EXPECT_EQ(first->GetRootObject()->GetClassID(), CLSID_QVEOSimulation);
  EXPECT_EQ(first->GetTreeLabel()->GetText(), " All Items");
  EXPECT_EQ(first->GetContentsLabel()->GetText(), " Contents of Simulation");
  EXPECT_EQ(TreeChildren(first, nullptr), std::vector<std::string>{"Simulation"});
  EXPECT_EQ(TreeChildren(first, Item(first, {"Simulation"})), std::vector<std::string>{"Reactor"});
  EXPECT_EQ(Rows(first), std::vector<std::string>{"Reactor"});
  EXPECT_EQ(first->GetCurrentObject(), first->GetRootObject());
  EXPECT_TRUE(first->GetTreeView()->HasFocus());
  // The view type is written when the frame applies it.
  EXPECT_EQ(StoredDword(kSettings, "ListViewType"), 0u);

  CExplorerFrame* second = Open();
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(CExplorerFrame::ActiveExplorers(), (std::vector<CExplorerFrame*>{second, first}));
  first->SendMessage(WM_CLOSE);
  EXPECT_EQ(CExplorerFrame::ActiveExplorers(), std::vector<CExplorerFrame*>{second});
}

TEST_F(FrameCreationTest, TheLibrariesFlagRootsOnlyTheNextExplorerAtLibraries) {
  CStoreType& libraries = Model("LibrariesHolder");
  Setup(libraries).label = "Libraries";
  // The Libraries node is made for the simulation instance too; its class decides.
  CScopedNodeMaker librariesMaker(CLSID_QVEOLibraries, [](IFInstance*, CExplorerExclusionList* list, CWnd* owner) -> CExplorerObject* {
    CStoreType* holder = nullptr;
    for (auto& [type, setup] : Fixtures::Setups())
      if (setup.label == "Libraries") holder = const_cast<CStoreType*>(type);
    return Fixtures::Make(holder->DefaultInstance(), list, owner);
  });
  CExplorerFrame::m_iSelClsid = 1;
  CExplorerFrame* first = Open();
  CExplorerFrame* second = Open();
  ASSERT_TRUE(first && second);
  EXPECT_EQ(first->GetWindowText(), "Exploring - Libraries");
  EXPECT_EQ(second->GetWindowText(), "Exploring - Simulation");
  EXPECT_EQ(CExplorerFrame::m_iSelClsid, 0);
}

TEST_F(FrameCreationTest, ARecordRootsTheExplorerAtTheNamedTypeWithTheHostsReadOnlyFlag) {
  CStoreType& library = build.Library("Pumps");
  CStoreType& pump = build.Model(build.Palette(library), "Pump");
  Setup(pump).classId = kFolderClass;
  CStoreType& own = Model("Mixer");

  tag_CorvaneViewContext record;
  record.libraryName = "Pumps";
  record.typeName = "Pump";
  record.text = kFolderClass.ToString();
  record.placement = CorvaneWindowPlacement{SW_SHOW, 30, 40, 300, 200};
  CExplorerFrame* fromLibrary = Open(&record);
  ASSERT_NE(fromLibrary, nullptr);
  EXPECT_EQ(fromLibrary->GetWindowText(), "Exploring - Pump");
  EXPECT_EQ(fromLibrary->GetRootObject()->IsLibraryObject(), 1);
  CRect placed;
  fromLibrary->GetWindowRect(&placed);
  EXPECT_EQ(placed.Width(), 300);
  EXPECT_EQ(placed.Height(), 200);

  record.libraryName = SimulationType().Name();
  record.typeName = "Mixer";
  record.placement.reset();
  CExplorerFrame* fromSimulation = Open(&record);
  ASSERT_NE(fromSimulation, nullptr);
  EXPECT_EQ(fromSimulation->GetWindowText(), "Exploring - Mixer");
  EXPECT_EQ(fromSimulation->GetRootObject()->IsLibraryObject(), 0);
  (void)own;
}

TEST_F(FrameCreationTest, NoWindowIsLeftWhenTheRootCannotBeMadeOrIsNotAContainer) {
  const std::size_t nodesBefore = CExplorerObject::LiveCount();
  CStoreType& leaf = Model("Leaf", kLeafClass, false);
  tag_CorvaneViewContext record;
  record.libraryName = SimulationType().Name();
  record.typeName = "Leaf";
  record.text = kLeafClass.ToString();
  EXPECT_EQ(CExplorerFrame::Open(&record), nullptr);
  record.text = "{not a class id}";
  EXPECT_EQ(CExplorerFrame::Open(&record), nullptr);
  record.text = "{00000000-0000-0000-0000-0000000000E1}";  // a class id no node class has
  EXPECT_EQ(CExplorerFrame::Open(&record), nullptr);
  EXPECT_TRUE(CExplorerFrame::ActiveExplorers().empty());
  EXPECT_TRUE(CRQVMDIChildFrame::OpenFrames().empty());
  EXPECT_EQ(CExplorerObject::LiveCount(), nodesBefore);
  (void)leaf;
}

TEST_F(FrameCreationTest, AUserFolderRootNeedsTheNodeClassesRegisteredAndSaysSoWithoutThem) {
  CStoreFolder& units = build.Folder(Simulation(), "BlockTypeFolder/Units");
  tag_CorvaneViewContext record;
  record.libraryName = SimulationType().Name();
  record.text = CLSID_QVEOUserFolder.ToString();
  record.folder = &units;

  // A program that left out the start-up registration gets no window and a reason.
  CExplorerDirectMakers::userFolder = nullptr;
  testing::internal::CaptureStderr();
  EXPECT_EQ(CExplorerFrame::Open(&record), nullptr);
  const std::string said = testing::internal::GetCapturedStderr();
  RegisterExplorerNodeClasses();
  EXPECT_NE(said.find("RegisterExplorerNodeClasses"), std::string::npos) << said;
  EXPECT_TRUE(CExplorerFrame::ActiveExplorers().empty());

  CExplorerFrame* frame = Open(&record);
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(frame->GetRootObject()->GetClassID(), CLSID_QVEOUserFolder);
  EXPECT_EQ(frame->GetWindowText(), "Exploring - Units");
}

TEST_F(FrameCreationTest, PaneOrientationFollowsTheStoredKeyAndValue) {
  const std::string key = RootKey(CLSID_QVEOSimulation) + "\\Pane Orientation";
  CExplorerFrame* noKey = Open();
  ASSERT_NE(noKey, nullptr);
  EXPECT_EQ(noKey->FrameIsVertical(), 0);
  CRect tree, list;
  noKey->GetTreeView()->GetWindowRect(&tree);
  noKey->GetListView()->GetWindowRect(&list);
  EXPECT_GT(list.top, tree.top);  // stacked
  EXPECT_EQ(list.left, tree.left);

  { CRegKey reg; ASSERT_EQ(reg.Create(HKEY_CURRENT_USER, key), ERROR_SUCCESS); }
  CExplorerFrame* keyOnly = Open();
  ASSERT_NE(keyOnly, nullptr);
  EXPECT_EQ(keyOnly->FrameIsVertical(), 1);
  keyOnly->GetTreeView()->GetWindowRect(&tree);
  keyOnly->GetListView()->GetWindowRect(&list);
  EXPECT_GT(list.left, tree.left);  // side by side
  EXPECT_EQ(list.top, tree.top);

  keyOnly->SavePaneOrientation(0);
  EXPECT_EQ(StoredDword(key, "Orientation"), 1u);
  EXPECT_EQ(keyOnly->FrameIsVertical(), 0);
  keyOnly->SavePaneOrientation(1);
  EXPECT_EQ(StoredDword(key, "Orientation"), 0u);
}

TEST_F(FrameCreationTest, TreePaneWidthIsKeptWhenTheBarIsLetGo) {
  const std::string key = RootKey(CLSID_QVEOSimulation) + "\\TreePaneWidth";
  { CRegKey reg; ASSERT_EQ(reg.Create(HKEY_CURRENT_USER, RootKey(CLSID_QVEOSimulation) + "\\Pane Orientation"), ERROR_SUCCESS); }
  CExplorerFrame* frame = Open();
  ASSERT_NE(frame, nullptr);
  auto* outer = dynamic_cast<CSplitterWnd*>(frame->GetTreeView()->GetParent()->GetParent());
  ASSERT_NE(outer, nullptr);

  frame->MoveWindow(0, 0, 800, 600);
  outer->UserDragBar(0, 250);
  EXPECT_EQ(StoredDword(key, "Width"), 250u);
  CRect tree;
  frame->GetTreeView()->GetClientRect(&tree);
  EXPECT_EQ(tree.Width(), 250);
  unsigned width = 0;
  frame->GetTreePaneWidth(width);
  EXPECT_EQ(width, 250u);
}

TEST_F(FrameCreationTest, StoredViewSettingsAreAppliedAtCreation) {
  StoreDword(kSettings, "ListViewType", EXPLORER_VIEW_DETAILS);
  StoreDword(kSettings, "OnlyShowFirstUnconvergedGroup", 1);
  StoreDword(kSettings, "ShowVariablesinGroups", 0);
  CExplorerFrame* frame = Open();
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(frame->GetListView()->GetViewStyle(), static_cast<DWORD>(LVS_REPORT));
  EXPECT_EQ(frame->GetExclusionList()->GetOnlyFirstUnconverged(), 1);
  EXPECT_EQ(frame->GetExclusionList()->GetShowVariablesInGroups(), 0);
  // Applied without a notifier: nothing posted and nothing written back.
  EXPECT_EQ(StoredDword(kSettings, "ShowVariablesinGroups"), 0u);
  EXPECT_EQ(MessageQueue::Size(), 0u);

  EXPECT_TRUE(frame->RunCommand(ID_VIEW_SMALL_ICONS));
  EXPECT_EQ(frame->GetListView()->GetViewStyle(), static_cast<DWORD>(LVS_SMALLICON));
  EXPECT_EQ(StoredDword(kSettings, "ListViewType"), EXPLORER_VIEW_SMALL_ICONS);
  EXPECT_EQ(QueryCommandState(frame, ID_VIEW_SMALL_ICONS).check, 1);
  EXPECT_EQ(QueryCommandState(frame, ID_VIEW_DETAILS).check, 0);
}

}  // namespace
}  // namespace window_test
