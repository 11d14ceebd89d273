// The builder: stores of any shape, quickly, and loud refusals of requests
// that cannot be met; and the default reader of library files.
#include "host/model/IQVIconCollection.h"
#include "tests/support/ScratchDirectory.h"
#include "tests/workbench_store/StoreTestSupport.h"

namespace {

class BuilderTest : public StoreTest {};


// The builder gives even a read-only library's models their parts; the store
// itself still refuses to add to them.
TEST_F(BuilderTest, AReadOnlyLibrarysModelsGetTheirPartsFromTheBuilderOnly) {
  CStoreType& pump = build.Model(build.Palette(build.Library("Units")), "Pump");
  build.Icon(pump, "Fan");
  EXPECT_NE(pump.FindIcon("Fan"), nullptr);
  CComPtr<IQVIconCollection> icons = ComQuery<IQVIconCollection>(static_cast<IFType*>(&pump));
  EXPECT_EQ(icons->CreateIcon("More", nullptr), FE_READONLY);
}

TEST_F(BuilderTest, FailingAndCompiledTypesCarryTheirReports) {
  CStoreType& bad = build.Failing(Simulation(), StoreKind::Model, "Bad", "Model Bad\n  x as Nothing;\nEnd\n");
  EXPECT_TRUE(bad.HasErrors());
  EXPECT_EQ(ErrorLines(bad.LastReport()), std::vector<std::string>{"2:unknown type 'Nothing' for 'x'"});
  EXPECT_THROW(build.Failing(Simulation(), StoreKind::Model, "Good", "Model Good\nEnd\n"), std::logic_error);
  EXPECT_THROW(build.Model(Simulation(), "Bad"), std::logic_error);
  EXPECT_THROW(build.Compiled(Simulation(), StoreKind::Model, "Other", "Stream Other\nEnd\n"), std::logic_error);
  EXPECT_THROW(build.Folder(Simulation(), "BlockTypeFolder/not valid"), std::logic_error);
  EXPECT_THROW(build.Type(Simulation(), StoreKind::Form, "F"), std::logic_error);
}

TEST_F(BuilderTest, DefaultTextsOfEveryKindCompileWithoutErrors) {
  for (StoreKind kind : {StoreKind::Model, StoreKind::Controller, StoreKind::Stream, StoreKind::Structure,
                         StoreKind::Variable, StoreKind::Parameter, StoreKind::Port, StoreKind::Procedure,
                         StoreKind::Function, StoreKind::Task}) {
    const std::string name = "K" + std::to_string(static_cast<int>(kind));
    SCOPED_TRACE(name);
    CStoreType& type = build.Compiled(Simulation(), kind, name, CStoreBuilder::DefaultText(kind, name));
    EXPECT_FALSE(type.HasErrors()) << ::testing::PrintToString(ErrorLines(type.LastReport()));
    EXPECT_EQ(type.Kind(), kind);
  }
}

TEST_F(BuilderTest, ALibraryFileOfDefinitionsOpensWithEveryTypeCompiledAgainstTheOthers) {
  ScratchDirectory dir;
  const std::string path = dir.Write("Units.ktrf",
                                     "// Units library\nModel Pump\n  F as Flow;\nEnd\n\nVariable Flow\n  Value: 1;\nEnd\n"
                                     "Model Broken\n  G as Nothing;\nEnd\n");
  CComPtr<CStoreType> library;
  ASSERT_EQ(store.OpenLibrary(path, &library), S_OK);
  EXPECT_EQ(library->Name(), "Units");
  CStorePalette& palette = build.Palette(*library);
  EXPECT_TRUE(palette.IsReadOnly());
  ASSERT_EQ(palette.TypeCount(), 3u);
  EXPECT_FALSE(palette.Find("Pump")->HasErrors());  // Flow is written after it
  EXPECT_EQ(palette.Find("Pump")->Text(), "// Units library\nModel Pump\n  F as Flow;\nEnd\n");
  EXPECT_TRUE(palette.Find("Broken")->HasErrors());
  // Opening the same file again gives the same library.
  CComPtr<CStoreType> again;
  ASSERT_EQ(store.OpenLibrary(path, &again), S_OK);
  EXPECT_EQ(again.Get(), library.Get());

  // A file that does not split into definitions is refused and leaves nothing.
  const std::string damaged = dir.Write("Damaged.ktrf", "Model A\nEnd\nModle B\nEnd\n");
  EXPECT_EQ(store.OpenLibrary(damaged, nullptr), FE_BADFILE);
  EXPECT_EQ(store.FindLibrary("Damaged"), nullptr);
  EXPECT_EQ(store.Libraries().size(), 1u);
}

}  // namespace
