// The sample simulation the program opens: it loads whole, its types are
// real models that compile, and saving and loading it again keeps every
// part of it and every type text byte for byte.
#include <gtest/gtest.h>

#include <set>

#include "host/store/HostClassIds.h"
#include "tests/workbench_document/DocumentTestSupport.h"
#include "workbench/document/StoreContents.h"
#include "workbench/files/FileWriter.h"
#include "workbench/store/StorePalette.h"
#include "workbench/store/StoreServices.h"
#include "workbench/store/StoreType.h"
#include "workbench/store/TypeCompiler.h"

namespace {

LoadedSimulation LoadSample() {
  FileProblem problem;
  std::optional<LoadedSimulation> loaded = LoadSimulation(SamplePath(), problem);
  EXPECT_TRUE(loaded) << problem.Describe();
  return loaded ? std::move(*loaded) : LoadedSimulation{};
}

std::vector<std::string> LibraryNames(CStore& store) {
  std::vector<std::string> names;
  for (const auto& library : store.Libraries()) names.push_back(library->Name());
  return names;
}

TEST(SampleSimulationTest, LoadsWithEveryKindOfContent) {
  LoadedSimulation sample = LoadSample();
  ASSERT_TRUE(sample.store);
  CStore& store = *sample.store;
  // In the order the simulation names them (a library before the ones it pulls in).
  EXPECT_EQ(LibraryNames(store), (std::vector<std::string>{"syslib.dsl", "SystemLibrary", "Modeler", "ProcessUnits"}));
  CStorePalette& own = *store.SimulationPalette();
  for (const char* name : {"Level", "TankShape", "LiquidPort", "LiquidLine", "FluidProperties", "PumpCurve",
                           "ValveGain", "BufferTank", "LevelController", "TankFarm", "StartUp"})
    EXPECT_NE(own.Find(name), nullptr) << name;
  EXPECT_TRUE(own.Find("BrokenMixer")->HasErrors());
  EXPECT_TRUE(own.Find("StartUp")->IsTaskActive());
  CStoreType* hierarchy = own.FindVisible("Hierarchy");
  ASSERT_NE(hierarchy, nullptr);
  EXPECT_EQ(hierarchy->ClassId(), CLSID_QVHierarchyType);
  EXPECT_TRUE(hierarchy->IsBuiltIn());

  // The user folders, and the BufferTank's forms, icons, script and task, are the
  // command-line and Explorer tests' sample; here what no Explorer test shows.
  CStoreType& tank = *own.Find("BufferTank");
  std::set<CLSID> kinds;
  for (const char* owner : {"BufferTank", "ControlValve", "TankFarm"})
    for (const auto& form : own.Find(owner)->Forms()) kinds.insert(form->ClassId());
  for (const CLSID& kind : {CLSID_QVTableForm, CLSID_QVPlotForm, CLSID_QVProfileForm, CLSID_QVCustomForm,
                            CLSID_QVModelHelpForm})
    EXPECT_TRUE(kinds.count(kind)) << kind.ToString();
  ASSERT_NE(tank.FindIcon("System"), nullptr);
  EXPECT_NE(tank.FindIcon("System")->Text().find("Rectangle 6 14 26 30 9"), std::string::npos);

  EXPECT_EQ(store.UnitSets().UnitOf("US", "VolumeFlow"), "gpm");
  EXPECT_TRUE(store.ComponentLists().IsConfigured());
  ASSERT_NE(store.ComponentLists().Find("Inerts"), nullptr);
  EXPECT_TRUE(store.ComponentLists().Find("Inerts")->isSet);
  EXPECT_EQ(store.SolverOptions().PrintLevel(), 2);
  EXPECT_TRUE(store.Homotopy().available);
  EXPECT_EQ(sample.packages.size(), 1u);
  EXPECT_EQ(sample.settings.currentUnitSet, "Metric");
}

TEST(SampleSimulationTest, ItsModelsCompileExceptTheBrokenOne) {
  LoadedSimulation sample = LoadSample();
  ASSERT_TRUE(sample.store);
  std::vector<CStorePalette*> palettes{sample.store->SimulationPalette()};
  for (const auto& library : sample.store->Libraries()) palettes.push_back(library->OwnedPalette());
  int checked = 0;
  for (CStorePalette* palette : palettes) {
    for (const auto& type : palette->Types()) {
      if (!IsCompiledKind(type->Kind()) || type->Kind() == StoreKind::Flowsheet) continue;
      const QVParseReport report = CheckTypeText(*type, type->Text());
      ++checked;
      if (type->Name() == "BrokenMixer") {
        EXPECT_TRUE(report.HasErrors());
        continue;
      }
      std::string errors;
      for (const auto& m : report.messages)
        if (m.IsError()) errors += m.Describe() + "\n";
      EXPECT_FALSE(report.HasErrors()) << palette->Name() << "." << type->Name() << ":\n" << errors;
    }
  }
  EXPECT_GT(checked, 30);
}

TEST(SampleSimulationTest, SaveAndLoadAgainKeepsTheSameStore) {
  LoadedSimulation first = LoadSample();
  ASSERT_TRUE(first.store);
  ScratchDirectory dir("round_trip");
  const std::string copy = dir.File("Copy.vsim");
  FileProblem problem;
  ASSERT_TRUE(SaveSimulation(*first.store, first.settings, first.packages, copy, problem)) << problem.Describe();
  std::optional<LoadedSimulation> second = LoadSimulation(copy, problem);
  ASSERT_TRUE(second) << problem.Describe() << "\n" << ReadAll(copy);

  const FileContents a = SimulationContents(*first.store, first.settings, first.packages, dir.Path());
  const FileContents b = SimulationContents(*second->store, second->settings, second->packages, dir.Path());
  EXPECT_TRUE(a == b);
  ASSERT_EQ(a.definitions.size(), b.definitions.size());
  for (std::size_t i = 0; i < a.definitions.size(); ++i) {
    EXPECT_EQ(a.definitions[i].name, b.definitions[i].name);
    EXPECT_EQ(a.definitions[i].text, b.definitions[i].text) << a.definitions[i].name;
  }
  // The texts stand in the file as they were written in the sample.
  const std::string written = ReadAll(copy);
  EXPECT_NE(written.find(first.store->SimulationPalette()->Find("TankFarm")->Text()), std::string::npos);
  // Writing the loaded copy again gives the same file.
  const std::string again = dir.File("Again.vsim");
  ASSERT_TRUE(SaveSimulation(*second->store, second->settings, second->packages, again, problem));
  EXPECT_EQ(ReadAll(again), written);
}

TEST(SampleSimulationTest, LibrariesSaveAndReopenAsLibraries) {
  LoadedSimulation sample = LoadSample();
  ASSERT_TRUE(sample.store);
  ScratchDirectory dir("libraries");
  CStoreType* units = sample.store->FindLibrary("ProcessUnits");
  ASSERT_NE(units, nullptr);
  FileProblem problem;
  const std::string path = dir.File("ProcessUnits.vlib");
  ASSERT_TRUE(SaveLibrary(*units, path, problem)) << problem.Describe();
  CStore fresh;
  UseFileLibraries(fresh, std::make_shared<FileProblem>());
  CComPtr<CStoreType> reopened;
  ASSERT_EQ(fresh.OpenLibrary(path, &reopened), S_OK);
  const FileContents a = LibraryContents(*units, dir.Path());
  const FileContents b = LibraryContents(*reopened, dir.Path());
  EXPECT_TRUE(a == b);
  EXPECT_TRUE(reopened->OwnedPalette()->IsReadOnly());
  EXPECT_NE(reopened->OwnedPalette()->FolderPath({"BlockTypeFolder", "Valves", "BlockTypeFolder"}, false), nullptr);
}

}  // namespace
