// Saving keeps what the user wrote: the sample simulation and its libraries
// saved unchanged give their own bytes back; a change replaces only the type
// or section it touched; libraries stay found wherever the simulation was
// opened from and saved to.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/workbench_document/DocumentTestSupport.h"
#include "workbench/document/StoreContents.h"
#include "workbench/store/StorePalette.h"
#include "workbench/store/StoreType.h"
#include "workbench/store/TypeCompiler.h"

namespace {

namespace fs = std::filesystem;

LoadedSimulation Load(const std::string& path) {
  FileProblem problem;
  std::optional<LoadedSimulation> loaded = LoadSimulation(path, problem);
  EXPECT_TRUE(loaded) << problem.Describe();
  return loaded ? std::move(*loaded) : LoadedSimulation{};
}

bool Save(LoadedSimulation& loaded, const std::string& path) {
  FileProblem problem;
  const bool saved = SaveSimulation(*loaded.store, loaded.settings, loaded.packages, path, problem);
  EXPECT_TRUE(saved) << problem.Describe();
  return saved;
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

TEST(SaveFidelityTest, TheSampleAndALibrarySavedUnchangedKeepTheirBytes) {
  SampleCopy copy("fidelity_unchanged");
  const std::string path = copy.File("Tanks.vsim");
  const std::string original = ReadAll(path);
  LoadedSimulation sample = Load(path);
  ASSERT_TRUE(sample.store);
  // Showing a model's icons and forms is not a change.
  for (const CComPtr<CStoreType>& type : sample.store->SimulationPalette()->Types()) {
    type->Icons();
    type->Forms();
  }
  ASSERT_TRUE(Save(sample, path));
  EXPECT_EQ(ReadAll(path), original);

  CStoreType* units = sample.store->FindLibrary("ProcessUnits");
  ASSERT_NE(units, nullptr);
  for (const CComPtr<CStoreType>& type : units->OwnedPalette()->Types()) type->Icons();
  const std::string libraryPath = copy.File("ProcessUnits.vlib");
  const std::string libraryText = ReadAll(libraryPath);
  FileProblem problem;
  ASSERT_TRUE(SaveLibrary(*units, libraryPath, problem)) << problem.Describe();
  EXPECT_EQ(ReadAll(libraryPath), libraryText);
}

TEST(SaveFidelityTest, AChangeReplacesOnlyWhatChanged) {
  SampleCopy copy("fidelity_change");
  const std::string path = copy.File("Tanks.vsim");
  const std::string original = ReadAll(path);
  LoadedSimulation sample = Load(path);
  ASSERT_TRUE(sample.store);
  CStoreType* pump = sample.store->SimulationPalette()->Find("TransferPump");
  ASSERT_NE(pump, nullptr);
  const std::string oldText = pump->Text();
  const std::string newText = Replaced(oldText, "(1.0, ", "(0.8, ");
  ASSERT_FALSE(CompileTypeText(*pump, newText).HasErrors());
  ASSERT_TRUE(Save(sample, path));
  // Everything else stands as it was: the opening comments, the other types, the sections.
  EXPECT_EQ(ReadAll(path), Replaced(original, oldText, newText));

  // A new icon rewrites the icons section alone; the type changed before keeps its new text.
  CStoreType* tank = sample.store->SimulationPalette()->Find("ProductTank");
  ASSERT_NE(tank, nullptr);
  ASSERT_EQ(tank->AddIcon("Tall", ""), S_OK);
  ASSERT_TRUE(Save(sample, path));
  const std::string saved = ReadAll(path);
  const std::string before = Replaced(original, oldText, newText);
  const std::size_t icons = before.find("Section Icons");
  const std::size_t scripts = before.find("Section Scripts");
  ASSERT_NE(icons, std::string::npos);
  EXPECT_EQ(saved.substr(0, icons), before.substr(0, icons));
  EXPECT_NE(saved.find("Icon \"ProductTank\" \"Tall\";"), std::string::npos);
  EXPECT_EQ(saved.substr(saved.find("Section Scripts")), before.substr(scripts));
  LoadedSimulation reopened = Load(path);
  ASSERT_TRUE(reopened.store);
  EXPECT_NE(reopened.store->SimulationPalette()->Find("ProductTank")->FindIcon("Tall"), nullptr);
  EXPECT_EQ(reopened.store->SimulationPalette()->Find("TransferPump")->Text(), newText);
}

TEST(SaveFidelityTest, LibrariesStayFoundAfterARelativeOpenAndASaveElsewhere) {
  SampleCopy copy("fidelity_relative");
  const fs::path previous = fs::current_path();
  fs::current_path(copy.Dir().Path());
  LoadedSimulation sample = Load("Tanks.vsim");
  fs::current_path(previous);
  ASSERT_TRUE(sample.store);
  fs::create_directories(copy.File("elsewhere"));
  const std::string moved = copy.File("elsewhere/Moved.vsim");
  ASSERT_TRUE(Save(sample, moved));
  EXPECT_NE(ReadAll(moved).find("Library \"../ProcessUnits.vlib\";"), std::string::npos);
  LoadedSimulation reopened = Load(moved);
  ASSERT_TRUE(reopened.store);
  EXPECT_NE(reopened.store->FindLibrary("ProcessUnits"), nullptr);
}

TEST(SaveFidelityTest, ALibraryThatCannotBeOpenedLeavesNothingOpen) {
  ScratchDirectory dir("failed_open_library");
  dir.Write("Base.vlib",
            "// Vortan library file, format 1.0\n\nVariable Depth\n  Value: 1.0;\nEnd\n\n// End of Vortan library file\n");
  const std::string broken = dir.Write("Broken.vlib",
                                       "// Vortan library file, format 1.0\n\nSection Libraries\n  Library \"Base.vlib\";\n"
                                       "EndSection\n\nModel Cut\n  x as Depth;\n");
  FileProblem problem;
  const std::string simulation =
      dir.Write("Plant.vsim", "// Vortan simulation file, format 1.0\n\n// End of Vortan simulation file\n");
  LoadedSimulation plant = Load(simulation);
  ASSERT_TRUE(plant.store);
  EXPECT_TRUE(FAILED(plant.store->OpenLibrary(broken)));
  EXPECT_TRUE(plant.store->Libraries().empty());
  EXPECT_TRUE(plant.store->SimulationPalette()->UsedLibraries().empty());
  const FileContents contents = SimulationContents(*plant.store, plant.settings, plant.packages, dir.Path());
  EXPECT_TRUE(contents.libraries.empty());
  // The library it pulled in opens on its own afterwards, first in the list.
  CComPtr<CStoreType> base;
  EXPECT_EQ(plant.store->OpenLibrary(dir.File("Base.vlib"), &base), S_OK);
  ASSERT_EQ(plant.store->Libraries().size(), 1u);
}

}  // namespace
