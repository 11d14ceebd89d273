// The simulation root in both panes: its top-level nodes in the tree's order
// and in the contents pane's order, the classes an Explorer hides, the
// custom-modeling setting on the types folder, children that cannot show
// themselves, and a root without a simulation.
#include <memory>

#include "explorer/core/ExplorerExclusionList.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/core/TypeAccess.h"
#include "explorer/nodes/simulation/QVEOSimulation.h"
#include "host/diagnostics/IZNDiagnostics.h"
#include "tests/explorer_simulation/SimulationTestSupport.h"
#include "workbench/document/DocumentFiles.h"

namespace simulation_test {
namespace {

class SimulationRootTest : public SampleSimulationTest {
 protected:

  // The root's children in the tree.
  Strings ShowTree(CQVEOSimulation& root) {
    HTREEITEM item = root.ShowContents(tree, TVI_ROOT);
    EXPECT_NE(item, nullptr);
    EXPECT_EQ(tree.GetItemText(item), "Simulation");
    EXPECT_EQ(ItemNode(item), &root);
    tree.SetItemData(item, 0);  // the test owns the root, the tree its children
    return TreeChildren(item);
  }
};

// Diagnostics that report a run.
class PresentDiagnostics : public CComObject<IZNDiagnostics> {
 public:
  HRESULT IsPresent(bool* present) override {
    *present = true;
    return S_OK;
  }
  HRESULT EnumDecompositions(IEnum<IZNDecomposition>**) override { return E_NOTIMPL; }
  HRESULT GetEquivalenceCount(int*) override { return E_NOTIMPL; }
  HRESULT EnumEquivalences(IEnum<IZNDecompEquivalence>**) override { return E_NOTIMPL; }
  HRESULT GetOptions(IQVSolverOptions**) override { return E_NOTIMPL; }
};

// The stand-in host after a run that left diagnostics.
class AppAfterARun : public CWorkbenchApp {
 public:
  class Document : public CWorkbenchDocument {
   public:
    HRESULT GetDiagnostics(IZNDiagnostics** diagnostics) override {
      CComPtr<IZNDiagnostics> present = MakeComObject<PresentDiagnostics>();
      return present.CopyTo(diagnostics);
    }
  };
  CRQVDocument* GetCurrentDocument() override { return &document; }
  Document document;
};

TEST_F(SimulationRootTest, TreeShowsTheTopLevelNodesInItsOrderOnceEveryClassExists) {
  StandIns standIns;
  const int cancelsBefore = Document().CancelStreamRequests();
  CQVEOSimulation root(SimulationInstance(), nullptr, &owner);
  EXPECT_EQ(ShowTree(root),
            (Strings{"Component Lists", "Globals", "Flowsheet", "Custom Modeling", "Libraries", "Simulation Options",
                     "Analysis Tools", "UOM Sets", "Interfacing", "Diagnostics"}));
  // Showing the root ends any stream being drawn on the flowsheet.
  EXPECT_EQ(Document().CancelStreamRequests(), cancelsBefore + 1);
  // The flowsheet and diagnostics are made on the simulation; the types folder on the simulation's type.
  EXPECT_EQ(StandInNode::madeFor[CLSID_QVEOFlowsheet], SimulationInstance());
  EXPECT_EQ(StandInNode::madeFor[CLSID_QVEODiagnostic], SimulationInstance());
  EXPECT_EQ(type_access::TypeOf(StandInNode::madeFor[CLSID_QVEOTypesFolder]).Get(),
            static_cast<IFType*>(Store().SimulationType()));
}

TEST_F(SimulationRootTest, ContentsPaneListsTheTopLevelNodesInItsOwnOrderWithTypeAndStatus) {
  StandIns standIns;
  CQVEOSimulation root(SimulationInstance(), nullptr, &owner);
  EXPECT_EQ(root.ShowContents(list), 0);
  EXPECT_EQ(ListHeadings(), (Strings{"Name", "Type", "Status"}));
  // No run has left diagnostics, so there is no diagnostics row.
  EXPECT_EQ(ListColumn(0), (Strings{"Flowsheet", "Custom Modeling", "Libraries", "Component Lists", "Interfacing",
                                    "Simulation Options", "Globals", "Analysis Tools", "UOM Sets"}));
  EXPECT_EQ(ListColumn(1), (Strings{"stand-in", "stand-in", "Libraries", "stand-in", "Interfacing", "Options",
                                    "Globals", "Analysis Tools", "UOM Sets"}));
  EXPECT_EQ(ListColumn(2), (Strings{"ready", "ready", "", "ready", "", "", "", "", ""}));
  EXPECT_EQ(RowNode(6)->GetClassID(), CLSID_QVEOGlobals);
}

TEST_F(SimulationRootTest, DiagnosticsJoinTheContentsPaneOnlyAfterARunLeftThem) {
  StandIns standIns;
  AppAfterARun afterRun;
  CQVEOSimulation root(SimulationInstance(), nullptr, &owner);
  root.ShowContents(list);
  EXPECT_EQ(ListColumn(0), (Strings{"Flowsheet", "Custom Modeling", "Libraries", "Component Lists", "Diagnostics",
                                    "Interfacing", "Simulation Options", "Globals", "Analysis Tools", "UOM Sets"}));
  ClearPanes();

  // An Explorer that hides diagnostics shows no row even then.
  CExplorerExclusionList hidden(CLSID_QVEOSimulation, 0);
  hidden.Add(CLSID_QVEODiagnostic);
  CQVEOSimulation filtered(SimulationInstance(), &hidden, &owner);
  filtered.ShowContents(list);
  EXPECT_EQ(ListColumn(0)[4], "Interfacing");
}

TEST_F(SimulationRootTest, HiddenClassesLeaveTheOtherTopLevelNodesInBothPanes) {
  StandIns standIns;
  CExplorerExclusionList hidden(CLSID_QVEOSimulation, 0);
  for (const GUID* classId : {&CLSID_QVEOFlowsheet, &CLSID_QVEOTypesFolder, &CLSID_QVEOComponentLists,
                              &CLSID_QVEODiagnostic})
    hidden.Add(*classId);
  CQVEOSimulation root(SimulationInstance(), &hidden, &owner);
  EXPECT_EQ(ShowTree(root), (Strings{"Globals", "Libraries", "Simulation Options", "Analysis Tools", "UOM Sets",
                                     "Interfacing"}));
  root.ShowContents(list);
  EXPECT_EQ(ListColumn(0), (Strings{"Libraries", "Interfacing", "Simulation Options", "Globals", "Analysis Tools",
                                    "UOM Sets"}));
  // The children the root makes share the Explorer's list.
  auto* libraries = dynamic_cast<CExplorerContainerObject*>(RowNode(0));
  ASSERT_NE(libraries, nullptr);
  EXPECT_EQ(libraries->GetExclusionList(), &hidden);
}

TEST_F(SimulationRootTest, TypesFolderIsReadOnlyWhileCustomModelingIsOff) {
  StandIns standIns;
  CQVEOSimulation root(SimulationInstance(), nullptr, &owner);
  CRQVDocument::m_bCustomModeling = false;
  ShowTree(root);
  EXPECT_EQ(StandInNode::readOnlyWhenShown[CLSID_QVEOTypesFolder], 1);
  // The other children keep their own flags.
  EXPECT_EQ(StandInNode::readOnlyWhenShown[CLSID_QVEOFlowsheet], 0);
  root.ShowContents(list);
  EXPECT_EQ(RowNode(1)->IsLibraryObject(), 1);
  ClearPanes();

  // The next refresh picks the setting up again.
  CRQVDocument::m_bCustomModeling = true;
  ShowTree(root);
  EXPECT_EQ(StandInNode::readOnlyWhenShown[CLSID_QVEOTypesFolder], 0);
  root.ShowContents(list);
  EXPECT_EQ(RowNode(1)->IsLibraryObject(), 0);
}

TEST_F(SimulationRootTest, AChildThatCannotShowItselfIsDroppedAndTheNextOneStillComes) {
  StandIns standIns;
  StandInNode::refuseTree = {CLSID_QVEOFlowsheet, CLSID_QVEODiagnostic};
  CQVEOSimulation root(SimulationInstance(), nullptr, &owner);
  const std::size_t live = CExplorerObject::LiveCount();
  Strings children = ShowTree(root);
  EXPECT_EQ(children, (Strings{"Component Lists", "Globals", "Custom Modeling", "Libraries", "Simulation Options",
                               "Analysis Tools", "UOM Sets", "Interfacing"}));
  // Every node made is held by a tree item (the root's own item aside): the refused ones were deleted at once.
  EXPECT_EQ(CExplorerObject::LiveCount(), live + tree.GetCount() - 1);
}

TEST_F(SimulationRootTest, WithoutASimulationTheRootShowsOnlyItself) {
  StandIns standIns;
  CQVEOSimulation root(nullptr, nullptr, &owner);
  EXPECT_TRUE(ShowTree(root).empty());
  EXPECT_EQ(root.ShowContents(list), 0);
  EXPECT_EQ(ListHeadings(), (Strings{"Name", "Type", "Status"}));
  EXPECT_EQ(list.GetItemCount(), 0);
  EXPECT_EQ(root.GetSimulationType(), nullptr);
  EXPECT_FALSE(root.IsValid());

  // A simulation whose type the host no longer has is treated the same.
  ClearPanes();
  CComPtr<IFInstance> simulation = SimulationInstance();
  CQVEOSimulation stale(simulation, nullptr, &owner);
  FileProblem problem;
  ASSERT_TRUE(app.OpenDocument(DefaultSamplePath(""), problem));  // the old store goes away
  EXPECT_TRUE(ShowTree(stale).empty());
}

}  // namespace
}  // namespace simulation_test
