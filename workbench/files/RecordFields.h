// Reading the fields of one record with the checks a file reader needs:
// each positional value and named value is taken by kind, and Finish
// refuses whatever was left over. A value of the wrong kind, a missing one
// or one too many is a FileFormatError naming the record's line.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Types.h"
#include "workbench/files/Record.h"

struct FileFormatError : std::runtime_error {
  FileFormatError(int lineNumber, const std::string& message) : std::runtime_error(message), line(lineNumber) {}
  int line;
};

class RecordFields {
 public:
  explicit RecordFields(const Record& record);

  const Record& Source() const { return m_record; }
  int Line() const { return m_record.line; }
  [[noreturn]] void Fail(const std::string& message) const;

  // Positional values, in order.
  std::string String(std::string_view what);
  long long Integer(std::string_view what);
  // A whole number the field can hold, from low to high; anything else is refused, never cut down.
  int IntegerIn(std::string_view what, int low, int high);
  bool Logical(std::string_view what);
  // All remaining positional strings (at least one when atLeastOne).
  std::vector<std::string> Strings(std::string_view what, bool atLeastOne);

  // Named values; nothing when absent.
  std::optional<std::string> NamedString(std::string_view name);
  std::optional<std::string> NamedWordOrString(std::string_view name);
  std::optional<long long> NamedInteger(std::string_view name);
  std::optional<int> NamedIntegerIn(std::string_view name, int low, int high);
  std::optional<double> NamedReal(std::string_view name);
  std::optional<bool> NamedLogical(std::string_view name);

  // The text block; an empty text when the record has none.
  std::string Text() const { return m_record.text.value_or(std::string()); }
  // Refuses a record that carries a text block.
  void NoText() const;
  // Refuses positional or named values that were not taken.
  void Finish() const;

 private:
  const RecordValue& NextValue(std::string_view what);
  const RecordValue* TakeNamed(std::string_view name);

  const Record& m_record;
  std::size_t m_next = 0;
  std::vector<bool> m_namedTaken;
};

// Numbers as files write them: decimal or 0x hexadecimal integers, reals.
std::optional<long long> ParseFileInteger(std::string_view text);
std::optional<double> ParseFileReal(std::string_view text);
// The shortest text that reads back as the same real.
std::string FormatFileReal(double value);
