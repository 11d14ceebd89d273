// The exporters write what the file reader and the store read back: an
// exported library opens as a library, type exports read as definitions, a
// package holds the model and what it needs, the document export loads.
#include <gtest/gtest.h>

#include <set>

#include "host/language/Exporter.h"
#include "host/language/TypeKinds.h"
#include "host/model/IQVPortType.h"
#include "host/store/IFRoot.h"
#include "tests/workbench_document/DocumentTestSupport.h"
#include "workbench/document/WorkbenchApp.h"
#include "workbench/files/FileReader.h"
#include "workbench/store/StoreFolder.h"
#include "workbench/store/StorePalette.h"
#include "workbench/store/StoreType.h"

namespace {

std::set<std::string> Names(const FileContents& contents) {
  std::set<std::string> names;
  for (const FileDefinition& d : contents.definitions) names.insert(d.name);
  return names;
}

class ExporterTest : public SampleDocumentTest {
 protected:
  CStorePalette& Own() { return *Doc().Store().SimulationPalette(); }

  FileContents Read(const std::string& text) {
    FileProblem problem;
    std::optional<FileContents> contents = ReadFileContents(text, "export", problem);
    EXPECT_TRUE(contents) << problem.Describe() << "\n" << text;
    return contents.value_or(FileContents{});
  }

  CComPtr<CStoreType> OpenInFreshStore(CStore& fresh, const std::string& path) {
    UseFileLibraries(fresh, problem);
    CComPtr<CStoreType> library;
    EXPECT_EQ(fresh.OpenLibrary(path, &library), S_OK) << problem->Describe();
    return library;
  }

  ScratchDirectory dir{"export"};
  std::shared_ptr<FileProblem> problem = std::make_shared<FileProblem>();
};

TEST_F(ExporterTest, AnExportedLibraryOpensAsALibrary) {
  CStoreType* units = app.Document().Store().FindLibrary("ProcessUnits");
  ASSERT_NE(units, nullptr);
  std::string text;
  ASSERT_EQ(QVExportLibrary(ComQuery<IFRoot>(static_cast<IFType*>(units)), text), S_OK);
  const std::string path = dir.Write("Units.ktrf", text);
  CStore fresh;
  CComPtr<CStoreType> reopened = OpenInFreshStore(fresh, path);
  ASSERT_TRUE(reopened);
  const FileContents a = LibraryContents(*units, "");
  const FileContents b = LibraryContents(*reopened, "");
  EXPECT_EQ(a.definitions, b.definitions);
  EXPECT_EQ(a.folders, b.folders);
  EXPECT_TRUE(SameOwnedItems(a.owned, b.owned));

  // The simulation's own types export as a library too (the custom-modeling file of a package).
  std::string own;
  ASSERT_EQ(QVExportLibrary(ComQuery<IFRoot>(static_cast<IFType*>(app.Document().Store().SimulationType())), own), S_OK);
  CStore other;
  CComPtr<CStoreType> custom = OpenInFreshStore(other, dir.Write("CustomModeling.ktrf", own));
  ASSERT_TRUE(custom);
  EXPECT_NE(custom->OwnedPalette()->Find("TankFarm"), nullptr);
  EXPECT_TRUE(custom->OwnedPalette()->Find("BrokenMixer")->HasErrors());
}

TEST_F(ExporterTest, TypeExportsReadBackAsDefinitions) {
  std::string one;
  ASSERT_EQ(QVExportType(&Type("BufferTank"), one), S_OK);
  const FileContents tank = Read(one);
  EXPECT_EQ(tank.kind, FileKind::Definitions);
  ASSERT_EQ(tank.definitions.size(), 1u);
  EXPECT_EQ(tank.definitions[0].text, Type("BufferTank").Text());
  ASSERT_NE(tank.FindOwned("BufferTank"), nullptr);
  EXPECT_EQ(tank.FindOwned("BufferTank")->defaultForm, "Levels");

  // Several exports appended into one file read back together.
  ASSERT_EQ(QVExportType(&Type("Level"), one), S_OK);
  EXPECT_EQ(Names(Read(one)), (std::set<std::string>{"BufferTank", "Level"}));

  std::string models;
  ASSERT_EQ(QVExportTypes(&Own(), QV_KIND_MODEL, models), S_OK);
  EXPECT_EQ(Names(Read(models)), (std::set<std::string>{"FeedSource", "ControlValve", "BufferTank", "TransferPump",
                                                        "ProductTank", "LevelController", "TankFarm", "BrokenMixer"}));
  std::string ports;
  ASSERT_EQ(QVExportTypes(&Own(), IID_IQVPortType, ports), S_OK);
  EXPECT_EQ(Names(Read(ports)), (std::set<std::string>{"LiquidPort"}));
  std::string folder;
  ASSERT_EQ(QVExportTypes(Own().FolderPath({"BlockTypeFolder", "Storage"}, false), folder), S_OK);
  EXPECT_EQ(Names(Read(folder)), (std::set<std::string>{"BufferTank", "ProductTank"}));
  std::string scripts;
  ASSERT_EQ(QVExportScripts(app.Document().Store().SimulationType(), scripts), S_OK);
  const FileContents read = Read(scripts);
  ASSERT_NE(read.FindOwned(""), nullptr);
  ASSERT_EQ(read.FindOwned("")->scripts.size(), 1u);
  EXPECT_EQ(read.FindOwned("")->scripts[0].name, "ReportLevels");
}

TEST_F(ExporterTest, PackagesHoldTheModelWhatItNeedsAndTheirAttachments) {
  std::string custom;
  ASSERT_EQ(QVExportLibrary(ComQuery<IFRoot>(static_cast<IFType*>(app.Document().Store().SimulationType())), custom), S_OK);
  const std::string customPath = dir.Write("CustomModeling.ktrf", custom);
  const std::string package = dir.File("Tank.rmplz");
  ASSERT_EQ(QVExportTypeDLL(&Type("BufferTank"), package, 1, 2, 3, 0, customPath), S_OK);
  FileProblem p;
  const std::optional<FileContents> read = ReadFileContentsFrom(package, p);
  ASSERT_TRUE(read) << p.Describe();
  EXPECT_EQ(read->kind, FileKind::Package);
  ASSERT_TRUE(read->package);
  EXPECT_EQ(read->package->model, "BufferTank");
  EXPECT_EQ(read->package->format, "rmplz");
  EXPECT_EQ(read->package->settings, (std::array<int, 3>{1, 2, 3}));
  ASSERT_EQ(read->package->attachments.size(), 1u);
  EXPECT_EQ(read->package->attachments[0].name, "CustomModeling.ktrf");
  EXPECT_EQ(read->package->attachments[0].text, custom);
  // The model and the simulation's types it refers to, nothing else.
  EXPECT_EQ(Names(*read), (std::set<std::string>{"BufferTank", "Level", "TankShape"}));
  CStore fresh;
  CComPtr<CStoreType> opened = OpenInFreshStore(fresh, package);
  ASSERT_TRUE(opened);
  EXPECT_EQ(opened->OwnedPalette()->Find("BufferTank")->Text(), Type("BufferTank").Text());

  // A custom-modeling file that is not there fails the export and writes nothing.
  EXPECT_LT(QVExportTypeDLL(&Type("BufferTank"), dir.File("No.rmplz"), 0, 0, 0, 0, dir.File("missing.ktrf")), 0);
  EXPECT_FALSE(std::filesystem::exists(dir.File("No.rmplz")));
}

TEST_F(ExporterTest, TheDocumentExportLoadsAsTheSameSimulation) {
  CComPtr<IUnknown> root;
  ASSERT_EQ(app.Document().GetRootModel(&root), S_OK);
  const std::string path = dir.File("Whole.vsim");
  ASSERT_EQ(QVExportDocument(root, path), S_OK);
  FileProblem p;
  std::optional<LoadedSimulation> loaded = LoadSimulation(path, p);
  ASSERT_TRUE(loaded) << p.Describe();
  const FileContents a = SimulationContents(app.Document().Store(), app.Document().Settings(),
                                            app.Document().Packages(), dir.Path());
  const FileContents b = SimulationContents(*loaded->store, loaded->settings, loaded->packages, dir.Path());
  EXPECT_TRUE(a == b);
}

TEST_F(ExporterTest, PackagePropertiesAndRenamesKeepThePackageData) {
  ASSERT_EQ(QVPackageProperties(&Type("TankFarm")), S_OK);
  EXPECT_TRUE(ui.Announced("dialog: Package Properties TankFarm"));
  EXPECT_NE(app.Document().FindPackageData("TankFarm"), nullptr);
  ASSERT_EQ(QVExportPatchExportDataAfterRename(&Type("BufferTank"), "BufferTank", "HoldingTank"), S_OK);
  EXPECT_EQ(app.Document().FindPackageData("BufferTank"), nullptr);
  ASSERT_NE(app.Document().FindPackageData("HoldingTank"), nullptr);
  EXPECT_EQ(app.Document().FindPackageData("HoldingTank")->version, "1.1");
  EXPECT_EQ(QVExportPatchExportDataAfterRename(&Type("Level"), "Level", "Depth"), S_FALSE);
}

}  // namespace
