// Renaming and deleting types: taken and invalid names refused with status
// codes that have texts, references in other definitions following a new
// name, and the in-use rules that keep a type another one needs.
#include "host/store/IFTypeRename.h"
#include "host/store/MwInstance.h"
#include "tests/workbench_store/StoreTestSupport.h"

namespace {

class RenameDeleteTest : public StoreTest {
 protected:
  HRESULT Rename(const std::string& oldName, const std::string& newName) {
    CComPtr<IFTypeRename> rename = ComQuery<IFTypeRename>(static_cast<IFTypePalette*>(&Simulation()));
    EXPECT_TRUE(rename);
    return rename->RenameType(oldName, newName);
  }
  bool InUse(const std::string& name) {
    bool inUse = false;
    EXPECT_EQ(Table(Simulation())->IsTypeInUse(name, &inUse), S_OK);
    return inUse;
  }
};

TEST_F(RenameDeleteTest, RenameRefusesTakenAndInvalidNamesWithTextsForEachCode) {
  build.Model(Simulation(), "Tank");
  build.Model(Simulation(), "Pump");
  EXPECT_EQ(Rename("Tank", "PUMP"), FE_NAMEEXISTS);
  EXPECT_EQ(Rename("Tank", "2Tanks"), FE_INVALIDNAME);
  EXPECT_EQ(Rename("Tank", std::string(81, 'a')), FE_INVALIDNAME);
  EXPECT_EQ(Rename("Vessel", "Drum"), FE_NOTFOUND);
  for (HRESULT code : {FE_NAMEEXISTS, FE_INVALIDNAME, FE_NOTFOUND, FE_READONLY, FE_INUSE})
    EXPECT_EQ(GetStatusText(code).find("Operation failed"), std::string::npos) << std::hex << code;
  EXPECT_EQ(Simulation().Find("Tank")->Name(), "Tank");
  // Only the letter case: the same type takes it.
  EXPECT_EQ(Rename("Tank", "TANK"), S_OK);
  EXPECT_EQ(Simulation().Find("tank")->Name(), "TANK");
}

TEST_F(RenameDeleteTest, RenameChangesTheHeaderFoldersAndEveryReferenceButNothingElse) {
  build.Type(Simulation(), StoreKind::Variable, "Flow");
  CStoreType& pipe = build.Compiled(Simulation(), StoreKind::Model, "Pipe",
                                    "Model Pipe\n  F as Flow; // Flow in\n  G as Flow (description:\"Flow\");\n"
                                    "  F = G;\nEnd\n");
  CStoreType& flow = *Simulation().Find("Flow");
  ASSERT_FALSE(pipe.HasErrors());
  ASSERT_EQ(Rename("Flow", "MassFlow"), S_OK);

  EXPECT_EQ(flow.Name(), "MassFlow");
  EXPECT_EQ(flow.Text(), "Variable MassFlow\n  Value: 0;\nEnd\n");
  EXPECT_EQ(pipe.Text(),
            "Model Pipe\n  F as MassFlow; // Flow in\n  G as MassFlow (description:\"Flow\");\n  F = G;\nEnd\n");
  EXPECT_EQ(pipe.Texts().Good(), pipe.Text());
  EXPECT_EQ(TypeNames(NamedFolder(Simulation(), "VariableTypeFolder")), std::vector<std::string>{"MassFlow"});
  EXPECT_EQ(Simulation().Find("Flow"), nullptr);
  // The patched definition still compiles, and still keeps the type in use.
  EXPECT_FALSE(QVCompileType(&pipe, pipe.Text(), "", 0x80200, 4, 0x19).HasErrors());
  EXPECT_TRUE(InUse("MassFlow"));
}

TEST_F(RenameDeleteTest, ReadOnlyLibrariesAndBuiltInTypesAreNeitherRenamedNorDeleted) {
  CStoreType& library = build.Library("Units");
  build.Model(build.Palette(library), "Pump");
  CComPtr<IFTypeRename> rename = ComQuery<IFTypeRename>(static_cast<IFTypePalette*>(&build.Palette(library)));
  EXPECT_EQ(rename->RenameType("Pump", "Pump2"), FE_READONLY);
  EXPECT_EQ(Table(build.Palette(library))->DeleteType("Pump"), FE_READONLY);
  build.BuiltIn(Simulation(), StoreKind::Variable, "Value");
  EXPECT_EQ(Rename("Value", "Number"), FE_READONLY);
  EXPECT_EQ(Table(Simulation())->DeleteType("Value"), FE_READONLY);
  EXPECT_NE(build.Palette(library).Find("Pump"), nullptr);
  EXPECT_NE(Simulation().Find("Value"), nullptr);
}

TEST_F(RenameDeleteTest, ATypeAnotherDefinitionUsesCannotBeDeletedUntilThatOneLetsGo) {
  build.Type(Simulation(), StoreKind::Variable, "Flow");
  build.Type(Simulation(), StoreKind::Port, "Inlet", "Port Inlet\n  F as Flow;\nEnd\n");
  CStoreType& tank = build.Model(Simulation(), "Tank", "Model Tank\n  In as Input Inlet;\nEnd\n");
  EXPECT_TRUE(InUse("Flow"));
  EXPECT_TRUE(InUse("Inlet"));
  EXPECT_FALSE(InUse("Tank"));
  EXPECT_EQ(Table(Simulation())->DeleteType("Inlet"), FE_INUSE);
  EXPECT_EQ(Table(Simulation())->DeleteType("Flow"), FE_INUSE);

  // An edit that drops the reference frees the port (the latest text counts).
  ASSERT_EQ(QVSetModellingLanguageText(&tank, "Model Tank\nEnd\n"), S_OK);
  EXPECT_FALSE(InUse("Inlet"));
  EXPECT_EQ(Table(Simulation())->DeleteType("Inlet"), S_OK);
  EXPECT_FALSE(InUse("Flow"));
  EXPECT_EQ(Table(Simulation())->DeleteType("Flow"), S_OK);
  EXPECT_EQ(Table(Simulation())->DeleteType("Flow"), FE_NOTFOUND);
  bool inUse = true;
  EXPECT_EQ(Table(Simulation())->IsTypeInUse("Flow", &inUse), FE_NOTFOUND);
  EXPECT_TRUE(TypeNames(NamedFolder(Simulation(), "VariableTypeFolder")).empty());
}

TEST_F(RenameDeleteTest, ASelfReferenceDoesNotKeepATypeInUse) {
  build.Model(Simulation(), "Loop", "Model Loop\n  L as Loop;\nEnd\n");
  EXPECT_FALSE(InUse("Loop"));
  EXPECT_EQ(Table(Simulation())->DeleteType("Loop"), S_OK);
}

TEST_F(RenameDeleteTest, InstancesKeepTheirTypeInUseWhileTheyExist) {
  CStoreType& tank = build.Model(Simulation(), "Tank");
  CComPtr<IFInstance> block;
  ASSERT_EQ(store.SimulationInstance()->CreateChild("T1", &tank, &block), S_OK);
  EXPECT_TRUE(InUse("Tank"));
  EXPECT_EQ(Table(Simulation())->DeleteType("Tank"), FE_INUSE);
  ASSERT_EQ(store.SimulationInstance()->RemoveChild("T1"), S_OK);
  block.Release();
  EXPECT_FALSE(InUse("Tank"));
  EXPECT_EQ(Table(Simulation())->DeleteType("Tank"), S_OK);
}

TEST_F(RenameDeleteTest, TheSimulationsReferencesKeepALibraryTypeInUse) {
  CStoreType& library = build.Library("Mine", false);
  build.Type(build.Palette(library), StoreKind::Variable, "Flow");
  build.Model(Simulation(), "Pipe", "Model Pipe\n  F as Flow;\nEnd\n");
  EXPECT_EQ(Table(build.Palette(library))->DeleteType("Flow"), FE_INUSE);
  EXPECT_EQ(store.CloseLibrary("Mine"), FE_INUSE);
  // The simulation's own type of the same name hides the library's, which is free again.
  build.Type(Simulation(), StoreKind::Variable, "Flow");
  EXPECT_EQ(Table(build.Palette(library))->DeleteType("Flow"), S_OK);
}

}  // namespace
