// Files that come from elsewhere: a byte-order mark, Windows line ends, and
// bytes that are not UTF-8 in any part of the file.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/workbench_files/FileTestSupport.h"
#include "workbench/files/FileReader.h"
#include "workbench/files/FileWriter.h"

namespace {

std::string Written() {
  std::string text;
  FileProblem problem;
  EXPECT_TRUE(WriteFileContents(RichContents(), text, problem)) << problem.Describe();
  return text;
}

std::string WithWindowsLineEnds(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

TEST(FileEncodingTest, AByteOrderMarkAndWindowsLineEndsReadAsTheSameContents) {
  const std::string text = Written();
  for (const std::string& variant : {"\xEF\xBB\xBF" + text, WithWindowsLineEnds(text),
                                     "\xEF\xBB\xBF" + WithWindowsLineEnds(text)}) {
    FileProblem problem;
    const auto contents = ReadFileContents(variant, "plant.vsim", problem);
    ASSERT_TRUE(contents) << problem.Describe();
    EXPECT_TRUE(*contents == RichContents()) << "the mark or a carriage return became part of the contents";
    // Written again, the file is the program's own text.
    std::string again;
    ASSERT_TRUE(WriteFileContents(*contents, again, problem));
    EXPECT_EQ(again, text);
  }
  // A problem in a Windows file is still named at its line.
  FileProblem problem;
  const std::string damaged = WithWindowsLineEnds("// Vortan simulation file, format 1.0\n\nModle Tank\nEnd\n");
  EXPECT_FALSE(ReadFileContents("\xEF\xBB\xBF" + damaged, "plant.vsim", problem));
  EXPECT_EQ(problem.line, 3) << problem.Describe();

  // Several carriage returns before a line end all belong to it: read, written and read
  // again, the contents stay the same (one of them used to be lost on every save).
  const std::string doubled = "// Vortan simulation file, format 1.0\r\r\n\r\nModel Tank\r\r\r\n  x as Value;\r\r\nEnd\r\n"
                              "\r\n// End of Vortan simulation file\r\n";
  const auto first = ReadFileContents(doubled, "plant.vsim", problem);
  ASSERT_TRUE(first) << problem.Describe();
  ASSERT_EQ(first->definitions.size(), 1u);
  EXPECT_EQ(first->definitions[0].text, "Model Tank\n  x as Value;\nEnd\n");
  std::string written;
  ASSERT_TRUE(WriteFileContents(*first, written, problem));
  const auto second = ReadFileContents(written, "plant.vsim", problem);
  ASSERT_TRUE(second) << problem.Describe();
  EXPECT_TRUE(*second == *first);
  // A plain definitions file cut short after a carriage return: the same.
  const auto cut = ReadFileContents("Model Tank\n  x as Value;\nEnd\r", "tank.ktrf", problem);
  ASSERT_TRUE(cut) << problem.Describe();
  ASSERT_EQ(cut->definitions.size(), 1u);
  EXPECT_EQ(cut->definitions[0].text.find('\r'), std::string::npos);
  // A carriage return alone ends a line: the definition before it keeps no trace of it.
  const auto macintosh = ReadFileContents("Variable Flow;\rEnd\rVariable Level;\rEnd\r", "flows.ktrf", problem);
  ASSERT_TRUE(macintosh) << problem.Describe();
  ASSERT_EQ(macintosh->definitions.size(), 2u);
  EXPECT_EQ(macintosh->definitions[0].text, "Variable Flow;\nEnd\n");
  ASSERT_TRUE(WriteFileContents(*macintosh, written, problem));
  const auto macintoshAgain = ReadFileContents(written, "flows.ktrf", problem);
  ASSERT_TRUE(macintoshAgain) << problem.Describe();
  EXPECT_TRUE(*macintoshAgain == *macintosh);
}

TEST(FileEncodingTest, DamagedUtf8AnywhereIsRefusedAtItsLine) {
  const std::string text = Written();
  const std::size_t definitionLine = text.find("Level as Pressure");
  const std::size_t recordLine = text.find("\"Tanks and");
  ASSERT_NE(definitionLine, std::string::npos);
  ASSERT_NE(recordLine, std::string::npos);
  auto lineAt = [&](std::size_t offset) {
    return 1 + static_cast<int>(std::count(text.begin(), text.begin() + static_cast<long>(offset), '\n'));
  };
  const char* damages[] = {
      "\x80",              // a continuation byte alone
      "\xC0\xAF",          // an over-long '/'
      "\xED\xA0\x80",      // a surrogate half
      "\xF4\x90\x80\x80",  // beyond the last code point
      "\xF8\x88\x80\x80\x80",
      "\xE2\x82",          // a character cut short
  };
  for (const char* damage : damages) {
    for (std::size_t at : {definitionLine, recordLine}) {
      std::string bad = text;
      bad.insert(at, damage);
      FileProblem problem;
      EXPECT_FALSE(ReadFileContents(bad, "plant.vsim", problem)) << "accepted damage at line " << lineAt(at);
      EXPECT_EQ(problem.line, lineAt(at)) << problem.Describe();
      EXPECT_NE(problem.Describe().find("not UTF-8"), std::string::npos) << problem.Describe();
    }
  }
  // A character cut short by the end of the file.
  FileProblem problem;
  EXPECT_FALSE(ReadFileContents(text + "// \xE2\x82", "plant.vsim", problem));
  EXPECT_NE(problem.Describe().find("not UTF-8"), std::string::npos) << problem.Describe();
  // UTF-16 text, with or without its mark, is no file of this program.
  EXPECT_FALSE(ReadFileContents(std::string("\xFF\xFE/\0/\0 \0", 8), "plant.vsim", problem));
  EXPECT_FALSE(ReadFileContents(std::string("/\0/\0 \0V\0", 8), "plant.vsim", problem));
  EXPECT_EQ(problem.line, 1) << problem.Describe();
}

}  // namespace
