// A palette's definitions written out in order and read back into another
// palette keep every text, the uncompiled edits included.
#include "tests/workbench_store/StoreTestSupport.h"
#include "workbench/store/PaletteDefinitions.h"

namespace {

class PaletteDefinitionsTest : public StoreTest {};

TEST_F(PaletteDefinitionsTest, WrittenDefinitionsReadBackWithTheirTextsAndStates) {
  build.Type(Simulation(), StoreKind::Variable, "Flow");
  CStoreType& pipe = build.Compiled(Simulation(), StoreKind::Model, "Pipe", "Model Pipe\n  F as Flow;\nEnd\n");
  ASSERT_TRUE(QVCompileType(&pipe, "Model Pipe\n  F as Flw;\nEnd\n", "", 0x80200, 4, 0x19).HasErrors());
  build.Script(pipe, "Startup");  // owned by the model: not among the palette's definitions
  build.Model(Simulation(), "Early", "// uses a later type\nModel Early\n  L as Late;\nEnd\n");
  build.Type(Simulation(), StoreKind::Variable, "Late");

  const std::vector<PaletteDefinition> written = PaletteDefinitions(Simulation());
  std::vector<std::string> names;
  std::string file;
  for (const PaletteDefinition& d : written) {
    names.push_back(d.type->Name());
    file += d.text;
  }
  EXPECT_EQ(names, (std::vector<std::string>{"Flow", "Pipe", "Early", "Late"}));

  CStore other;
  ASSERT_EQ(LoadDefinitionsText(*other.SimulationPalette(), file), S_OK);
  CStorePalette& read = *other.SimulationPalette();
  ASSERT_EQ(read.TypeCount(), 4u);
  // The failing edit came back as the latest text beside the good one (compiled again, still failing).
  EXPECT_EQ(read.Find("Pipe")->Text(), "Model Pipe\n  F as Flw;\nEnd\n");
  EXPECT_EQ(read.Find("Pipe")->Texts().Good(), "Model Pipe\n  F as Flow;\nEnd\n");
  EXPECT_TRUE(read.Find("Pipe")->HasErrors());
  EXPECT_FALSE(read.Find("Early")->HasErrors());  // Late is written after it
  EXPECT_EQ(read.Find("Early")->Text(), "// uses a later type\nModel Early\n  L as Late;\nEnd\n");
  EXPECT_EQ(PaletteDefinitions(read).size(), written.size());
  for (std::size_t i = 0; i < written.size(); ++i) EXPECT_EQ(PaletteDefinitions(read)[i].text, written[i].text);
}

TEST_F(PaletteDefinitionsTest, ATextThatCannotBeReadWholeAddsNothing) {
  build.Model(Simulation(), "Tank");
  EXPECT_EQ(LoadDefinitionsText(Simulation(), "Model A\nEnd\nModel Tank\nEnd\n"), FE_BADFILE);  // Tank is held
  EXPECT_EQ(LoadDefinitionsText(Simulation(), "Model B\nEnd\nModel B\nEnd\n"), FE_BADFILE);     // twice
  EXPECT_EQ(LoadDefinitionsText(Simulation(), "Model C\nEnd\ngarbage\n"), FE_BADFILE);
  EXPECT_EQ(Simulation().TypeCount(), 1u);
  EXPECT_EQ(LoadDefinitionsText(Simulation(), ""), S_OK);
}

}  // namespace
