// A model library as the user sees it: its name, its children in both panes,
// what its menu offers, and that it takes nothing since it cannot change.
#include "explorer/core/ExplorerClipboardFormats.h"
#include "explorer/core/ExplorerCommands.h"
#include "explorer/core/ExplorerMessages.h"
#include "explorer/nodes/library/QVEOLibrary.h"
#include "explorer/resources/CommandIds.h"
#include "tests/explorer_library/LibraryTestSupport.h"

namespace library_test {
namespace {

class LibraryNodeTest : public LibraryTest {};

TEST_F(LibraryNodeTest, NameIsTheFileLeafWithoutExtension) {
  EXPECT_EQ(CQVEOLibrary::GetFileLeafName("/data/libs/ProcessUnits.vlib"), "ProcessUnits");
  EXPECT_EQ(CQVEOLibrary::GetFileLeafName("C:\\libs\\syslib.dsl.vlib"), "syslib.dsl");
  EXPECT_EQ(CQVEOLibrary::GetFileLeafName("/data/libs.d/NoExtension"), "");

  OpenSample();
  CQVEOLibrary library(LibraryInstance("ProcessUnits"), &exclusions, &owner, 0);
  std::string text;
  EXPECT_TRUE(library.GetDisplayText(EOAspectName, text));
  EXPECT_EQ(text, "ProcessUnits");
  EXPECT_TRUE(library.GetDisplayText(EOAspectType, text));
  EXPECT_EQ(text, "Library");
  EXPECT_FALSE(library.GetDisplayText(EOAspectStatus, text));
  EXPECT_TRUE(library.IsLibraryObject()) << "a library is read-only whatever its maker asked";
}

TEST_F(LibraryNodeTest, ReadOnlyLibraryOffersNoRebuildPasteOrDrop) {
  OpenSample();
  CStoreType& model = *Store().FindLibrary("ProcessUnits");
  CQVEOLibrary library(LibraryInstance("ProcessUnits"), &exclusions, &owner);
  PutOnClipboard(ObjectData(CF_EXPLORER_VARIABLE_TYPE, model));

  EXPECT_EQ(MenuTexts(library), (Texts{"Explore", "-", "Export...", "-", "Properties..."}));
  EXPECT_FALSE(library.CanDoCommand(ID_EXPLORER_REBUILD));
  EXPECT_FALSE(library.CanDoCommand(ID_EXPLORER_PASTE));
  EXPECT_TRUE(library.CanDoCommand(ID_EXPLORER_CLOSE_LIBRARY));
  COleDataObject data(ObjectData(CF_EXPLORER_VARIABLE_TYPE, model));
  EXPECT_EQ(library.OnDragOver(&data, MK_SHIFT), DROPEFFECT_NONE);
  EXPECT_FALSE(library.OnDrop(&data, DROPEFFECT_COPY));
  EXPECT_EQ(owner.Count(EXPLORER_CONTENTS_CHANGED), 0);
}

TEST_F(LibraryNodeTest, CloseLibrarySaysItIsDisabled) {
  OpenSample();
  CQVEOLibrary library(LibraryInstance("Modeler"), &exclusions, &owner);
  ui.AnswerOk();
  library.DoCommand(ID_EXPLORER_CLOSE_LIBRARY);
  ASSERT_EQ(ui.Prompts().size(), 1u);
  EXPECT_EQ(ui.Messages()[0], "Explorer: Close library current disabled.");
  EXPECT_EQ(Store().Libraries().size(), 4u) << "nothing is closed";
}

TEST_F(LibraryNodeTest, ContentsPaneListsFoldersUserFoldersAndUsedLibrariesInOrder) {
  OpenSample();
  CQVEOLibrary library(LibraryInstance("ProcessUnits"), &exclusions, &owner);
  ShowInList(library);
  EXPECT_EQ(ListHeadings(), (Texts{"Name", "Type", "Status"}));
  // No " Add Folder": the library cannot change. No structure types: it has none.
  EXPECT_EQ(ListColumn(0), (Texts{"Models", "Valves", "Vessels", "Stream Types", "Parameter Types",
                                         "Variable Types", "Port Types", "Procedures", "Tasks", "Scripts",
                                         "SystemLibrary", "Modeler"}));
  EXPECT_EQ(ListColumn(1)[0], "Folder");
  EXPECT_EQ(ListColumn(1)[1], "Model Folder");
  EXPECT_EQ(ListColumn(1).back(), "Library");
}

TEST_F(LibraryNodeTest, TreeSortsItsChildrenAndHidesTheSystemLibraries) {
  OpenSample();
  HTREEITEM item = ShowInTree(new CQVEOLibrary(LibraryInstance("ProcessUnits"), &exclusions, &owner));
  ASSERT_TRUE(item);
  EXPECT_EQ(tree.GetItemText(item), "ProcessUnits");
  EXPECT_EQ(TreeChildren(item), (Texts{"Modeler", "Models", "Parameter Types", "Port Types", "Procedures",
                                              "Scripts", "Stream Types", "Tasks", "Valves", "Variable Types",
                                              "Vessels"}));
  // The models show below their folder; the models of a user folder below it.
  EXPECT_EQ(TreeChildren(FindChild(item, "Valves")), (Texts{"Valve"}));
}

TEST_F(LibraryNodeTest, LibraryWithoutInstanceShowsOnlyItself) {
  CQVEOLibrary library(nullptr, &exclusions, &owner);
  ShowInList(library);
  EXPECT_EQ(list.GetItemCount(), 0);
  EXPECT_TRUE(library.IsEmpty());
  EXPECT_FALSE(library.CanExport());
  std::string text;
  EXPECT_FALSE(library.GetDisplayText(EOAspectName, text));
  HTREEITEM item = ShowInTree(new CQVEOLibrary(nullptr, &exclusions, &owner));
  ASSERT_TRUE(item);
  EXPECT_TRUE(TreeChildren(item).empty());
}

}  // namespace
}  // namespace library_test
