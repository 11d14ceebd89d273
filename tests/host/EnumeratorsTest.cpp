#include <gtest/gtest.h>

#include "host/store/CMwScriptEnumerator.h"
#include "tests/host/FakeStore.h"

namespace {

TEST(ScriptEnumeratorTest, AskedThroughAnInstanceTheScriptsComeFromItsType) {
  CComPtr<fake::Type> model = MakeComObject<fake::Type>("Tank");
  model->scripts.emplace_back(MakeComObject<fake::Type>("PreSolve").Get());
  CMwScriptEnumerator scripts(static_cast<IFInstance*>(model->DefaultInstance()));
  CComPtr<IFType> script;
  CComPtr<IFInstance> owner;
  ASSERT_EQ(scripts.Next(&script, &owner), S_OK);
  EXPECT_TRUE(IsSameObject(owner, static_cast<IFInstance*>(model->DefaultInstance())));
  EXPECT_EQ(scripts.Next(&script, &owner), S_FALSE);
  EXPECT_EQ(owner.Get(), nullptr) << "the end gives no owner either";
  scripts.Reset();
  EXPECT_EQ(scripts.Next(&script), S_OK) << "the owner out-parameter is optional";

  CComPtr<fake::Instance> block = MakeComObject<fake::Instance>("B1");
  EXPECT_EQ(CMwScriptEnumerator(static_cast<IFInstance*>(block.Get())).Next(&script), S_FALSE);
  EXPECT_EQ(CMwScriptEnumerator(nullptr).Next(&script), S_FALSE);
}

}  // namespace
