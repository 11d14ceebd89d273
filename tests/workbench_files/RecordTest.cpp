// Record lines and text blocks: what the writer makes, the reader takes back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "workbench/files/Record.h"
#include "workbench/files/RecordFields.h"

namespace {

std::string BlockRoundTrip(const std::string& text) {
  std::string lines;
  AppendTextBlock(lines, text, "  ");
  std::string back;
  std::size_t start = 0;
  while (start < lines.size()) {
    const std::size_t end = lines.find('\n', start);
    std::string_view line(lines.data() + start, end - start);
    line.remove_prefix(2);
    EXPECT_TRUE(IsTextBlockLine(line)) << line;
    AddTextBlockLine(back, line);
    start = end + 1;
  }
  return back;
}

TEST(RecordTest, ValuesOfEveryKindAndNamedValues) {
  std::string problem;
  const auto record = ParseRecordLine(
      R"(Folder "Block\"Type\\Folder" 12 -3 0x10000 1.5e-3 Table order=2 description="a\nb\t\x01";)", 7, problem);
  ASSERT_TRUE(record) << problem;
  EXPECT_EQ(record->keyword, "Folder");
  EXPECT_EQ(record->line, 7);
  ASSERT_EQ(record->values.size(), 6u);
  EXPECT_EQ(record->values[0].text, "Block\"Type\\Folder");
  EXPECT_EQ(record->values[0].kind, RecordValue::Kind::String);
  EXPECT_EQ(record->values[2].text, "-3");
  EXPECT_EQ(ParseFileInteger(record->values[3].text), 0x10000);
  EXPECT_EQ(ParseFileReal(record->values[4].text), 1.5e-3);
  EXPECT_EQ(record->values[5].kind, RecordValue::Kind::Word);
  ASSERT_NE(record->Attribute("description"), nullptr);
  EXPECT_EQ(record->Attribute("description")->text, "a\nb\t\x01");
  EXPECT_EQ(record->Attribute("order")->text, "2");
}

TEST(RecordTest, QuotedStringsReadBackExactly) {
  for (const std::string& text : {std::string(""), std::string("plain"), std::string("quote \" and \\ slash"),
                                 std::string("line\nfeed\r\ttab"), std::string("\x01\x1f\x7f"),
                                 std::string("Größe °C µ")}) {
    std::string problem;
    const auto record = ParseRecordLine("R " + QuoteRecordString(text) + ";", 1, problem);
    ASSERT_TRUE(record) << problem;
    EXPECT_EQ(record->values.at(0).text, text);
  }
}

TEST(RecordTest, BadLinesSayWhatWasExpected) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"Folder \"open", "not closed"},
      {"Folder \"a\"", "expected ';'"},
      {"Folder \"a\"; extra", "nothing after ';'"},
      {"\"a\";", "record keyword"},
      {"Folder order=;", "expected a value"},
      {"Folder \"\\q\";", "unknown escape"},
      {"Folder \"\\x9A\";", "hexadecimal"},
      {"Folder #;", "expected a value"},
  };
  for (const auto& [line, words] : cases) {
    std::string problem;
    EXPECT_FALSE(ParseRecordLine(line, 1, problem)) << line;
    EXPECT_NE(problem.find(words), std::string::npos) << line << " -> " << problem;
  }
}

TEST(RecordTest, TextBlocksKeepEveryText) {
  for (const std::string& text :
       {std::string(""), std::string("\n"), std::string("a"), std::string("a\n"), std::string("a\n\n"),
        std::string("\n\nb"), std::string("| looks like a block\n\\ and this\n"), std::string("  indented\n\tx\r\n"),
        std::string("EndSection\n")}) {
    EXPECT_EQ(BlockRoundTrip(text), text);
  }
}

TEST(RecordTest, NumbersAreCheckedWhole) {
  EXPECT_EQ(ParseFileInteger("0x1F"), 31);
  EXPECT_EQ(ParseFileInteger("-12"), -12);
  for (const char* bad : {"12a", "99999999999999999999"}) EXPECT_FALSE(ParseFileInteger(bad)) << bad;
  for (const char* bad : {"1e999", ""}) EXPECT_FALSE(ParseFileReal(bad)) << bad;
  for (const double value : {0.1, -2.5e-300, 1.0 / 3.0, 6.02214076e23})
    EXPECT_EQ(ParseFileReal(FormatFileReal(value)), value);
}

}  // namespace
