#include <gtest/gtest.h>

#include "host/store/CMwScriptEnumerator.h"
#include "host/store/MwPropertyEnumerator.h"
#include "host/store/MwTypeEnumerator.h"
#include "host/store/TypeFlags.h"
#include "tests/host/FakeStore.h"

namespace {

std::vector<std::string> TypeNames(MwTypeEnumerator& e) {
  std::vector<std::string> names;
  CComPtr<IFType> type;
  while (e.Next(&type) == S_OK) {
    std::string name;
    type->GetName(name);
    names.push_back(name);
  }
  EXPECT_EQ(type.Get(), nullptr) << "the end gives nothing";
  return names;
}

// A library type owning a palette with two tasks and a model.
class TypeEnumeratorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    library = MakeComObject<fake::Type>("Library");
    palette = MakeComObject<fake::Palette>();
    palette->owner = library.Get();
    library->owned = palette.Get();
    for (auto [name, flags] : {std::pair<const char*, DWORD>{"Startup", FT_TASK}, {"Tank", 0}, {"Ramp", FT_TASK}}) {
      palette->types.emplace_back(MakeComObject<fake::Type>(name, flags).Get());
    }
  }
  CComPtr<fake::Type> library;
  CComPtr<fake::Palette> palette;
};

// Filtering by class against the real store is the store tests' case; here the
// owner's forms, Reset, and owners that have nothing to list.
TEST_F(TypeEnumeratorTest, EveryFormOfOwnerListsTheSameTypesAndAnythingElseNothing) {
  MwTypeEnumerator byType(static_cast<IFType*>(library.Get()), FT_TASK);
  EXPECT_EQ(TypeNames(byType), (std::vector<std::string>{"Startup", "Ramp"}));
  byType.Reset();
  EXPECT_EQ(TypeNames(byType).size(), 2u) << "Reset starts again";
  MwTypeEnumerator byPalette(static_cast<IFTypePalette*>(palette.Get()), FT_TASK);
  EXPECT_EQ(TypeNames(byPalette).size(), 2u);
  MwTypeEnumerator byInstance(static_cast<IFInstance*>(library->DefaultInstance()), 0);
  EXPECT_EQ(TypeNames(byInstance).size(), 3u);

  CComPtr<fake::Type> variableType = MakeComObject<fake::Type>("Temperature");  // owns no palette
  MwTypeEnumerator none(static_cast<IFType*>(variableType.Get()), 0);
  EXPECT_TRUE(TypeNames(none).empty());
  MwTypeEnumerator null(nullptr, 0);
  EXPECT_TRUE(TypeNames(null).empty());
  EXPECT_EQ(null.Next(nullptr), E_POINTER);
  CComPtr<IFPropertyDesc> property;
  EXPECT_EQ(MwPropertyEnumerator(nullptr, 0).Next(&property), S_FALSE);
}

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
