// Folders: kind folders of every palette, user folders nested at any depth,
// moving types between folders through the folder interface, searching
// sub-folders, removal rules and the toolbar settings of a user folder.
#include "host/store/TypeFlags.h"
#include "tests/workbench_store/StoreTestSupport.h"

namespace {

std::vector<std::string> FolderNames(IFFolder* folder) {
  std::vector<std::string> names;
  CComPtr<IEnum<IFFolder>> folders;
  if (FAILED(folder->EnumFolders(&folders))) return names;
  CComPtr<IFFolder> sub;
  while (folders->Next(&sub) == S_OK) {
    std::string name;
    sub->GetName(name);
    names.push_back(name);
  }
  return names;
}

class FolderTest : public StoreTest {};

TEST_F(FolderTest, LibrariesAndTheSimulationHaveEveryKindFolderFromTheStart) {
  CComPtr<IFFolder> root = ComQuery<IFFolder>(static_cast<IFTypePalette*>(&Simulation()));
  ASSERT_TRUE(root);
  EXPECT_EQ(FolderNames(root),
            (std::vector<std::string>{"BlockTypeFolder", "StructureTypeFolder", "StreamTypeFolder",
                                      "ParameterTypeFolder", "VariableTypeFolder", "PortTypeFolder", "ProcTypeFolder",
                                      "FunctionTypeFolder", "TaskTypeFolder", "ScriptTypeFolder"}));
  CComPtr<IFFolder> parent;
  EXPECT_EQ(root->GetParent(&parent), E_FAIL);
  EXPECT_EQ(root->SetName("Other"), FE_READONLY);
  // Compiled-types folders appear with the first failing type; asking does not make them.
  EXPECT_FALSE(NamedFolder(Simulation(), "CompiledModelFolder"));
  CComPtr<IFFolderCollection> folders = ComQuery<IFFolderCollection>(static_cast<IFTypePalette*>(&Simulation()));
  CComPtr<IFFolder> made;
  EXPECT_EQ(folders->GetFolder("CompiledModelFolder", true, &made), S_OK);
  EXPECT_TRUE(made);
  EXPECT_EQ(folders->GetFolder("bad name", true, &made), FE_INVALIDNAME);
}

TEST_F(FolderTest, FoldersStopNestingAtTheirDepthLimitSoEveryWalkOverThemEnds) {
  CStoreFolder* folder = Simulation().RootFolder();
  for (std::size_t level = 1; level <= CStoreFolder::kMaxDepth; ++level) {
    folder = folder->MakeSubFolder("F" + std::to_string(level), FF_USER_FOLDER);
    ASSERT_NE(folder, nullptr) << level;
  }
  EXPECT_EQ(folder->Depth(), CStoreFolder::kMaxDepth);
  EXPECT_EQ(folder->MakeSubFolder("TooDeep", FF_USER_FOLDER), nullptr);
  CComPtr<IFFolder> made;
  EXPECT_TRUE(FAILED(folder->CreateFolder("TooDeep", FF_USER_FOLDER, &made)));
  EXPECT_FALSE(made);
  EXPECT_EQ(Simulation().RootFolder()->FindHolder("Nothing"), nullptr);
  EXPECT_EQ(folder->Path().size(), CStoreFolder::kMaxDepth);
}

TEST_F(FolderTest, UserFoldersNestAtAnyDepthAndKnowTheirPath) {
  CStoreFolder& deepest = build.NestedFolders(Simulation(), 40);
  EXPECT_EQ(deepest.Path().size(), 41u);
  EXPECT_EQ(deepest.Path().front(), "BlockTypeFolder");
  EXPECT_EQ(deepest.Path().back(), "Folder40");
  EXPECT_EQ(Simulation().FolderPath(deepest.Path(), false), &deepest);
  // Each user folder holds the two kind sub-folders that models and structure types are listed in.
  EXPECT_EQ(FolderNames(&deepest), (std::vector<std::string>{"BlockTypeFolder", "StructureTypeFolder"}));
  EXPECT_EQ(deepest.Flags(), FF_USER_FOLDER);

  CComPtr<IFFolder> up;
  ASSERT_EQ(deepest.GetParent(&up), S_OK);
  std::string name;
  up->GetName(name);
  EXPECT_EQ(name, "Folder39");
  EXPECT_EQ(Simulation().FolderPath({"BlockTypeFolder", "Nowhere"}, false), nullptr);
}

// Moving through the folder interface is the Explorer's folder-move test; here
// the store's side: the search finds the holder, and renames and deletions follow.
TEST_F(FolderTest, ATypeInAUserFolderIsFoundByADepthFirstSearchAndFollowsItsType) {
  CStoreType& tank = build.Model(Simulation(), "Tank");
  build.Model(Simulation(), "Pump");
  build.Folder(Simulation(), "BlockTypeFolder/Units");
  CStoreFolder& vessels = build.Folder(Simulation(), "BlockTypeFolder/Units/Vessels");
  build.MoveTo(tank, vessels);
  CComPtr<IFFolder> models = NamedFolder(Simulation(), "BlockTypeFolder");
  CStoreFolder* vesselModels = vessels.SubFolder("BlockTypeFolder");
  EXPECT_EQ(TypeNames(models), std::vector<std::string>{"Pump"});
  EXPECT_EQ(Simulation().RootFolder()->FindHolder("tank"), vesselModels);

  ASSERT_EQ(Simulation().RenameType("Tank", "Drum"), S_OK);
  EXPECT_EQ(TypeNames(vesselModels), std::vector<std::string>{"Drum"});
  ASSERT_EQ(Table(Simulation())->DeleteType("Drum"), S_OK);
  EXPECT_TRUE(TypeNames(vesselModels).empty());
}

TEST_F(FolderTest, FoldersAreMadeRenamedAndRemovedByTheRules) {
  CComPtr<IFFolder> models = NamedFolder(Simulation(), "BlockTypeFolder");
  CComPtr<IFFolder> units;
  ASSERT_EQ(models->CreateFolder("Units", FF_USER_FOLDER, &units), S_OK);
  EXPECT_EQ(models->CreateFolder("UNITS", FF_USER_FOLDER, nullptr), FE_NAMEEXISTS);
  EXPECT_EQ(models->CreateFolder("two words", FF_USER_FOLDER, nullptr), FE_INVALIDNAME);
  CComPtr<IFFolder> other;
  ASSERT_EQ(models->CreateFolder("Other", FF_USER_FOLDER, &other), S_OK);
  EXPECT_EQ(other->SetName("units"), FE_NAMEEXISTS);
  EXPECT_EQ(other->SetName("Spare"), S_OK);
  CComPtr<IFFolder> found;
  EXPECT_EQ(models->FindFolder("spare", &found), S_OK);
  EXPECT_TRUE(IsSameObject(found, other));

  // A folder that still lists a type is not removed; empty sub-folders do not count.
  build.MoveTo(build.Model(Simulation(), "Tank"), *Simulation().KindFolder(StoreKind::Model)->SubFolder("Units"));
  EXPECT_EQ(models->RemoveFolder("Units"), FE_NOTEMPTY);
  ASSERT_EQ(Table(Simulation())->DeleteType("Tank"), S_OK);
  EXPECT_EQ(models->RemoveFolder("Units"), S_OK);
  EXPECT_EQ(models->RemoveFolder("Units"), FE_NOTFOUND);
  EXPECT_EQ(FolderNames(models), std::vector<std::string>{"Spare"});
}

TEST_F(FolderTest, AReadOnlyLibrarysFoldersDoNotChange) {
  CStoreType& library = build.Library("Units");
  build.Folder(build.Palette(library), "BlockTypeFolder/Pumps");
  CComPtr<IFFolder> models = NamedFolder(build.Palette(library), "BlockTypeFolder");
  EXPECT_EQ(models->CreateFolder("More", FF_USER_FOLDER, nullptr), FE_READONLY);
  EXPECT_EQ(models->RemoveFolder("Pumps"), FE_READONLY);
  CComPtr<IFFolder> pumps;
  ASSERT_EQ(models->FindFolder("Pumps", &pumps), S_OK);
  EXPECT_EQ(pumps->SetName("Fans"), FE_READONLY);
  // Nor do its toolbar settings: a refused setting is reported, never kept.
  EXPECT_EQ(pumps->SetToolbarOrder(3), FE_READONLY);
  EXPECT_EQ(pumps->SetTankIcon(-1), FE_READONLY);
  EXPECT_EQ(pumps->SetDescription(std::string("Fans")), FE_READONLY);
  int order = -5;
  pumps->GetToolbarOrder(&order);
  EXPECT_EQ(order, 0);
}

}  // namespace

TEST_F(FolderTest, ARemovedFolderRefusesEveryChange) {
  CStoreFolder& models = *Simulation().KindFolder(StoreKind::Model);
  CComPtr<CStoreFolder> units(&build.Folder(Simulation(), "BlockTypeFolder/Units"));
  ASSERT_EQ(units->RemoveFolder("BlockTypeFolder"), S_OK);
  ASSERT_EQ(units->RemoveFolder("StructureTypeFolder"), S_OK);
  ASSERT_EQ(models.RemoveFolder("Units"), S_OK);
  // Whoever still holds it is told it is gone rather than keeping settings nobody will see.
  EXPECT_EQ(units->SetToolbarOrder(2), FE_STALE);
  EXPECT_EQ(units->SetTankIcon(-1), FE_STALE);
  EXPECT_EQ(units->CreateFolder("Heat", FF_USER_FOLDER, nullptr), FE_STALE);
  CComPtr<IFFolder> parent;
  EXPECT_EQ(units->GetParent(&parent), E_FAIL);
}
