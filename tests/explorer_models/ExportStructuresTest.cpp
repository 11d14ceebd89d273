// Exporting a model to the file the user chooses, by the file's extension, and
// what a file that cannot be written does; structure types with their menus,
// contents and the creation of a global instance.
#include <filesystem>

#include "explorer/core/ExplorerClipboardFormats.h"
#include "explorer/core/ExplorerCommands.h"
#include "explorer/core/ExplorerMessages.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/nodes/library/ModelTypeExport.h"
#include "explorer/nodes/library/QVEOBlockType.h"
#include "explorer/nodes/library/QVEOGlobalStructureType.h"
#include "explorer/nodes/library/QVEOScript.h"
#include "host/store/HostClassIds.h"
#include "platform/SafeFile.h"
#include "tests/explorer_models/ModelsTestSupport.h"

namespace models_test {
namespace {

namespace fs = std::filesystem;

class ExportStructuresTest : public ModelsTest {
 protected:
  CStoreType& tank = build.Model(Simulation(), "Tank");
  CQVEOBlockType node{InstanceOf(tank), nullptr, &owner, 0};
  std::string dir = config.Path();

  std::string Exported(const std::string& fileName) {
    ui.AnswerFile(dir + "/" + fileName);
    node.DoCommand(ID_EXPLORER_EXPORT);
    return ReadFileImage(dir + "/" + fileName, 1 << 20).bytes;
  }
  int FilesIn(const std::string& path) {
    int count = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(path)) ++count;
    return count;
  }
};

TEST_F(ExportStructuresTest, TheChosenExtensionDecidesWhatIsWritten) {
  const std::string text = Exported("Tank.ktrf");
  EXPECT_NE(text.find("Model Tank"), std::string::npos);
  EXPECT_EQ(ui.Prompts().back().caption, "Export");

  const std::string installation = Exported("Tank.msi");
  EXPECT_NE(installation.find("msi"), std::string::npos);
  const std::string library = Exported("Tank.DLL");
  EXPECT_NE(library.find("dll"), std::string::npos);
  const std::string package = Exported("Tank.rmplz");
  EXPECT_NE(package.find("rmplz"), std::string::npos);
  EXPECT_NE(installation, library);
  // No custom-modeling file is left beside the package.
  EXPECT_FALSE(fs::exists(dir + "/CustomModeling.ktrf"));

  // Any other extension writes nothing.
  const int before = FilesIn(dir);
  EXPECT_EQ(Exported("Tank.txt"), "");
  EXPECT_EQ(FilesIn(dir), before);
}

TEST_F(ExportStructuresTest, AFileThatCannotBeWrittenSaysExportFailedAndLeavesNothingBehind) {
  EXPECT_EQ(ModelExportFilter(1), "Kestrane Language (*.ktrf)|*.ktrf||");
  EXPECT_EQ(ModelExportFilter(0), "Kestrane Language (*.ktrf)|*.ktrf|Model Installation Package (*.msi)|*.msi||");

  // A name longer than the file system allows cannot be written, as text or as a package.
  const std::string tooLong = "Tank" + std::string(300, 'x');
  for (const char* extension : {".ktrf", ".msi"}) {
    const int before = FilesIn(dir);
    ui.AnswerFile(dir + "/" + tooLong + extension);
    ui.AnswerOk();
    node.DoCommand(ID_EXPLORER_EXPORT);
    EXPECT_EQ(ui.Prompts().back().text, "Export failed.") << extension;
    EXPECT_EQ(ui.Prompts().back().caption, "Export");
    EXPECT_EQ(FilesIn(dir), before) << extension;
  }
}

TEST_F(ExportStructuresTest, StructureTypesListOnlyTextScriptsAndFormsAndOfferCreateInstanceEvenReadOnly) {
  CStoreType& props = build.Type(Simulation(), StoreKind::Structure, "Props");
  build.Script(props, "Recalc");
  build.Form(props, "Table1", CLSID_QVTableForm);
  CQVEOGlobalStructureType structure(InstanceOf(props), nullptr, &owner, 0);
  Show(structure);
  EXPECT_EQ(ListColumn(0), (Strings{" Add Form", " Add Script", "Props", "Recalc", "AllVariables", "Table1"}));
  EXPECT_EQ(MenuTexts(structure),
            (Strings{"Create Instance...", "Explore", "Export...", "-", "Edit", "Rename", "Delete", "-", "Copy", "-",
                     "Compile", "-", "Properties...", "Structure Package Properties..."}));

  CStoreType& library = build.Library("Tables", true);
  CStoreType& fixed = build.Type(build.Palette(library), StoreKind::Structure, "Steam");
  CQVEOGlobalStructureType readOnly(InstanceOf(fixed), nullptr, &owner, 1);
  EXPECT_EQ(MenuTexts(readOnly), (Strings{"Create Instance...", "Explore", "Export...", "-", "Edit", "-", "Copy"}));
  EXPECT_TRUE(readOnly.CanDoCommand(ID_EXPLORER_CREATE_INSTANCE));
}

TEST_F(ExportStructuresTest, CreatingAnInstanceNamesItWarnsAboutItsComponentListAndRefusesATakenName) {
  CStoreType& props = build.Type(Simulation(), StoreKind::Structure, "Props");
  CQVEOGlobalStructureType structure(InstanceOf(props), nullptr, &owner, 0);
  ui.AnswerName("Steam");
  structure.DoCommand(ID_EXPLORER_CREATE_INSTANCE);
  EXPECT_EQ(ui.Prompts().front().caption, "Name Structure");
  // The instance is a global structure of the flowsheet, declared in its text.
  EXPECT_TRUE(Document().Flowsheet().Instance("Steam"));
  EXPECT_NE(Store().SimulationPalette()->Find("Flowsheet")->Text().find("Steam as global Props;"), std::string::npos);
  const std::string messages = Document().Messages().Text();
  EXPECT_NE(messages.find("Warning: (Create and/or) set up correct Component List in AllVariables Table for "
                          "\"Steam\" structure instance."),
            std::string::npos);
  MessageQueue::Pump();
  EXPECT_EQ(owner.Count(EXPLORER_CONTENTS_CHANGED), 1);

  ui.AnswerName("Steam");
  ui.AnswerOk();
  structure.DoCommand(ID_EXPLORER_CREATE_INSTANCE);
  EXPECT_EQ(ui.LastMessage(), "Add Structure Instance Error: A type definition named \"Steam\" already exists.");
}

TEST_F(ExportStructuresTest, AStructureTypeCopiedOntoAnotherIsCopiedIntoItsLibrary) {
  CStoreType& props = build.Type(Simulation(), StoreKind::Structure, "Props");
  CStoreType& other = build.Type(Simulation(), StoreKind::Structure, "Other");
  CQVEOGlobalStructureType source(InstanceOf(props), nullptr, &owner, 0);
  CQVEOGlobalStructureType target(InstanceOf(other), nullptr, &owner, 0);
  source.DoCommand(ID_EXPLORER_COPY);
  ASSERT_TRUE(Clipboard::IsFormatAvailable(CF_EXPLORER_GLOBAL_STRUCTURE_TYPE));
  EXPECT_FALSE(Clipboard::IsFormatAvailable(CF_EXPLORER_MODEL_TYPE));
  ui.AnswerName("Props2");
  target.DoCommand(ID_EXPLORER_PASTE);
  EXPECT_TRUE(Simulation().Find("Props2"));
}

}  // namespace
}  // namespace models_test
