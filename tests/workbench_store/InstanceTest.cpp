// Instances of types: a type's default instance lists what its text
// declares, instance paths walk through members and from the root through
// libraries to types, and instances made in a flowsheet count as uses.
#include "host/model/IRModel.h"
#include "host/model/IRModelType.h"
#include "host/model/IQVHierarchyType.h"
#include "host/store/IFRoot.h"
#include "host/store/MwInstance.h"
#include "host/store/MwPropertyEnumerator.h"
#include "host/store/TypeFlags.h"
#include "tests/workbench_store/StoreTestSupport.h"

namespace {

class InstanceTest : public StoreTest {
 protected:
  void SetUp() override {
    build.Type(Simulation(), StoreKind::Variable, "Flow");
    build.Type(Simulation(), StoreKind::Parameter, "Size");
    build.Type(Simulation(), StoreKind::Port, "Inlet", "Port Inlet\n  F as Flow;\nEnd\n");
    build.Model(Simulation(), "Valve", "Model Valve\n  F as Flow;\nEnd\n");
  }
};

TEST_F(InstanceTest, ADefaultInstanceListsTheMembersItsTextDeclares) {
  CStoreType& tank = build.Model(Simulation(), "Tank",
                                 "Model Tank\n  N as Size;\n  F as Flow;\n  In as Input Inlet;\n  V as Valve;\nEnd\n");
  MwPropertyEnumerator all(static_cast<IFType*>(&tank), 0);
  std::vector<std::string> names;
  CComPtr<IFPropertyDesc> property;
  while (all.Next(&property) == S_OK) {
    std::string name;
    property->GetName(name);
    names.push_back(name);
  }
  EXPECT_EQ(names, (std::vector<std::string>{"N", "F", "In", "V"}));
  MwPropertyEnumerator variables(static_cast<IFType*>(&tank), FP_VARIABLE);
  ASSERT_EQ(variables.Next(&property), S_OK);
  std::string name;
  property->GetName(name);
  EXPECT_EQ(name, "F");
  EXPECT_EQ(variables.Next(&property), S_FALSE);

  // Walking in: V is a Valve, whose F is a Flow.
  MwInstance path(static_cast<IFType*>(&tank), 0, 1);
  ASSERT_EQ(path.ResolvePath("V.F"), S_OK);
  std::string text;
  ASSERT_EQ(path.StringPath(text), S_OK);
  EXPECT_EQ(text, "V.F");
  CComPtr<IFType> type;
  ASSERT_EQ(path.CurrentType(&type), S_OK);
  type->GetName(name);
  EXPECT_EQ(name, "Flow");
  EXPECT_FALSE(path.IsDefaultInstance());
  EXPECT_EQ(path.ResolvePath("V.Nothing"), FE_NOTFOUND);
  EXPECT_EQ(path.StackSize(), 3);

  // A new text changes the members; members that stay are the same objects.
  CComPtr<IFInstance> before;
  tank.DefaultInstance()->GetProperty("F", nullptr, &before);
  ASSERT_EQ(QVSetModellingLanguageText(&tank, "Model Tank\n  F as Flow;\nEnd\n"), S_OK);
  CComPtr<IFInstance> after;
  ASSERT_EQ(tank.DefaultInstance()->GetProperty("F", nullptr, &after), S_OK);
  EXPECT_EQ(before.Get(), after.Get());
  EXPECT_EQ(tank.DefaultInstance()->GetProperty("V", nullptr, &after), FE_NOTFOUND);
}

TEST_F(InstanceTest, TheRootResolvesLibrariesAndTheirTypesByName) {
  CStoreType& units = build.Library("Units");
  CStoreType& pump = build.Model(build.Palette(units), "Pump");
  CComPtr<IFRoot> root = ComQuery<IFRoot>(store.SimulationInstance()->Identity());
  ASSERT_TRUE(root);
  // The two names a type gives lead back to it.
  std::string library, typeName;
  ASSERT_EQ(ComQuery<IFNaming>(static_cast<IFType*>(&pump))->GetNames(library, typeName), S_OK);
  EXPECT_EQ(library, "Units");
  MwInstance path(root, library);
  ASSERT_EQ(path.Push(typeName), S_OK);
  EXPECT_TRUE(path.IsDefaultInstance());
  CComPtr<IFType> found;
  ASSERT_EQ(path.CurrentType(&found), S_OK);
  EXPECT_TRUE(IsSameObject(found, static_cast<IFType*>(&pump)));
  // The simulation is found by its name or by no name.
  CComPtr<IFInstance> simulation;
  ASSERT_EQ(root->ResolveName("", &simulation), S_OK);
  EXPECT_TRUE(IsSameObject(simulation, store.SimulationInstance()->Identity()));
  ASSERT_EQ(root->ResolveName("SIMULATION", &simulation), S_OK);
  EXPECT_EQ(root->ResolveName("Nowhere", &simulation), FE_NOTFOUND);
  // A simulation type's names lead to it through the simulation.
  ASSERT_EQ(ComQuery<IFNaming>(static_cast<IFType*>(Simulation().Find("Valve")))->GetNames(library, typeName), S_OK);
  EXPECT_EQ(library, "Simulation");
  EXPECT_EQ(MwInstance(root, library).Push("Valve"), S_OK);
}

TEST_F(InstanceTest, TheRootListsAndOpensLibraries) {
  build.Library("Units");
  build.Library("Base");
  CComPtr<IFRoot> root = ComQuery<IFRoot>(store.SimulationInstance()->Identity());
  CComPtr<IEnum<IFInstance>> libraries;
  ASSERT_EQ(root->EnumLibraries(&libraries), S_OK);
  std::vector<std::string> names;
  CComPtr<IFInstance> library;
  while (libraries->Next(&library) == S_OK) {
    std::string name;
    library->GetName(name);
    names.push_back(name);
  }
  EXPECT_EQ(names, (std::vector<std::string>{"Units", "Base"}));
  // A library's own root answers its file and its used libraries, and opens nothing.
  CComPtr<IFRoot> unitsRoot = ComQuery<IFRoot>(static_cast<IFType*>(store.FindLibrary("Units")));
  std::string file;
  ASSERT_EQ(unitsRoot->GetFileName(file), S_OK);
  EXPECT_EQ(file, "Units.ktrf");
  EXPECT_EQ(unitsRoot->OpenLibrary("other.ktrf", nullptr), FE_READONLY);
  EXPECT_EQ(root->OpenLibrary("/no/such/dir/Nothing.ktrf", &library), FE_BADFILE);
  EXPECT_FALSE(library);
  EXPECT_EQ(store.Libraries().size(), 2u);
}

TEST_F(InstanceTest, ChildrenMadeInAFlowsheetHaveItsPathAndCanMoveToACustomModel) {
  CStoreType& flowsheet = build.Type(Simulation(), StoreKind::Flowsheet, "Flowsheet", "Model Flowsheet\nEnd\n");
  CStoreType& library = build.Library("Units");
  CStoreType& libraryValve = build.Model(build.Palette(library), "Valve");
  CComPtr<IFInstance> block;
  ASSERT_EQ(flowsheet.DefaultInstance()->CreateChild("V1", &libraryValve, &block), S_OK);
  EXPECT_EQ(flowsheet.DefaultInstance()->CreateChild("V1", &libraryValve, nullptr), FE_NAMEEXISTS);
  EXPECT_EQ(flowsheet.DefaultInstance()->CreateChild("1V", &libraryValve, nullptr), FE_INVALIDNAME);
  std::string path;
  block->GetPath(path);
  EXPECT_EQ(path, "V1");
  CComPtr<IFInstance> inner;
  ASSERT_EQ(block->CreateChild("Sub", Simulation().Find("Valve"), &inner), S_OK);
  inner->GetPath(path);
  EXPECT_EQ(path, "V1.Sub");
  DWORD attributes = 0;
  block->GetAttributes(&attributes);
  EXPECT_TRUE(attributes & FI_BLOCK);

  CComPtr<IQVHierarchyType> hierarchy = ComQuery<IQVHierarchyType>(static_cast<IFType*>(&flowsheet));
  ASSERT_TRUE(hierarchy);
  IFType* custom = Simulation().Find("Valve");
  ASSERT_EQ(hierarchy->UpdateInstancesToCustomModel({"VALVE"}, {custom}), S_OK);
  CComPtr<IFType> type;
  block->GetType(&type);
  EXPECT_TRUE(IsSameObject(type, custom));
  EXPECT_EQ(hierarchy->UpdateInstancesToCustomModel({"Valve", "Extra"}, {custom}), E_INVALIDARG);
  EXPECT_FALSE(build.Palette(library).IsInUse("Valve"));  // the block moved away from it
}

}  // namespace
