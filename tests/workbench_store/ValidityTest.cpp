// Holders keep their references: a deleted type, a closed library or a store
// that is gone must report themselves unusable to whoever still holds them,
// and never hand out freed memory (the sanitizer build runs these).
#include "host/model/IQVFormContainer.h"
#include "host/model/IQVIconCollection.h"
#include "host/store/IFNaming.h"
#include "host/store/IFValidity.h"
#include "host/store/MwInstance.h"
#include "tests/workbench_store/StoreTestSupport.h"

namespace {

bool Valid(IFInstance* instance) {
  bool valid = true;
  EXPECT_EQ(ComQuery<IFValidity>(instance)->IsValid(&valid), S_OK);
  return valid;
}

bool Usable(IFType* type) {
  bool usable = true;
  EXPECT_EQ(ComQuery<IFNaming>(type)->IsUsable(&usable), S_OK);
  return usable;
}

class ValidityTest : public StoreTest {};

TEST_F(ValidityTest, ADeletedTypeIsReportedInvalidToAHolderThatStillHasIt) {
  CStoreType& tank = build.Model(Simulation(), "Tank");
  // What a node holds: the type's default instance, found as the explorer finds it.
  CComPtr<IFInstance> held;
  ASSERT_EQ(MwInstance(static_cast<IFType*>(&tank), 0, 1).QueryInstance(&held), S_OK);
  CComPtr<IFTypeDesc> desc(&tank);
  ASSERT_TRUE(Valid(held));

  ASSERT_EQ(Table(Simulation())->DeleteType("Tank"), S_OK);
  EXPECT_FALSE(Valid(held));
  EXPECT_FALSE(MwInstance(held.Get()).IsValid());
  CComPtr<IFType> type;
  ASSERT_EQ(desc->GetType(&type), S_OK);
  EXPECT_FALSE(Usable(type));
  // Reading what is left is safe; changing it is refused.
  std::string name;
  EXPECT_EQ(held->GetName(name), S_OK);
  EXPECT_EQ(name, "Tank");
  EXPECT_EQ(desc->SetName("Other"), FE_STALE);
  EXPECT_EQ(QVSetModellingLanguageText(ComQuery<IDataObject>(type), "Model Tank\nEnd\n"), FE_STALE);
  // A new type of the same name is another object.
  CStoreType& again = build.Model(Simulation(), "Tank");
  EXPECT_FALSE(IsSameObject(static_cast<IFType*>(&again), type));
  EXPECT_FALSE(Valid(held));
}

TEST_F(ValidityTest, WhatAModelOwnsBecomesInvalidWithIt) {
  CStoreType& tank = build.Model(Simulation(), "Tank");
  CStoreType& script = build.Script(tank, "Startup");
  CComPtr<IFInstance> scriptInstance(script.DefaultInstance());
  CComPtr<IQVIconCollection> icons = ComQuery<IQVIconCollection>(static_cast<IFType*>(&tank));
  CComPtr<IQVFormContainer> forms = ComQuery<IQVFormContainer>(static_cast<IFType*>(&tank));
  ASSERT_TRUE(icons && forms);
  ASSERT_EQ(Table(Simulation())->DeleteType("Tank"), S_OK);
  EXPECT_FALSE(Valid(scriptInstance));
  std::string name;
  EXPECT_EQ(icons->GetDefaultIcon(name), FE_STALE);
  EXPECT_EQ(forms->GetDefaultForm(name), FE_STALE);
  EXPECT_EQ(icons->CreateIcon("New", nullptr), FE_STALE);
}

struct Held {
  CComPtr<IFInstance> instance;
  CComPtr<IFInstance> script;
  CComPtr<IFFolder> folder;
  CComPtr<IFTypeDesc> desc;
  CComPtr<IFTypeTable> table;
};

// References of the kinds nodes keep, taken from a store that is then destroyed.
Held HoldFromAStoreThatIsGone(bool descriptor, bool table) {
  Held held;
  CStore other;
  CStoreBuilder build(other);
  CStoreType& tank = build.Model(*other.SimulationPalette(), "Tank", "Model Tank\n  V as Volume;\nEnd\n");
  held.instance = tank.DefaultInstance();
  held.script = build.Script(tank, "S").DefaultInstance();
  held.folder = &build.NestedFolders(*other.SimulationPalette(), 3);
  if (descriptor) held.desc = &tank;
  if (table) other.SimulationPalette()->GetTypeTable(&held.table);
  return held;
}

TEST_F(ValidityTest, InstancesAndFoldersOutliveTheWholeStoreSafely) {
  Held held = HoldFromAStoreThatIsGone(false, false);
  EXPECT_FALSE(Valid(held.instance));
  EXPECT_FALSE(Valid(held.script));
  CComPtr<IFType> type;
  EXPECT_EQ(held.instance->GetType(&type), FE_STALE);  // the type went with its palette
  EXPECT_FALSE(type);
  CComPtr<IEnum<IFPropertyDesc>> properties;
  EXPECT_EQ(held.instance->EnumProperties(0, &properties), FE_STALE);
  std::string path;
  EXPECT_EQ(held.instance->GetPath(path), S_OK);
  CComPtr<IFFolder> parent;
  EXPECT_EQ(held.folder->GetParent(&parent), E_FAIL);
  EXPECT_EQ(held.folder->CreateFolder("More", 0x10000, nullptr), FE_STALE);
  EXPECT_TRUE(TypeNames(held.folder).empty());
}

TEST_F(ValidityTest, ATypeOutlivesItsStoreAsAnUnusableObject) {
  Held held = HoldFromAStoreThatIsGone(true, false);
  std::string name;
  EXPECT_EQ(held.desc->GetName(name), S_OK);
  EXPECT_EQ(name, "Tank");
  CComPtr<IFTypePalette> palette;
  EXPECT_EQ(held.desc->GetPalette(&palette), FE_STALE);
  CComPtr<IFType> type;
  ASSERT_EQ(held.desc->GetType(&type), S_OK);
  EXPECT_FALSE(Usable(type));
  EXPECT_EQ(held.desc->SetName("Other"), FE_STALE);
  EXPECT_FALSE(Valid(held.instance));
}

TEST_F(ValidityTest, ATypeTableOutlivesItsStoreAndRefusesChanges) {
  Held held = HoldFromAStoreThatIsGone(false, true);
  EXPECT_EQ(held.table->DeleteType("Tank"), FE_STALE);
  CComPtr<IFTypeDesc> found;
  EXPECT_EQ(held.table->FindType("Tank", &found), FE_STALE);
  EXPECT_FALSE(found);
  bool inUse = true;
  EXPECT_EQ(held.table->IsTypeInUse("Tank", &inUse), FE_STALE);
  CComPtr<IFFolderCollection> folders;
  EXPECT_EQ(held.table->GetFolderCollection(&folders), FE_STALE);
  EXPECT_FALSE(folders);
  EXPECT_FALSE(Valid(held.instance));
}

TEST_F(ValidityTest, AClosedLibrarysTypesBecomeUnusable) {
  CStoreType& library = build.Library("Units");
  CStoreType& pump = build.Model(build.Palette(library), "Pump");
  CComPtr<IFType> held(&pump);
  ASSERT_TRUE(Usable(held));
  ASSERT_EQ(store.CloseLibrary("units"), S_OK);
  EXPECT_FALSE(Usable(held));
  EXPECT_EQ(store.FindLibrary("Units"), nullptr);
  EXPECT_EQ(Simulation().FindVisible("Pump"), nullptr);
  EXPECT_EQ(store.CloseLibrary("Units"), FE_NOTFOUND);
}

TEST_F(ValidityTest, ForeignObjectsAreRefusedNotTrusted) {
  // A folder takes only its own palette's types.
  CStoreType& library = build.Library("Mine", false);
  CStoreType& pump = build.Model(build.Palette(library), "Pump");
  CComPtr<IFFolder> models = NamedFolder(Simulation(), "BlockTypeFolder");
  EXPECT_EQ(models->AddItem(static_cast<IFTypeDesc*>(&pump)), E_INVALIDARG);
  EXPECT_EQ(models->AddItem(nullptr), E_POINTER);
  // A palette takes only free-standing store types.
  EXPECT_EQ(Simulation().AddType("Pump", &pump), E_INVALIDARG);
  EXPECT_EQ(Simulation().AddType("Pump", nullptr), E_INVALIDARG);
  EXPECT_EQ(store.SimulationInstance()->CreateChild("P1", nullptr, nullptr), E_INVALIDARG);
}

}  // namespace
