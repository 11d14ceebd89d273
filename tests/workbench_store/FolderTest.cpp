// Folders: kind folders of every palette, user folders nested at any depth,
// moving types between folders through the folder interface, searching
// sub-folders, removal rules and the toolbar settings of a user folder.
#include "host/store/TypeFlags.h"
#include "tests/workbench_store/StoreTestSupport.h"

namespace {

// What the explorer's folder move does: take the item out of the kind folder
// (or the first sub-folder, depth first, that holds it) and list it in target.
bool RemoveItemFromFolder(IFFolder* folder, const std::string& name) {
  CComPtr<IFDesc> item;
  if (SUCCEEDED(folder->FindItem(name, &item))) return SUCCEEDED(folder->RemoveItem(name));
  CComPtr<IEnum<IFFolder>> folders;
  if (FAILED(folder->EnumFolders(&folders))) return false;
  CComPtr<IFFolder> sub;
  while (folders->Next(&sub) == S_OK)
    if (RemoveItemFromFolder(sub, name)) return true;
  return false;
}

bool MoveToFolder(IFFolder* kindFolder, IFFolder* target, IFDesc* item) {
  std::string name;
  item->GetName(name);
  CComPtr<IFDesc> there;
  if (SUCCEEDED(target->FindItem(name, &there))) return false;
  return RemoveItemFromFolder(kindFolder, name) && SUCCEEDED(target->AddItem(item));
}

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

TEST_F(FolderTest, ATypeMovesBetweenFoldersAndIsFoundByADepthFirstSearch) {
  CStoreType& tank = build.Model(Simulation(), "Tank");
  build.Model(Simulation(), "Pump");
  CStoreFolder& units = build.Folder(Simulation(), "BlockTypeFolder/Units");
  CStoreFolder& vessels = build.Folder(Simulation(), "BlockTypeFolder/Units/Vessels");
  CComPtr<IFFolder> models = NamedFolder(Simulation(), "BlockTypeFolder");
  CStoreFolder* vesselModels = vessels.SubFolder("BlockTypeFolder");
  ASSERT_NE(vesselModels, nullptr);

  ASSERT_TRUE(MoveToFolder(models, vesselModels, static_cast<IFTypeDesc*>(&tank)));
  EXPECT_EQ(TypeNames(models), std::vector<std::string>{"Pump"});
  EXPECT_EQ(TypeNames(vesselModels), std::vector<std::string>{"Tank"});
  EXPECT_EQ(Simulation().RootFolder()->FindHolder("tank"), vesselModels);
  // A second move to the same place changes nothing; moving on goes through the search.
  EXPECT_FALSE(MoveToFolder(models, vesselModels, static_cast<IFTypeDesc*>(&tank)));
  CStoreFolder* unitModels = units.SubFolder("BlockTypeFolder");
  ASSERT_TRUE(MoveToFolder(models, unitModels, static_cast<IFTypeDesc*>(&tank)));
  EXPECT_TRUE(TypeNames(vesselModels).empty());
  EXPECT_EQ(TypeNames(unitModels), std::vector<std::string>{"Tank"});

  // Renaming the type renames the folder entry; deleting it takes it out.
  ASSERT_EQ(Simulation().RenameType("Tank", "Drum"), S_OK);
  EXPECT_EQ(TypeNames(unitModels), std::vector<std::string>{"Drum"});
  ASSERT_EQ(Table(Simulation())->DeleteType("Drum"), S_OK);
  EXPECT_TRUE(TypeNames(unitModels).empty());
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
  CComPtr<IFFolder> inner;
  ASSERT_EQ(units->CreateFolder("BlockTypeFolder", FF_USER_FOLDER, &inner), S_OK);
  CStoreType& tank = build.Model(Simulation(), "Tank");
  ASSERT_TRUE(MoveToFolder(models, inner, static_cast<IFTypeDesc*>(&tank)));
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

TEST_F(FolderTest, UserFoldersKeepTheirToolbarSettings) {
  CStoreFolder& units = build.Folder(Simulation(), "BlockTypeFolder/Units");
  int order = -5, tank = -5;
  std::optional<std::string> description = "stale";
  ASSERT_EQ(units.GetToolbarOrder(&order), S_OK);
  ASSERT_EQ(units.GetTankIcon(&tank), S_OK);
  ASSERT_EQ(units.GetDescription(description), S_OK);
  EXPECT_EQ(order, 0);  // never set
  EXPECT_EQ(tank, 0);   // models have a tank icon unless told otherwise
  EXPECT_FALSE(description.has_value());

  units.SetToolbarOrder(-1);
  units.SetTankIcon(-1);
  units.SetDescription(std::string("Unit operations"));
  units.GetToolbarOrder(&order);
  units.GetTankIcon(&tank);
  units.GetDescription(description);
  EXPECT_EQ(order, -1);
  EXPECT_EQ(tank, -1);
  EXPECT_EQ(description, "Unit operations");
  units.SetDescription(std::string());  // an empty description is none
  units.GetDescription(description);
  EXPECT_FALSE(description.has_value());
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
