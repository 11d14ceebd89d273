// Files at and beyond the limits of what a file can say: numbers too large for
// their field, folders nested without end, and files that are mostly empty
// lines. Each is refused at its line, or read in full with true line numbers.
#include <gtest/gtest.h>

#include <string>

#include "tests/workbench_files/FileTestSupport.h"
#include "workbench/files/FileReader.h"
#include "workbench/files/FileWriter.h"

namespace {


std::string Simulation(const std::string& body) { return kHeader + "\n" + body + kClosing; }

std::string Section(const std::string& name, const std::string& records) {
  return "Section " + name + "\n" + records + "EndSection\n";
}

std::string FolderRecord(std::size_t depth) {
  std::string record = "  Folder \"BlockTypeFolder\"";
  for (std::size_t i = 1; i < depth; ++i) record += " \"F" + std::to_string(i) + "\"";
  return record + ";\n";
}

// The problem of a refused text; an empty problem when it was read.
FileProblem ProblemOf(const std::string& text) {
  FileProblem problem;
  if (ReadFileContents(text, "plant.vsim", problem)) return FileProblem{};
  return problem;
}

TEST(FileLimitsTest, NumbersBeyondTheirFieldAreRefusedNotCutDown) {
  struct Case {
    std::string text;
    std::string words;
  };
  // Each record stands on line 4 of its file.
  const Case cases[] = {
      {Simulation(Section("Settings", "  GroupsPerPage 4294967297;\n")), "from 1 to 2147483647"},
      {Simulation(Section("Settings", "  ScriptDoubleClick 2147483648;\n")), "but found 2147483648"},
      {Simulation(Section("Settings", "  TaskDoubleClick -2147483649;\n")), "but found -2147483649"},
      {Simulation(Section("Settings", "  ExportedModels 1 2 0x100000000;\n")), "an exported-model setting"},
      {Simulation(Section("Folders", "  Folder \"BlockTypeFolder\" order=4294967296;\n")), "order="},
      {Simulation(Section("Folders", "  Folder \"BlockTypeFolder\" tankIcon=-4294967297;\n")), "tankIcon="},
      {"// Vortan package file, format 1.0\n\n" + Section("Package", "  Packaged \"Tank\" option=8589934593;\n") +
           "\n// End of Vortan package file\n",
       "option="},
      {"// Vortan package file, format 1.0\n\n" + Section("Package", "  Settings 1 4294967297 0;\n") +
           "\n// End of Vortan package file\n",
       "an export setting"},
  };
  for (const Case& c : cases) {
    const FileProblem problem = ProblemOf(c.text);
    EXPECT_EQ(problem.line, 4) << c.text;
    EXPECT_NE(problem.Describe().find("plant.vsim, line 4: "), std::string::npos) << problem.Describe();
    EXPECT_NE(problem.message.find(c.words), std::string::npos) << problem.Describe();
  }

  // The largest numbers each field holds are read as written.
  FileProblem problem;
  const auto contents = ReadFileContents(
      Simulation(Section("Settings", "  GroupsPerPage 2147483647;\n  ScriptDoubleClick -2147483648;\n") + "\n" +
                 Section("Folders", "  Folder \"BlockTypeFolder\" order=2147483647 tankIcon=-2147483648;\n"
                                    "  Folder \"BlockTypeFolder\" \"Pumps\" flags=0x10000;\n")),
      "plant.vsim", problem);
  ASSERT_TRUE(contents) << problem.Describe();
  EXPECT_EQ(contents->settings.groupsPerPage, 2147483647);
  EXPECT_EQ(contents->settings.scriptDoubleClick, -2147483647 - 1);
  EXPECT_EQ(contents->folders.at(0).toolbarOrder, 2147483647);
  EXPECT_EQ(contents->folders.at(0).tankIcon, -2147483647 - 1);
  // A folder whose toolbar settings were never written has none: never ordered, its models keep the tank icon.
  EXPECT_EQ(contents->folders.at(1).toolbarOrder, 0);
  EXPECT_EQ(contents->folders.at(1).tankIcon, 0);
}

TEST(FileLimitsTest, FoldersNestedBeyondTheLimitAreRefusedAtTheirLine) {
  FileProblem problem;
  const auto deepest = ReadFileContents(Simulation(Section("Folders", FolderRecord(kMaxFolderDepth))), "plant.vsim", problem);
  ASSERT_TRUE(deepest) << problem.Describe();
  EXPECT_EQ(deepest->folders.at(0).path.size(), kMaxFolderDepth);

  for (const std::size_t depth : {kMaxFolderDepth + 1, std::size_t{200000}}) {
    const FileProblem refused = ProblemOf(Simulation(Section("Folders", FolderRecord(depth))));
    EXPECT_EQ(refused.line, 4) << refused.Describe();
    EXPECT_NE(refused.message.find("folders at most " + std::to_string(kMaxFolderDepth) + " deep"), std::string::npos)
        << refused.message.substr(0, 200);
  }

  // What no file can hold is not written either: the old file stays as it was.
  FileContents contents;
  FileFolder folder;
  folder.path.assign(kMaxFolderDepth + 1, "Nested");
  contents.folders.push_back(folder);
  std::string text = "unchanged";
  FileProblem writeProblem;
  EXPECT_FALSE(WriteFileContents(contents, text, writeProblem));
  EXPECT_EQ(text, "unchanged");
  EXPECT_NE(writeProblem.message.find("at most " + std::to_string(kMaxFolderDepth) + " deep"), std::string::npos);
}

TEST(FileLimitsTest, MillionsOfEmptyLinesKeepTheirLineNumbers) {
  constexpr std::size_t kEmptyLines = 3'000'000;
  const std::string empty(kEmptyLines, '\n');
  // header, blank, the empty lines, then the model: line 3 000 003.
  FileProblem problem;
  const auto read = ReadFileContents(kHeader + "\n" + empty + "Model Tank\nEnd\n" + kClosing, "plant.vsim", problem);
  ASSERT_TRUE(read) << problem.Describe();
  EXPECT_EQ(read->definitions.at(0).line, 3'000'003);

  // A mistake after them is named at its own line, inside and outside sections.
  EXPECT_EQ(ProblemOf(kHeader + "\n" + empty + "Bogus\n" + kClosing).line, 3'000'003);
  EXPECT_EQ(ProblemOf(kHeader + "\nSection Settings\n" + empty + "  GroupsPerPage 0;\nEndSection\n" + kClosing).line,
            3'000'004);
  const FileProblem unclosed = ProblemOf(kHeader + "\n" + empty + "Section Settings\n" + empty + kClosing);
  EXPECT_EQ(unclosed.line, 3'000'003);
  EXPECT_NE(unclosed.message.find("'EndSection' is missing"), std::string::npos) << unclosed.message;
}

}  // namespace
