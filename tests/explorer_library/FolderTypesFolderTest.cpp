// The simulation's own types folder: its children, what it offers when it may
// or may not change, types dragged or pasted onto it from a library, and the
// export beside a model package. (Its name, "Custom Modeling" or the read-only
// "Local Library", is read by the end-to-end and command-line tests.)
#include <fstream>
#include <sstream>

#include "explorer/core/ExplorerClipboardFormats.h"
#include "explorer/core/ExplorerCommands.h"
#include "explorer/core/ExplorerMessages.h"
#include "explorer/core/TypeAccess.h"
#include "explorer/nodes/library/QVEOTypesFolder.h"
#include "explorer/resources/CommandIds.h"
#include "tests/explorer_library/LibraryTestSupport.h"

namespace library_test {
namespace {

class FolderTypesFolderTest : public LibraryTest {
 protected:
  std::unique_ptr<CQVEOTypesFolder> TypesFolder(int readOnly = 0) {
    return std::make_unique<CQVEOTypesFolder>(SimulationInstance(), &exclusions, &owner, readOnly);
  }
  bool SimulationHolds(const std::string& name) {
    CComPtr<IFTypeDesc> desc;
    return SUCCEEDED(Simulation().FindType(name, &desc)) && desc && type_access::HeldBy(desc, &Simulation());
  }
};

TEST_F(FolderTypesFolderTest, MenusFollowTheReadOnlyFlag) {
  OpenSample();
  EXPECT_EQ(MenuTexts(*TypesFolder(0)), (Texts{"Explore", "-", "Rebuild", "-", "Export...", "-", "Properties..."}));
  auto locked = TypesFolder(1);
  EXPECT_EQ(MenuTexts(*locked), (Texts{"Explore", "-", "Export..."}));
  EXPECT_FALSE(locked->CanDoCommand(ID_EXPLORER_REBUILD));
  EXPECT_FALSE(locked->CanDoCommand(ID_EXPLORER_PROPERTIES));
  EXPECT_TRUE(locked->CanDoCommand(ID_EXPLORER_INSERT));
  EXPECT_FALSE(locked->CanDoCommand(ID_EXPLORER_CLOSE_LIBRARY)) << "close library belongs to libraries";
  // Properties reads the folders from an Explorer's tree; a node owned by no Explorer opens nothing.
  TypesFolder(0)->DoCommand(ID_EXPLORER_PROPERTIES);
  EXPECT_TRUE(ui.Prompts().empty());
}

TEST_F(FolderTypesFolderTest, ChildrenInBothPanes) {
  OpenSample();
  auto folder = TypesFolder();
  ShowInList(*folder);
  EXPECT_EQ(ListColumn(0), (Texts{" Add Folder", "Models", "Structure Types", "Storage", "FlowControl", "Obsolete",
                                  "Stream Types", "Parameter Types", "Variable Types", "Port Types", "Procedures",
                                  "Tasks", "Scripts"}));
  HTREEITEM item = ShowInTree(TypesFolder().release());
  ASSERT_TRUE(item);
  EXPECT_EQ(TreeChildren(item), (Texts{"FlowControl", "Models", "Obsolete", "Parameter Types", "Port Types",
                                       "Procedures", "Scripts", "Storage", "Stream Types", "Structure Types",
                                       "Tasks", "Variable Types"}));
  // A read-only types folder has no Add entry; its empty folders stay in the tree.
  ClearPanes();
  auto locked = TypesFolder(1);
  ShowInList(*locked);
  EXPECT_EQ(ListColumn(0).front(), "Models");
}

TEST_F(FolderTypesFolderTest, ModelDraggedFromALibraryIsCopiedAndAnnounced) {
  OpenSample();
  CStoreType& valve = *Store().FindLibrary("ProcessUnits")->OwnedPalette()->Find("Valve");
  auto folder = TypesFolder();
  COleDataObject data(ModelData(valve));
  EXPECT_EQ(folder->OnDragOver(&data, 0), DROPEFFECT_COPY);
  EXPECT_EQ(folder->OnDragOver(&data, MK_SHIFT), DROPEFFECT_MOVE);
  EXPECT_TRUE(folder->OnDrop(&data, DROPEFFECT_COPY));
  EXPECT_TRUE(SimulationHolds("Valve"));
  EXPECT_EQ(addedClasses, (Texts{CLSID_QVEOBlockType.ToString()}));
  MessageQueue::Pump();
  EXPECT_EQ(owner.Count(EXPLORER_CONTENTS_CHANGED), 1);
}

TEST_F(FolderTypesFolderTest, StreamTypePastedIsAnnouncedAsAStreamType) {
  OpenSample();
  CStoreType& line = *Simulation().Find("LiquidLine");
  auto folder = TypesFolder();
  PutOnClipboard(ModelData(line, true));
  ASSERT_TRUE(folder->CanDoCommand(ID_EXPLORER_PASTE));
  ui.AnswerOk();  // the copy's proposed name
  folder->DoCommand(ID_EXPLORER_PASTE);
  EXPECT_TRUE(SimulationHolds("Copy_of_LiquidLine"));
  EXPECT_EQ(addedClasses, (Texts{CLSID_QVEOStreamType.ToString()}));
  EXPECT_TRUE(Simulation().Find("LiquidLine")) << "a copy leaves the source";
}

TEST_F(FolderTypesFolderTest, ExportBesideAModelPackageWritesCustomModelingFile) {
  OpenSample();
  auto folder = TypesFolder();
  const std::string directory = config.Path() + "/";
  std::string written;
  EXPECT_TRUE(folder->ExportForRmplzCustMod("  " + directory + "Tank.rmplz  ", written));
  EXPECT_EQ(written, directory + "CustomModeling.ktrf");
  std::ifstream file(written);
  std::stringstream text;
  text << file.rdbuf();
  EXPECT_NE(text.str().find("BufferTank"), std::string::npos);
  // A directory that does not exist: nothing written, reported as failure.
  EXPECT_FALSE(folder->ExportForRmplzCustMod(directory + "missing/Tank.rmplz", written));
}

}  // namespace
}  // namespace library_test
