// The "Libraries" folder: the order the tree shows the libraries in ("Modeler"
// and "SystemLibrary" last, "syslib.dsl" never), the contents pane's host
// order after " Add Library", and the Explorer hiding either class.
#include "explorer/core/ExplorerExclusionList.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/nodes/simulation/LibraryOrder.h"
#include "explorer/nodes/simulation/QVEOLibraries.h"
#include "tests/explorer_simulation/SimulationTestSupport.h"

namespace simulation_test {
namespace {

using Strings = std::vector<std::string>;
using LibrariesTest = SimulationTest;

Strings Ordered(const Strings& names) {
  Strings ordered;
  for (std::size_t i : LibraryTreeOrder(names)) ordered.push_back(names[i]);
  return ordered;
}

TEST(LibraryOrderTest, OthersKeepTheHostsOrderThenModelerThenSystemLibraryAndSyslibIsNeverShown) {
  EXPECT_EQ(Ordered({"SystemLibrary", "syslib.dsl", "Modeler", "ProcessUnits"}),
            (Strings{"ProcessUnits", "Modeler", "SystemLibrary"}));
  EXPECT_EQ(Ordered({"modeler", "Zeta", "SYSTEMLIBRARY", "Alpha", "syslib.dsl", "Mid"}),
            (Strings{"Zeta", "Alpha", "Mid", "modeler", "SYSTEMLIBRARY"}));
  // "syslib.dsl" is recognised by its exact name only; near names are ordinary libraries.
  EXPECT_EQ(Ordered({"SysLib.dsl", "syslib.dsl ", "syslib"}), (Strings{"SysLib.dsl", "syslib.dsl ", "syslib"}));
  EXPECT_FALSE(IsShownLibrary("syslib.dsl"));
  EXPECT_TRUE(IsShownLibrary("SYSLIB.DSL"));
  // Names that only contain the special names are not special.
  EXPECT_EQ(Ordered({"SystemLibrary2", "MyModeler", "B"}), (Strings{"SystemLibrary2", "MyModeler", "B"}));
  // Two libraries answering to one special name both stay, in the host's order.
  EXPECT_EQ(Ordered({"Modeler", "A", "MODELER"}), (Strings{"A", "Modeler", "MODELER"}));
  EXPECT_TRUE(Ordered({}).empty());
}

TEST_F(LibrariesTest, ContentsPaneStartsWithAddLibraryAndKeepsTheHostsOrder) {
  OpenSample();
  StandIns standIns;
  CQVEOLibraries libraries(&owner);
  EXPECT_EQ(libraries.ShowContents(list), 0);
  EXPECT_EQ(ListHeadings(), (Strings{"Name", "Type"}));
  EXPECT_EQ(ListColumn(0), (Strings{" Add Library", "SystemLibrary", "Modeler", "ProcessUnits"}));
  EXPECT_EQ(ListColumn(1), (Strings{"stand-in", "stand-in", "stand-in", "stand-in"}));
}

TEST_F(LibrariesTest, AnExplorerThatHidesLibrariesOrTheAddEntryLeavesThemOut) {
  OpenSample();
  StandIns standIns;
  CExplorerExclusionList noLibraries(CLSID_QVEOSimulation, 0);
  noLibraries.Add(CLSID_QVEOLibrary);
  CQVEOLibraries libraries(&owner, &noLibraries);
  HTREEITEM item = libraries.ShowContents(tree, TVI_ROOT);
  tree.SetItemData(item, 0);
  EXPECT_TRUE(TreeChildren(item).empty());
  libraries.ShowContents(list);
  EXPECT_EQ(ListColumn(0), (Strings{" Add Library"}));
  ClearPanes();

  CExplorerExclusionList noAdd(CLSID_QVEOSimulation, 0);
  noAdd.Add(CLSID_QVEOAddLibrary);
  CQVEOLibraries withoutAdd(&owner, &noAdd);
  withoutAdd.ShowContents(list);
  EXPECT_EQ(ListColumn(0), (Strings{"SystemLibrary", "Modeler", "ProcessUnits"}));
  // The libraries made here carry the Explorer's list on to their own children.
  auto* library = dynamic_cast<CExplorerContainerObject*>(RowNode(0));
  ASSERT_NE(library, nullptr);
  EXPECT_EQ(library->GetExclusionList(), &noAdd);
}

TEST_F(LibrariesTest, TreeShowsTheSampleLibrariesModelerAndSystemLibraryLastAndReadOnly) {
  OpenSample();
  CQVEOLibraries libraries(&owner);
  HTREEITEM item = libraries.ShowContents(tree, TVI_ROOT);
  tree.SetItemData(item, 0);
  EXPECT_EQ(TreeChildren(item), (Strings{"ProcessUnits", "Modeler", "SystemLibrary"}));
  HTREEITEM library = FindChild(item, "ProcessUnits");
  ASSERT_TRUE(library);
  EXPECT_EQ(ItemNode(library)->GetClassID(), CLSID_QVEOLibrary);
  EXPECT_TRUE(ItemNode(library)->IsLibraryObject());
  EXPECT_EQ(libraries.IsEmpty(), 0);
  // Its menu offers only "E&xplore".
  EXPECT_EQ(MenuTexts(libraries), (Strings{"Explore"}));
}

}  // namespace
}  // namespace simulation_test
