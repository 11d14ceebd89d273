// The solver options node (opening the host's dialog, exporting the
// "Options" definition) and the " Configure Properties" entry.
#include "explorer/core/ExplorerCommands.h"
#include "explorer/nodes/simulation/QVEOConfigure_Props.h"
#include "explorer/nodes/simulation/QVEOSolverOptions.h"
#include "platform/SafeFile.h"
#include "tests/explorer_simulation/SimulationTestSupport.h"
#include "workbench/store/StorePalette.h"
#include "workbench/store/StoreType.h"

namespace simulation_test {
namespace {

class SolverOptionsTest : public SimulationTest {
 protected:
  std::string ExportPath(const std::string& name) const { return config.Path() + "/" + name; }
  static std::string FileText(const std::string& path) { return ReadFileImage(path, 1 << 20).bytes; }
};

TEST_F(SolverOptionsTest, OpensTheHostsSolverOptionsFromItsMenuOrADoubleClick) {
  CQVEOSolverOptions options(SimulationInstance(), &owner);
  EXPECT_EQ(MenuTexts(options), (Strings{"Open", "Export..."}));
  ui.AnswerCancel();  // the dialog, each time
  ui.AnswerCancel();
  options.DoCommand(ID_EXPLORER_OPEN);
  options.DoDefaultAction();
  EXPECT_EQ(Document().Actions().Count("dialog: Solver Options"), 2);
  EXPECT_EQ(ui.Prompts().back().caption, "Solver Options");
  // Copy, cut and paste only beep.
  options.DoCommand(ID_EXPLORER_COPY);
  options.DoCommand(ID_EXPLORER_PASTE);
  EXPECT_EQ(ui.Beeps(), 2);
  EXPECT_EQ(options.CanDoCommand(ID_EXPLORER_COPY), 0);
}

TEST_F(SolverOptionsTest, ExportWritesTheOptionsDefinitionToTheChosenFile) {
  CStoreType& definition = Build().Type(*Store().SimulationPalette(), StoreKind::Variable, "Options");
  CQVEOSolverOptions options(SimulationInstance(), &owner);
  const std::string path = ExportPath("solver.ktrf");
  ui.AnswerFile(path);
  options.DoCommand(ID_EXPLORER_EXPORT);
  ASSERT_FALSE(ui.Prompts().empty());
  EXPECT_EQ(ui.Prompts().back().kind, "file");
  EXPECT_EQ(ui.Prompts().back().caption, "Export");
  EXPECT_EQ(ui.Prompts().back().text, "Options");
  const std::string written = FileText(path);
  EXPECT_NE(written.find(definition.Text()), std::string::npos) << written;
}

TEST_F(SolverOptionsTest, ExportWithoutAnOptionsDefinitionSaysSoInsteadOfDoingNothing) {
  CQVEOSolverOptions options(SimulationInstance(), &owner);
  CQVEOSolverOptions nothing(nullptr, &owner);
  for (CQVEOSolverOptions* node : {&options, &nothing}) {
    ui.AnswerOk();
    node->DoCommand(ID_EXPLORER_EXPORT);
    ASSERT_FALSE(ui.Prompts().empty());
    EXPECT_EQ(ui.Prompts().back().kind, "message") << "no file is asked for";
    EXPECT_EQ(ui.Prompts().back().caption, "Export");
    EXPECT_EQ(ui.Prompts().back().text, "There is no solver options definition (\"Options\") to export.");
  }
  EXPECT_EQ(ui.Prompts().size(), 2u);
}

TEST_F(SolverOptionsTest, ConfigurePropertiesOpensThePhysicalPropertiesConfiguration) {
  int shown = 0;
  Store().ComponentLists().onShowConfiguration = [&] {
    ++shown;
    return S_OK;
  };
  CQVEOConfigure_Props configure(&owner);
  EXPECT_EQ(MenuTexts(configure), (Strings{"Open"}));
  configure.DoCommand(ID_EXPLORER_OPEN);
  configure.DoDefaultAction();
  EXPECT_EQ(shown, 2);
  EXPECT_TRUE(Store().ComponentLists().IsConfigured());
  configure.DoCommand(ID_EXPLORER_CUT);
  EXPECT_EQ(ui.Beeps(), 1);
  EXPECT_EQ(configure.CanDoCommand(ID_EXPLORER_EXPORT), 0);
}

}  // namespace
}  // namespace simulation_test
