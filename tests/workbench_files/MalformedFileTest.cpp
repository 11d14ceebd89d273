// Damaged and foreign files are refused as a whole, with the file, the line
// and what was expected there.
#include <gtest/gtest.h>

#include <string>

#include "tests/workbench_files/FileTestSupport.h"
#include "workbench/files/FileFormat.h"
#include "workbench/files/FileReader.h"
#include "workbench/files/FileWriter.h"

namespace {

struct Refusal {
  int line = -1;
  std::string text;
};

Refusal Refused(const std::string& text) {
  FileProblem problem;
  const auto contents = ReadFileContents(text, "plant.vsim", problem);
  EXPECT_FALSE(contents) << "accepted:\n" << text;
  EXPECT_EQ(problem.path, "plant.vsim");
  return Refusal{problem.line, problem.Describe()};
}

void ExpectRefused(const std::string& text, int line, const std::string& words) {
  const Refusal r = Refused(text);
  EXPECT_EQ(r.line, line) << r.text;
  EXPECT_NE(r.text.find(words), std::string::npos) << r.text;
  if (line > 0) {
    EXPECT_NE(r.text.find("plant.vsim, line " + std::to_string(line) + ": "), std::string::npos) << r.text;
  }
}


TEST(MalformedFileTest, EmptyAndBlankFiles) {
  ExpectRefused("", 1, "the file is empty");
  ExpectRefused(" \n\n\t\r\n", 1, "the file is empty");
}

TEST(MalformedFileTest, HeadersThisProgramCannotRead) {
  ExpectRefused("// Vortan simulation file, format x\n" + kClosing, 1, "header line is not understood");
  ExpectRefused("// Vortan spreadsheet file, format 1.0\n", 1, "header line is not understood");
  ExpectRefused("// Vortan simulation file, format 2.0\n" + kClosing, 1, "later program");
}

TEST(MalformedFileTest, EveryCutOfAFileIsRefused) {
  std::string text;
  FileProblem problem;
  ASSERT_TRUE(WriteFileContents(RichContents(), text, problem));
  // Cut at the end of each line: nothing short of the whole file reads.
  int cuts = 0;
  for (std::size_t pos = text.find('\n'); pos + 1 < text.size(); pos = text.find('\n', pos + 1)) {
    const std::string cut = text.substr(0, pos + 1);
    FileProblem p;
    EXPECT_FALSE(ReadFileContents(cut, "plant.vsim", p)) << "a file cut after byte " << pos << " was accepted";
    EXPECT_GT(p.line, 0);
    ++cuts;
  }
  EXPECT_GT(cuts, 50);
  // And in the middle of lines.
  for (std::size_t pos = 10; pos < text.size(); pos += 97) {
    FileProblem p;
    EXPECT_FALSE(ReadFileContents(text.substr(0, pos), "plant.vsim", p)) << "cut at " << pos;
  }
}

TEST(MalformedFileTest, CutsSayWhatIsMissing) {
  ExpectRefused(kHeader, 1, "expected the closing line '// End of Vortan simulation file'");
  ExpectRefused(kHeader + "\nModel Tank\n  x as Flow;\n\nSection Folders\n  Folder \"BlockTypeFolder\";\nEndSection\n" +
                    kClosing,
                3, "'End' is missing for the model 'Tank'");
  ExpectRefused(kHeader + "\nModel Tank\n  x as Flow;\n", 3, "'End' is missing for the model 'Tank'");
  ExpectRefused(kHeader + "\nSection Folders\n  Folder \"BlockTypeFolder\";\n", 3,
                "'EndSection' is missing for the section 'Folders'");
  ExpectRefused(kHeader + "\nSection Libraries\n  Library \"Sys", 4, "not closed");
  ExpectRefused(kHeader + "\nModel A\nEnd\n\nSection Libraries\n  Library \"S.vlib\"\n", 7, "expected ';'");
}

TEST(MalformedFileTest, UnknownWordsAreNamedWithWhatWasExpected) {
  ExpectRefused(kHeader + "\nModle Tank\nEnd\n" + kClosing, 3, "expected a type definition (Model");
  ExpectRefused(kHeader + "\nSection Folderz\nEndSection\n" + kClosing, 3,
                "unknown section 'Folderz'; expected one of Libraries, Types, Folders");
  ExpectRefused(kHeader + "\nSection Folders\n  Foldr \"A\";\nEndSection\n" + kClosing, 4,
                "unknown record 'Foldr' in the section 'Folders'; expected Folder or Item");
  ExpectRefused(kHeader + "\nSection Folders\n  Folder \"A\" colour=3;\nEndSection\n" + kClosing, 4,
                "'colour=' is not known here");
  ExpectRefused(kHeader + "\nSection Settings\n  GroupsPerPage many;\nEndSection\n" + kClosing, 4,
                "expected the number of groups per page as a whole number");
  ExpectRefused(kHeader + "\nSection Types\n  Type \"X\" kind=Modle;\n    | Model X\nEndSection\n" + kClosing, 4,
                "not a definition keyword");
  ExpectRefused(kHeader + "\nSection Scripts\n    | stray text\nEndSection\n" + kClosing, 4,
                "a text line ('|' or '\\') must follow a record");
}

TEST(MalformedFileTest, ContentsThatContradictThemselves) {
  ExpectRefused(kHeader + "\nModel A\nEnd\n\nModel a\nEnd\n" + kClosing, 6,
                "the type 'a' is defined twice (first at line 3)");
  ExpectRefused(kHeader + "\nSection Folders\n  Folder \"BlockTypeFolder\";\n  Item \"Ghost\";\nEndSection\n" +
                    kClosing,
                5, "the folder holds 'Ghost', which is not defined");
  ExpectRefused(kHeader + "\nVariable V\nEnd\n\nSection Scripts\n  Script \"V\" \"S\";\nEndSection\n" + kClosing, 7,
                "the owner 'V' is not a model");
  ExpectRefused(kHeader + "\nSection Scripts\n  Script \"\" \"Report\";\n  Script \"\" \"report\";\nEndSection\n" +
                    kClosing,
                5, "the script 'report' is listed twice");
  ExpectRefused(kHeader + "\nSection Settings\n  CurrentUnitSet \"Imperial\";\nEndSection\n" + kClosing, 0,
                "the current unit set 'Imperial' is not among the unit sets");
  ExpectRefused("// Vortan library file, format 1.0\n\nSection Settings\n  GroupsPerPage 5;\nEndSection\n\n"
                "// End of Vortan library file\n",
                3, "belongs in a simulation file");
}

TEST(MalformedFileTest, ForeignTextIsRefusedAtItsFirstLine) {
  ExpectRefused("<?xml version=\"1.0\"?>\n<simulation/>\n", 1, "expected a type definition");
  ExpectRefused("PK\x03\x04 binary", 1, "expected a type definition");
}

}  // namespace
