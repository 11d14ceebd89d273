// One line of a file section: a keyword, positional values, named values and
// an optional text block of the lines that follow it.
//
//   Folder "BlockTypeFolder" "Storage" flags=0x10000 order=1 description="Tanks";
//   Script "Tank" "Fill";
//     | SET Tank.Level 2.0
//     \ RUN
//
// Values are quoted strings (escapes \" \\ \n \r \t \xHH), numbers (12, -3,
// 0x10000, 1.5e-3) or words (true, Table). A text block is a run of lines
// beginning with "|" (a whole line of the text) and at most one last line
// beginning with "\" (a last line without a line feed).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct RecordValue {
  enum class Kind { String, Number, Word };
  Kind kind = Kind::Word;
  std::string text;  // strings with escapes resolved; numbers and words as written
};

struct Record {
  std::string keyword;
  std::vector<RecordValue> values;
  std::vector<std::pair<std::string, RecordValue>> attributes;
  std::optional<std::string> text;  // the block, when lines of one follow
  int line = 0;

  const RecordValue* Attribute(std::string_view name) const;
};

// Reads a record line (without its line feed). On failure gives nothing and
// says in problem what was expected.
std::optional<Record> ParseRecordLine(std::string_view line, int lineNumber, std::string& problem);

// The quoted form of text, with escapes for '"', '\' and control characters.
std::string QuoteRecordString(std::string_view text);

// Writes the block lines of text, each indented by indent.
void AppendTextBlock(std::string& out, std::string_view text, std::string_view indent);

// Whether a line (leading blanks already passed over) is a line of a text
// block, and adds its text to block; a "\" line is the last of its block.
bool IsTextBlockLine(std::string_view trimmedLine);
void AddTextBlockLine(std::string& block, std::string_view trimmedLine);
