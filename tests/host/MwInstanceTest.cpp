#include <gtest/gtest.h>

#include "host/store/MwInstance.h"
#include "tests/host/FakeStore.h"

namespace {

// A simulation with Flowsheet.B1.T and a type "Tank" whose default instance stands for it.
class MwInstanceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    simulation = MakeComObject<fake::Instance>("Simulation");
    flowsheet = simulation->AddChild("Flowsheet", 0x1);
    block = flowsheet->AddChild("B1", 0x2);
    block->AddChild("T", 0x4);
    tank = MakeComObject<fake::Type>("Tank");
  }
  CComPtr<fake::Instance> simulation, flowsheet, block;
  CComPtr<fake::Type> tank;
};

std::string PathOf(const MwInstance& path) {
  std::string text = "<none>";
  if (FAILED(path.StringPath(text))) return "<failed>";
  return text;
}

TEST_F(MwInstanceTest, PushAndPopWalkThroughProperties) {
  MwInstance path(simulation.Get());
  EXPECT_EQ(path.StackSize(), 1);
  EXPECT_EQ(PathOf(path), "");
  ASSERT_EQ(path.Push("Flowsheet"), S_OK);
  ASSERT_EQ(path.Push("B1"), S_OK);
  EXPECT_EQ(path.StackSize(), 3);
  EXPECT_EQ(PathOf(path), "Flowsheet.B1");

  EXPECT_TRUE(FAILED(path.Push("NoSuchBlock")));
  EXPECT_EQ(path.StackSize(), 3) << "a failed push leaves the path as it was";

  ASSERT_EQ(path.Pop(), S_OK);
  EXPECT_EQ(PathOf(path), "Flowsheet");
  ASSERT_EQ(path.Pop(), S_OK);
  ASSERT_EQ(path.Pop(), S_OK);
  EXPECT_EQ(path.StackSize(), 0);
  EXPECT_TRUE(FAILED(path.Pop()));
  EXPECT_EQ(PathOf(path), "<failed>");
  EXPECT_FALSE(path.IsValid());
  EXPECT_EQ(path.ReInit(block.Get()), S_OK);
  EXPECT_EQ(path.StackSize(), 1);
  EXPECT_EQ(path.ReInit(nullptr), E_POINTER);
  EXPECT_EQ(path.StackSize(), 0);
  MwInstance noRoot(static_cast<IFRoot*>(nullptr), "");
  EXPECT_EQ(noRoot.StackSize(), 0);
}

TEST_F(MwInstanceTest, AMissingOrMalformedPathResolvesToNothingAndMovesNothing) {
  MwInstance other(simulation.Get());
  EXPECT_TRUE(FAILED(other.ResolvePath("Flowsheet.B2.T")));
  EXPECT_EQ(other.StackSize(), 1);
  EXPECT_TRUE(FAILED(other.ResolvePath("Flowsheet..B1")));
  EXPECT_TRUE(FAILED(other.ResolvePath("")));
  EXPECT_TRUE(FAILED(other.ResolvePath("Flowsheet.")));
  EXPECT_EQ(other.StackSize(), 1);
}

// A type's default instance found and walked from is the store's instance tests' case.
TEST_F(MwInstanceTest, OnlyATypesOwnDefaultInstanceCountsAsDefault) {
  MwInstance badArguments(tank.Get(), 3, 0);
  EXPECT_EQ(badArguments.StackSize(), 0) << "index and flags are passed to the type unchanged";

  MwInstance fromUnknown(static_cast<IUnknown*>(static_cast<IFType*>(tank.Get())));
  EXPECT_TRUE(fromUnknown.IsDefaultInstance());
  EXPECT_FALSE(MwInstance(static_cast<IFInstance*>(simulation.Get())).IsDefaultInstance()) << "an instance without a type";
  CComPtr<fake::Instance> other = block->AddChild("Tank2", 0, tank.Get());
  EXPECT_FALSE(MwInstance(other.Get()).IsDefaultInstance()) << "an instance of the type is not its default";
}

TEST_F(MwInstanceTest, NewInstanceAddsAndWalksIntoTheChild) {
  MwInstance path(simulation.Get());
  ASSERT_EQ(path.Push("Flowsheet"), S_OK);
  ASSERT_EQ(path.NewInstance(tank.Get(), "T2"), S_OK);
  EXPECT_EQ(PathOf(path), "Flowsheet.T2");
  path.Pop();
  EXPECT_TRUE(FAILED(path.NewInstance(tank.Get(), "T2"))) << "the name is taken now";
  EXPECT_EQ(PathOf(path), "Flowsheet");
  EXPECT_EQ(path.NewInstance(nullptr, "T3"), E_POINTER);
  EXPECT_EQ(flowsheet->createCalls, 2);
}

TEST_F(MwInstanceTest, StringsGoThroughTheTypesDataObject) {
  MwInstance path(tank.Get(), 0, 1);
  ASSERT_EQ(path.SetString("Non-embedded Text", "BOOLEAN VB\n"), S_OK);
  std::string text;
  ASSERT_EQ(path.GetString("Non-embedded Text", text), S_OK);
  EXPECT_EQ(text, "BOOLEAN VB\n");
  EXPECT_TRUE(FAILED(path.GetString("MORROW Modelling Language", text)));
  EXPECT_EQ(text, "BOOLEAN VB\n") << "a failed read leaves the text alone";

  MwInstance untyped(simulation.Get());
  EXPECT_EQ(untyped.SetString("Non-embedded Text", "x"), E_NOINTERFACE);
}

}  // namespace
