// The program's command line as a user runs it, without a display: the tree,
// contents panes and menus of the bundled sample, scripts of user actions,
// and documents that cannot be read.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/cli/ProgramRun.h"
#include "tests/support/SampleCopy.h"
#include "tests/support/ScopedConfigDir.h"
#include "workbench/document/DocumentFiles.h"

namespace {

class CommandLineTest : public ::testing::Test {
 protected:
  // Runs a script given as text on standard input, against the sample.
  ProgramResult Script(const std::string& text) { return RunProgram({"--script", "-"}, text); }
  // Runs a script that must succeed; a failure shows what the program said.
  ProgramResult ScriptRuns(const std::string& text) {
    ProgramResult result = Script(text);
    EXPECT_EQ(result.exitCode, 0) << result.err << result.out;
    return result;
  }
  std::string ScratchFile(const std::string& name, const std::string& contents) {
    const std::string path = config.Path() + "/" + name;
    std::ofstream(path, std::ios::binary) << contents;
    return path;
  }
  static bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }
  static std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }

  ScopedConfigDir config;  // the program's settings go here, one directory per test
};

}  // namespace

TEST_F(CommandLineTest, HelpListsTheModesAndBadUsageIsRefused) {
  ProgramResult help = RunProgram({"--help"});
  EXPECT_EQ(help.exitCode, 0);
  for (const char* mode : {"--tree", "--list PATH", "--menu PATH", "--script FILE"}) EXPECT_TRUE(Has(help.out, mode)) << mode;

  ProgramResult noPath = RunProgram({"--list"});
  EXPECT_NE(noPath.exitCode, 0);
  EXPECT_TRUE(Has(noPath.err, "--list")) << noPath.err;
}

// The indentation of every level is the flowsheet tree's test's case.
TEST_F(CommandLineTest, TreeStartsAtTheMarginAtItsPathAndAnUnknownPathIsNamed) {
  EXPECT_EQ(RunProgram({"--tree"}).out.substr(0, 11), "Simulation\n");
  ProgramResult below = RunProgram({"--tree", "Simulation/UOM Sets"});
  EXPECT_EQ(below.exitCode, 0) << below.err;
  EXPECT_EQ(Lines(below.out).front(), "UOM Sets");
  ProgramResult unknown = RunProgram({"--tree", "Simulation/Nowhere"});
  EXPECT_EQ(unknown.exitCode, 1);
  EXPECT_TRUE(Has(unknown.err, "Simulation/Nowhere")) << unknown.err;
}

TEST_F(CommandLineTest, ListsShowHeadingsRowsInPaneOrderAndOverlays) {
  ProgramResult top = RunProgram({"--list", "Simulation"});
  ASSERT_EQ(top.exitCode, 0) << top.err;
  const std::vector<std::string> lines = Lines(top.out);
  ASSERT_GE(lines.size(), 2u) << top.out;
  EXPECT_EQ(lines[0], "Name\tType\tStatus");
  EXPECT_NE(std::find(lines.begin(), lines.end(), "Globals\tGlobals\t"), lines.end()) << top.out;
  EXPECT_TRUE(std::is_sorted(lines.begin() + 1, lines.end())) << "sorted by name:\n" << top.out;

  // The current unit set carries the default mark.
  ProgramResult units = RunProgram({"--list", "simulation/uom sets"});  // labels match without regard to case
  ASSERT_EQ(units.exitCode, 0) << units.err;
  EXPECT_TRUE(Has(units.out, "Name\tType\n")) << units.out;
  EXPECT_TRUE(Has(units.out, "Metric\tUOM\t[overlay 2]\n")) << units.out;
  EXPECT_TRUE(Has(units.out, "SI\tUOM\n")) << units.out;
}

TEST_F(CommandLineTest, MenusKeepAmpersandsTabsSeparatorsAndIndentPopups) {
  ProgramResult menu = RunProgram({"--menu", "Simulation"});
  ASSERT_EQ(menu.exitCode, 0) << menu.err;
  const std::vector<std::string> lines = Lines(menu.out);
  EXPECT_EQ(lines.front(), "E&xplore");
  EXPECT_NE(std::find(lines.begin(), lines.end(), "-"), lines.end());
  EXPECT_NE(std::find(lines.begin(), lines.end(), "P&roperties...\tAlt+Enter"), lines.end()) << menu.out;
  auto run = std::find(lines.begin(), lines.end(), "&Run");
  ASSERT_NE(run, lines.end()) << menu.out;
  EXPECT_EQ(*(run + 1), "  R&un\tF5");

  // A row of the contents pane that has no tree item of its own.
  ProgramResult row = RunProgram({"--menu", "Simulation/UOM Sets/SI"});
  ASSERT_EQ(row.exitCode, 0) << row.err;
  EXPECT_TRUE(Has(row.out, "Make Current")) << row.out;
  EXPECT_NE(RunProgram({"--menu", "Simulation/UOM Sets/Imperial"}).exitCode, 0);
}

TEST_F(CommandLineTest, ADamagedDocumentIsReportedWithFileAndLineAndNothingIsWritten) {
  const std::string damaged = ScratchFile("Damaged.vsim",
                                          "// Vortan simulation file, format 1.0\n"
                                          "Model Broken\n"
                                          "  x as Level\n");
  for (const char* mode : {"--tree", "--script"}) {
    const std::vector<std::string> args = std::string(mode) == "--tree"
                                              ? std::vector<std::string>{"--tree", "Simulation", damaged}
                                              : std::vector<std::string>{"--script", ScratchFile("s.txt", "list\n"), damaged};
    ProgramResult result = RunProgram(args);
    EXPECT_NE(result.exitCode, 0) << mode;
    EXPECT_TRUE(Has(result.err, "Damaged.vsim")) << result.err;
    EXPECT_TRUE(Has(result.err, "line")) << result.err;
    EXPECT_TRUE(result.out.empty()) << result.out;
  }
  EXPECT_FALSE(std::filesystem::exists(config.RegistryFile())) << "no settings written";

  ProgramResult missing = RunProgram({"--list", "Simulation", config.Path() + "/Missing.vsim"});
  EXPECT_NE(missing.exitCode, 0);
  EXPECT_TRUE(Has(missing.err, "Missing.vsim")) << missing.err;
}

TEST_F(CommandLineTest, ViewStyleAndSortColumnGoToTheSettingsStore) {
  ProgramResult result = ScriptRuns(
      "# the contents pane in details, sorted by type\n"
      "select Simulation\n"
      "do Details\n"
      "sort Type\n"
      "registry\n");
  EXPECT_TRUE(Has(result.out, "\"ListViewType\"=dword:00000003")) << result.out;
  EXPECT_TRUE(Has(result.out, "\"SortColumn\"=\"Type\"")) << result.out;
  EXPECT_TRUE(Has(config.ReadRegistryFile(), "\"SortColumn\"=\"Type\"")) << "kept in the user's store";

  // The next run starts with the stored view: the small-icon style has no headers to click.
  ProgramResult next = Script("select Simulation\ndo Small Icons\nsort Name\n");
  EXPECT_EQ(next.exitCode, 1);
  EXPECT_TRUE(Has(next.err, "stdin:3:")) << next.err;
  EXPECT_TRUE(Has(config.ReadRegistryFile(), "\"ListViewType\"=dword:00000001"));
}

TEST_F(CommandLineTest, PromptsArePrintedAndTakeQueuedAnswers) {
  ProgramResult result = ScriptRuns(
      "select Simulation\n"
      "answer cancel\n"
      "do Properties...\n");
  EXPECT_TRUE(Has(result.out, "sheet: Simulation Properties\n  Pages: [General] | Degrees of Freedom\n")) << result.out;
  EXPECT_TRUE(Has(result.out, "  File name: ")) << result.out;
  EXPECT_FALSE(Has(result.out, "<Cancel>")) << "the sheet closes with OK only:\n" << result.out;

  // No answer waiting: the script stops at that line.
  ProgramResult unanswered = Script("select Simulation\ndo Properties...\nlist\n");
  EXPECT_EQ(unanswered.exitCode, 1);
  EXPECT_TRUE(Has(unanswered.err, "stdin:2:")) << unanswered.err;
  EXPECT_TRUE(Has(unanswered.out, "sheet: Simulation Properties")) << "printed before it failed";
  EXPECT_FALSE(Has(unanswered.out, "Name\t")) << "nothing after the failing line runs";

  // An answer that does not fit stops it too, and so does an answer nothing asked for.
  EXPECT_EQ(Script("select Simulation\nanswer name X\ndo Properties...\n").exitCode, 1);
  ProgramResult unused = Script("answer yes\nselect Simulation\n");
  EXPECT_EQ(unused.exitCode, 1);
  EXPECT_TRUE(Has(unused.err, "answer")) << unused.err;
}

TEST_F(CommandLineTest, ScriptErrorsNameTheirLine) {
  struct Case {
    const char* script;
    const char* where;
  } cases[] = {
      {"select Simulation\nfly away\n", "stdin:2:"},
      {"\n# comment\nselect Simulation/Nowhere\n", "stdin:3:"},
      {"select Simulation\nrow Nothing Here\n", "stdin:2:"},
      {"select Simulation\ndo Fly\n", "stdin:2:"},
      {"select Simulation/UOM Sets\nrow SI\nexplore\n", "stdin:3:"},  // refused by the node
      {"window 2\n", "stdin:1:"},
      {"answer maybe\n", "stdin:1:"},
  };
  for (const Case& c : cases) {
    ProgramResult result = Script(c.script);
    EXPECT_EQ(result.exitCode, 1) << c.script;
    EXPECT_TRUE(Has(result.err, c.where)) << c.script << " -> " << result.err;
  }
  ProgramResult file = RunProgram({"--script", config.Path() + "/none.txt"});
  EXPECT_EQ(file.exitCode, 1);
  EXPECT_TRUE(Has(file.err, "none.txt")) << file.err;
}

TEST_F(CommandLineTest, AddingAModelAsksForItsNameOpensItsTextAndSaves) {
  const std::string saved = config.Path() + "/Saved.vsim";
  ProgramResult added = ScriptRuns(
      "select Simulation/Custom Modeling/Models\n"
      "row Add Model\n"  // the label " Add Model", named without its blank
      "answer name Reactor\n"
      "do Open\n"
      "list\n"
      "save " + saved + "\n");
  EXPECT_TRUE(Has(added.out, "dialog: Create Model\n  Name: \n  <OK> (disabled)\n")) << added.out;
  EXPECT_TRUE(Has(added.out, "editor: Reactor\n")) << added.out;
  EXPECT_TRUE(Has(added.out, "\nReactor\t")) << added.out;
  // Saved, the next run reads it back.
  ProgramResult reread = RunProgram({"--list", "Simulation/Custom Modeling/Models", saved});
  ASSERT_EQ(reread.exitCode, 0) << reread.err;
  EXPECT_TRUE(Has(reread.out, "\nReactor\t")) << reread.out;
}

TEST_F(CommandLineTest, APastedModelAppearsOnceUnderModels) {
  ProgramResult result = ScriptRuns(
      "select Simulation/Custom Modeling/Models\n"
      "row FeedSource\n"
      "do Copy\n"
      "answer ok\n"
      "do Paste\n"
      "tree Simulation/Custom Modeling/Models\n");
  const std::string shown = "\n  Copy_of_FeedSource\n";
  const std::size_t first = result.out.find(shown);
  ASSERT_NE(first, std::string::npos) << result.out;
  EXPECT_EQ(result.out.find(shown, first + 1), std::string::npos) << result.out;
}

TEST_F(CommandLineTest, RenameInPlaceAndDeleteAnsweredNoThenYes) {
  ProgramResult result = ScriptRuns(
      "select Simulation/Custom Modeling/Models\n"
      "row TankFarm\n"
      "do Rename\n"
      "rename Farm\n"  // types into the edit the command opened
      "row FeedSource\n"
      "rename Feed\n"  // opens the edit itself
      "row Farm\n"
      "answer no\n"
      "do Delete\n"
      "list\n"
      "answer yes\n"
      "do Delete\n"
      "list\n");
  const std::string afterNo = result.out.substr(0, result.out.rfind("message box:"));
  const std::string afterYes = result.out.substr(result.out.rfind("message box:"));
  EXPECT_TRUE(Has(afterNo, "\nFarm\t")) << "kept after No:\n" << result.out;
  EXPECT_TRUE(Has(afterNo, "\nFeed\t")) << result.out;
  EXPECT_FALSE(Has(afterNo, "TankFarm")) << result.out;
  EXPECT_TRUE(Has(afterYes, "Are you sure that you want to delete this object?\n  [Yes No]\n")) << result.out;
  EXPECT_FALSE(Has(afterYes, "\nFarm\t")) << "gone after Yes:\n" << result.out;
}

// A drag that moves is the Explorer's end-to-end test's, one that copies the flowsheet script's.
TEST_F(CommandLineTest, ARefusedDropStopsTheScript) {
  ProgramResult refused = Script(
      "drag Simulation/Custom Modeling/Variable Types/Level to Simulation/Custom Modeling/Storage copy\n");
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_TRUE(Has(refused.err, "stdin:1:")) << refused.err;
}

// The sample with custom modeling switched off, beside copies of its libraries:
// its own types are then shown as the read-only "Local Library".
class ReadOnlyKeysTest : public CommandLineTest {
 protected:
  std::string LocalLibrarySample() {
    const std::string sample = copy.File(kSampleFileName);
    std::string text = ReadFileImage(sample, 1u << 24).bytes;
    const std::size_t setting = text.find("CustomModeling true;");
    if (setting != std::string::npos) text.replace(setting, 20, "CustomModeling false;");
    return copy.Dir().Write(kSampleFileName, text);
  }
  ProgramResult ScriptOn(const std::string& document, const std::string& text) {
    return RunProgram({"--script", "-", document}, text);
  }

  SampleCopy copy{"cli-local-library"};
};

TEST_F(ReadOnlyKeysTest, KeysOnTheLocalLibraryBeepAndChangeNothing) {
  const std::string sample = LocalLibrarySample();
  ProgramResult deleted = ScriptOn(sample,
                                   "select Simulation/Local Library/Models\n"
                                   "row TankFarm\n"
                                   "key Del\n"
                                   "key Ctrl+X\n"
                                   "key Ctrl+M\n"
                                   "key F8\n"
                                   "list\n");
  ASSERT_EQ(deleted.exitCode, 0) << deleted.err << deleted.out;
  EXPECT_TRUE(Has(deleted.out, "beep\nbeep\nbeep\nbeep\n")) << deleted.out;
  EXPECT_TRUE(Has(deleted.out, "\nTankFarm\t")) << "kept:\n" << deleted.out;
  EXPECT_FALSE(Has(deleted.out, "message box:")) << deleted.out;

  // Copy is allowed in a read-only folder; pasting back into it is not.
  ProgramResult pasted = ScriptOn(sample,
                                  "select Simulation/Local Library/Variable Types\n"
                                  "row Level\n"
                                  "do Copy\n"
                                  "select Simulation/Local Library\n"
                                  "select Simulation/Local Library/Variable Types\n"
                                  "key Ctrl+V\n"
                                  "row Level\n"
                                  "key Ctrl+V\n"
                                  "list\n");
  ASSERT_EQ(pasted.exitCode, 0) << pasted.err << pasted.out;
  EXPECT_TRUE(Has(pasted.out, "beep\nbeep\n")) << pasted.out;
  EXPECT_FALSE(Has(pasted.out, "Copy_of_Level")) << pasted.out;
}

TEST_F(CommandLineTest, KeysReachTheFocusedPaneAsAtTheDesktop) {
  ProgramResult result = ScriptRuns(
      "select Simulation/Custom Modeling/Models\n"
      "row TankFarm\n"
      "answer no\n"
      "key Del\n"
      "key F8\n"
      "messages\n"
      "list\n");
  EXPECT_TRUE(Has(result.out, "\nTankFarm\t")) << "kept after No:\n" << result.out;
  EXPECT_TRUE(Has(result.out, "Compil")) << "F8 compiles the model:\n" << result.out;
  EXPECT_FALSE(Has(result.out, "beep")) << result.out;

  ProgramResult unknown = Script("select Simulation\nkey Ctrl+Hyper\n");
  EXPECT_EQ(unknown.exitCode, 1);
  EXPECT_TRUE(Has(unknown.err, "stdin:2:")) << unknown.err;
}

TEST_F(CommandLineTest, CustomModelingPropertiesListsTheFoldersAndOkKeepsTheirSettings) {
  const std::string saved = config.Path() + "/Plant.vsim";
  ProgramResult result = Script(
      "select Simulation/Custom Modeling\n"
      "answer ok\n"
      "do Properties...\n"
      "save " + saved + "\n");
  ASSERT_EQ(result.exitCode, 0) << result.err;
  const std::vector<std::string> lines = Lines(result.out);
  const auto sheet = std::find(lines.begin(), lines.end(), "sheet: Custom Modeling Properties");
  ASSERT_NE(sheet, lines.end()) << result.out;
  // The three folders in toolbar order, each with its description and its two marks.
  EXPECT_EQ(std::vector<std::string>(sheet + 2, sheet + 9),
            (std::vector<std::string>{
                "  Folder Name | Description | Visible | Tank Icon",
                "  <Storage>  Description: Tanks and vessels  [x] Visible  [x] Tank Icon",
                "  <FlowControl>  Description: Valves, pumps and their control  [x] Visible  [ ] Tank Icon",
                "  <Obsolete>  Description:   [ ] Visible  [ ] Tank Icon",
                "  <Move Up> (disabled)",
                "  <Move Down> (disabled)",
                "  <OK>"}));
  const std::string text = ReadFileImage(saved, 1u << 24).bytes;
  EXPECT_TRUE(Has(text, "Folder \"BlockTypeFolder\" \"Storage\" flags=0x10000 order=1 tankIcon=1 description=\"Tanks and vessels\";"))
      << text;
  EXPECT_TRUE(Has(text, "Folder \"BlockTypeFolder\" \"Obsolete\" flags=0x10000 order=-1 tankIcon=-1;")) << text;
}

TEST_F(CommandLineTest, TheToolbarShowsTabsInFolderOrderAndFollowsARename) {
  ProgramResult result = Script(
      "toolbar Custom Modeling\n"
      "select Simulation/Custom Modeling/Storage\n"
      "row BufferTank\n"
      "rename SurgeTank\n"
      "toolbar Custom Modeling\n"
      "explore\n");
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_TRUE(Has(result.out,
                  "Model Libraries:\n"
                  "  library Custom Modeling\n"
                  "    tab Tanks and vessels: BufferTank, ProductTank\n"
                  "    tab Valves, pumps and their control: ControlValve, TransferPump, LevelController\n"
                  "    tab Models: FeedSource, Hierarchy, TankFarm, TankTrain\n"
                  "    stream type LiquidLine (line 2, colour 9)\n"
                  "    stream type SignalLine (line 1, colour 0)\n"))
      << result.out;
  EXPECT_FALSE(Has(result.out, "Obsolete")) << "the hidden folder has no tab";
  EXPECT_TRUE(Has(result.out, "toolbar: contents changed\n")) << "the Explorer told the toolbar of the rename";
  EXPECT_TRUE(Has(result.out, "    tab Tanks and vessels: SurgeTank, ProductTank\n")) << result.out;
  // The toolbar's own Explorer is never a window of the script.
  EXPECT_TRUE(Has(result.out, "window 2: ")) << result.out;
  EXPECT_EQ(Script("toolbar Nowhere\n").exitCode, 1);
}
