// The simulation-level objects: component lists and sets with their notes,
// and solver options that keep their kind of value (the tools' states are the
// launch entries' tests).
#include "host/com/Variant.h"
#include "tests/workbench_store/StoreTestSupport.h"

namespace {

class SimulationObjectsTest : public ::testing::Test {
 protected:
  CStore store;
  IQVPhysicalProperties& lists = store.ComponentLists();
};

TEST_F(SimulationObjectsTest, ListsAndSetsAreMadeCopiedRenamedAndDeletedByTheRules) {
  ASSERT_EQ(lists.CreateComponentList("Gases", false), S_OK);
  ASSERT_EQ(lists.CreateComponentList("Solids", true), S_OK);
  EXPECT_EQ(lists.CreateComponentList("two words", true), FE_INVALIDNAME);

  ASSERT_EQ(lists.SetNotes("Gases", "Air and steam"), S_OK);
  ASSERT_EQ(lists.CopyComponentList("Gases", "Gases2"), S_OK);
  std::string notes;
  lists.GetNotes("Gases2", notes);
  EXPECT_EQ(notes, "Air and steam");
  EXPECT_EQ(lists.CopyComponentList("Gases", "Solids"), FE_NAMEEXISTS);
  EXPECT_EQ(lists.CopyComponentList("Liquids", "Other"), FE_NOTFOUND);

  EXPECT_EQ(lists.RenameComponentList("Gases2", "solids"), FE_NAMEEXISTS);
  EXPECT_EQ(lists.RenameComponentList("Gases2", "GASES2"), S_OK);  // letter case only
  ASSERT_EQ(lists.DeleteComponentList("gases2"), S_OK);
  std::vector<std::string> names;
  lists.GetComponentLists(names);
  EXPECT_EQ(names, (std::vector<std::string>{"Default", "Gases", "Solids"}));
  EXPECT_EQ(lists.SetNotes("Gases", std::string(CComponentLists::kMaxNotes + 1, 'x')), E_INVALIDARG);
}

TEST_F(SimulationObjectsTest, SolverOptionsKeepTheirKindOfValue) {
  IQVSolverOptions& options = store.SolverOptions();
  for (const char* name : {"Propinfo", "WatchGroup", "CheckProcDerivs", "Nonlinear.Hiresidual",
                           "Nonlinear.HiVarSteps", "Nonlinear.MathsPrint", "Compression"}) {
    VARIANT value;
    EXPECT_EQ(options.GetProperty(name, &value), S_OK) << name;
    EXPECT_FALSE(value.IsEmpty()) << name;
  }
  VARIANT value;
  EXPECT_EQ(options.GetProperty("NoSuchOption", &value), FE_NOTFOUND);
  ASSERT_EQ(options.SetProperty("compression", VARIANT::Int(0)), S_OK);  // 0 or 1 may stand for a switch
  options.GetProperty("Compression", &value);
  EXPECT_EQ(value.vt, VT_BOOL);
  EXPECT_FALSE(value.boolVal);
  EXPECT_EQ(options.SetProperty("Compression", VARIANT::Int(2)), E_INVALIDARG);
  EXPECT_EQ(options.SetProperty("WatchGroup", VARIANT::Real(3.0)), S_OK);
  EXPECT_EQ(options.SetProperty("WatchGroup", VARIANT::Real(3.5)), E_INVALIDARG);
  EXPECT_EQ(options.SetProperty("WatchGroup", VARIANT::Text("3")), E_INVALIDARG);
  options.GetProperty("WatchGroup", &value);
  EXPECT_EQ(value.vt, VT_I4);
  EXPECT_EQ(value.lVal, 3);
  ASSERT_EQ(options.SetProperty("PrintLevel", VARIANT::Int(4)), S_OK);
  EXPECT_EQ(store.SolverOptions().PrintLevel(), 4);
  EXPECT_NE(store.SolverOptions().ToText().find("Compression = False;\n"), std::string::npos);
}

}  // namespace
