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

TEST_F(TypeEnumeratorTest, ListsTheTypesOfOneClass) {
  MwTypeEnumerator tasks(static_cast<IFType*>(library.Get()), FT_TASK);
  EXPECT_EQ(TypeNames(tasks), (std::vector<std::string>{"Startup", "Ramp"}));
  MwTypeEnumerator all(static_cast<IFType*>(library.Get()), 0);
  EXPECT_EQ(TypeNames(all).size(), 3u);
  all.Reset();
  EXPECT_EQ(TypeNames(all).size(), 3u) << "Reset starts again";
}

TEST_F(TypeEnumeratorTest, OwnerMayBeThePaletteOrAnInstanceOfTheType) {
  MwTypeEnumerator byPalette(static_cast<IFTypePalette*>(palette.Get()), FT_TASK);
  EXPECT_EQ(TypeNames(byPalette).size(), 2u);
  MwTypeEnumerator byInstance(static_cast<IFInstance*>(library->DefaultInstance()), FT_TASK);
  EXPECT_EQ(TypeNames(byInstance).size(), 2u);
}

TEST_F(TypeEnumeratorTest, AnythingElseIsEmpty) {
  CComPtr<fake::Type> variableType = MakeComObject<fake::Type>("Temperature");  // owns no palette
  MwTypeEnumerator none(static_cast<IFType*>(variableType.Get()), 0);
  EXPECT_TRUE(TypeNames(none).empty());
  MwTypeEnumerator null(nullptr, 0);
  EXPECT_TRUE(TypeNames(null).empty());
  CComPtr<IFType> type;
  EXPECT_EQ(null.Next(nullptr), E_POINTER);
}

TEST(PropertyEnumeratorTest, ListsThePropertiesOfOneClass) {
  CComPtr<fake::Instance> block = MakeComObject<fake::Instance>("B1");
  block->AddChild("T", 0x1);
  block->AddChild("P", 0x2);
  block->AddChild("F", 0x1);
  MwPropertyEnumerator variables(static_cast<IFInstance*>(block.Get()), 0x1);
  std::vector<std::string> names;
  CComPtr<IFPropertyDesc> property;
  while (variables.Next(&property) == S_OK) {
    std::string name;
    property->GetName(name);
    names.push_back(name);
  }
  EXPECT_EQ(names, (std::vector<std::string>{"T", "F"}));
  MwPropertyEnumerator nothing(nullptr, 0);
  EXPECT_EQ(nothing.Next(&property), S_FALSE);
}

TEST(ScriptEnumeratorTest, GivesEachScriptWithItsOwner) {
  CComPtr<fake::Type> model = MakeComObject<fake::Type>("Tank");
  model->scripts.emplace_back(MakeComObject<fake::Type>("PreSolve").Get());
  model->scripts.emplace_back(MakeComObject<fake::Type>("Report").Get());

  // Asked through the model's default instance: the scripts come from its type.
  CMwScriptEnumerator scripts(static_cast<IFInstance*>(model->DefaultInstance()));
  std::vector<std::string> names;
  CComPtr<IFType> script;
  CComPtr<IFInstance> owner;
  while (scripts.Next(&script, &owner) == S_OK) {
    std::string name;
    script->GetName(name);
    names.push_back(name);
    EXPECT_TRUE(IsSameObject(owner, static_cast<IFInstance*>(model->DefaultInstance())));
  }
  EXPECT_EQ(names, (std::vector<std::string>{"PreSolve", "Report"}));
  EXPECT_EQ(owner.Get(), nullptr) << "the end gives no owner either";
  scripts.Reset();
  EXPECT_EQ(scripts.Next(&script), S_OK) << "the owner out-parameter is optional";
}

TEST(ScriptEnumeratorTest, OwnerWithoutScriptsIsEmpty) {
  CComPtr<fake::Instance> block = MakeComObject<fake::Instance>("B1");
  CMwScriptEnumerator scripts(static_cast<IFInstance*>(block.Get()));
  CComPtr<IFType> script;
  EXPECT_EQ(scripts.Next(&script), S_FALSE);
  CMwScriptEnumerator none(nullptr);
  EXPECT_EQ(none.Next(&script), S_FALSE);
}

}  // namespace
