#include <gtest/gtest.h>

#include "host/com/ComObject.h"

namespace {

// Identifiers made up for the test interfaces.
inline const IID IID_ITestShape = GUID::FromString("{0B1E5C11-0000-4000-8000-00000000A001}");
inline const IID IID_ITestNamed = GUID::FromString("{0B1E5C11-0000-4000-8000-00000000A002}");

struct ITestShape : IUnknown {
  static const IID& Iid() { return IID_ITestShape; }
  virtual int Corners() = 0;
};
struct ITestNamed : IUnknown {
  static const IID& Iid() { return IID_ITestNamed; }
  virtual std::string Name() = 0;
};

// Counts live objects so that a leak or a double release shows.
int g_alive = 0;

class Square : public CComObject<ITestShape, ITestNamed> {
 public:
  Square() { ++g_alive; }
  ~Square() override { --g_alive; }
  int Corners() override { return 4; }
  std::string Name() override { return "square"; }
  ULONG Count() { AddRef(); return Release(); }
};

class ComPtrTest : public ::testing::Test {
 protected:
  void SetUp() override { g_alive = 0; }
  void TearDown() override { EXPECT_EQ(g_alive, 0) << "an object leaked"; }
};

TEST_F(ComPtrTest, HoldsOneReferenceAndReleasesItOnce) {
  {
    CComPtr<Square> a = MakeComObject<Square>();
    EXPECT_EQ(a->Count(), 1u);
    CComPtr<Square> b = a;
    EXPECT_EQ(a->Count(), 2u);
    CComPtr<Square> c = std::move(b);
    EXPECT_EQ(b.Get(), nullptr);
    EXPECT_EQ(a->Count(), 2u);
    c = nullptr;
    EXPECT_EQ(a->Count(), 1u);
    EXPECT_EQ(g_alive, 1);
  }
  EXPECT_EQ(g_alive, 0);
}

TEST_F(ComPtrTest, SelfAssignmentKeepsTheObject) {
  CComPtr<Square> a = MakeComObject<Square>();
  CComPtr<Square>& alias = a;
  a = alias;
  EXPECT_EQ(a->Count(), 1u);
  a = a.Get();
  EXPECT_EQ(a->Count(), 1u);
  a = std::move(alias);
  ASSERT_NE(a.Get(), nullptr);
  EXPECT_EQ(a->Count(), 1u);
  EXPECT_EQ(g_alive, 1);
}

TEST_F(ComPtrTest, ReassignmentReleasesThePreviousObject) {
  CComPtr<Square> a = MakeComObject<Square>();
  a = MakeComObject<Square>().Get();
  EXPECT_EQ(g_alive, 1);
  EXPECT_EQ(a->Count(), 1u);
}

TEST_F(ComPtrTest, OutParameterSlotDropsWhatWasHeld) {
  CComPtr<Square> source = MakeComObject<Square>();
  CComPtr<Square> target = MakeComObject<Square>();
  EXPECT_EQ(g_alive, 2);
  ASSERT_EQ(source.CopyTo(&target), S_OK);
  EXPECT_EQ(g_alive, 1);
  EXPECT_EQ(target.Get(), source.Get());
  EXPECT_EQ(source->Count(), 2u);
}

TEST_F(ComPtrTest, DetachAndAttachMoveTheReferenceWithoutCounting) {
  CComPtr<Square> a = MakeComObject<Square>();
  Square* raw = a.Detach();
  EXPECT_EQ(a.Get(), nullptr);
  EXPECT_EQ(g_alive, 1);
  CComPtr<Square> b;
  b.Attach(raw);
  EXPECT_EQ(b->Count(), 1u);
}

TEST_F(ComPtrTest, QueryGivesAnotherInterfaceOfTheSameObject) {
  CComPtr<ITestShape> shape = MakeComObject<Square>().Get();
  CComPtr<ITestNamed> named;
  ASSERT_EQ(shape.QueryInterface(&named), S_OK);
  EXPECT_EQ(named->Name(), "square");
  EXPECT_TRUE(IsSameObject(shape, named));
  EXPECT_EQ(ComQuery<ITestShape>(named).Get(), shape.Get());
  CComPtr<ITestShape> empty;
  EXPECT_EQ(empty.QueryInterface(&named), E_POINTER);
  EXPECT_EQ(named.Get(), nullptr);
  EXPECT_EQ(ComQuery<ITestNamed>(nullptr).Get(), nullptr);
}

}  // namespace
