#include "workbench/files/RecordFields.h"

#include <charconv>
#include <cmath>

#include "workbench/language/TextCase.h"

namespace {

std::string KindName(RecordValue::Kind kind) {
  switch (kind) {
    case RecordValue::Kind::String: return "a quoted string";
    case RecordValue::Kind::Number: return "a number";
    case RecordValue::Kind::Word: return "a word";
  }
  return "a value";
}

std::string Shown(const RecordValue& value) {
  return value.kind == RecordValue::Kind::String ? QuoteRecordString(value.text) : value.text;
}

std::string RangeText(int low, int high) { return "from " + std::to_string(low) + " to " + std::to_string(high); }

}  // namespace

std::optional<long long> ParseFileInteger(std::string_view text) {
  bool negative = false;
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  int base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    text.remove_prefix(2);
  }
  unsigned long long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  if (value > static_cast<unsigned long long>(INT64_MAX)) return std::nullopt;
  const long long signedValue = static_cast<long long>(value);
  return negative ? -signedValue : signedValue;
}

std::optional<double> ParseFileReal(std::string_view text) {
  if (!text.empty() && text[0] == '+') text.remove_prefix(1);
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || text.empty() || !std::isfinite(value))
    return std::nullopt;
  return value;
}

std::string FormatFileReal(double value) {
  if (!std::isfinite(value)) value = 0;  // files hold finite numbers only
  char buffer[64];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
  return error == std::errc() ? std::string(buffer, end) : std::string("0");
}

RecordFields::RecordFields(const Record& record) : m_record(record), m_namedTaken(record.attributes.size(), false) {}

void RecordFields::Fail(const std::string& message) const {
  throw FileFormatError(m_record.line, "'" + m_record.keyword + "': " + message);
}

const RecordValue& RecordFields::NextValue(std::string_view what) {
  if (m_next >= m_record.values.size()) Fail(Concat({"expected ", what, " but the record ends"}));
  return m_record.values[m_next++];
}

std::string RecordFields::String(std::string_view what) {
  const RecordValue& value = NextValue(what);
  if (value.kind != RecordValue::Kind::String)
    Fail(Concat({"expected ", what, " as a quoted string but found ", KindName(value.kind), " ", Shown(value)}));
  return value.text;
}

long long RecordFields::Integer(std::string_view what) {
  const RecordValue& value = NextValue(what);
  const std::optional<long long> number =
      value.kind == RecordValue::Kind::Number ? ParseFileInteger(value.text) : std::nullopt;
  if (!number) Fail(Concat({"expected ", what, " as a whole number but found ", Shown(value)}));
  return *number;
}

int RecordFields::IntegerIn(std::string_view what, int low, int high) {
  const long long number = Integer(what);
  if (number < low || number > high)
    Fail(Concat({"expected ", what, " ", RangeText(low, high), " but found ", m_record.values[m_next - 1].text}));
  return static_cast<int>(number);
}

bool RecordFields::Logical(std::string_view what) {
  const RecordValue& value = NextValue(what);
  if (value.kind == RecordValue::Kind::Word && EqualsNoCase(value.text, "true")) return true;
  if (value.kind == RecordValue::Kind::Word && EqualsNoCase(value.text, "false")) return false;
  Fail(Concat({"expected ", what, " as true or false but found ", Shown(value)}));
}

std::vector<std::string> RecordFields::Strings(std::string_view what, bool atLeastOne) {
  std::vector<std::string> out;
  if (atLeastOne) out.push_back(String(what));
  while (m_next < m_record.values.size()) out.push_back(String(what));
  return out;
}

const RecordValue* RecordFields::TakeNamed(std::string_view name) {
  const RecordValue* found = nullptr;
  for (std::size_t i = 0; i < m_record.attributes.size(); ++i) {
    if (m_record.attributes[i].first != name) continue;
    if (found) Fail(Concat({"'", name, "' is given twice"}));
    found = &m_record.attributes[i].second;
    m_namedTaken[i] = true;
  }
  return found;
}

std::optional<std::string> RecordFields::NamedString(std::string_view name) {
  const RecordValue* value = TakeNamed(name);
  if (!value) return std::nullopt;
  if (value->kind != RecordValue::Kind::String)
    Fail(Concat({"expected ", name, "= to be a quoted string but found ", Shown(*value)}));
  return value->text;
}

std::optional<std::string> RecordFields::NamedWordOrString(std::string_view name) {
  const RecordValue* value = TakeNamed(name);
  if (!value) return std::nullopt;
  if (value->kind == RecordValue::Kind::Number)
    Fail(Concat({"expected ", name, "= to be a word or a quoted string but found ", Shown(*value)}));
  return value->text;
}

std::optional<long long> RecordFields::NamedInteger(std::string_view name) {
  const RecordValue* value = TakeNamed(name);
  if (!value) return std::nullopt;
  const std::optional<long long> number =
      value->kind == RecordValue::Kind::Number ? ParseFileInteger(value->text) : std::nullopt;
  if (!number) Fail(Concat({"expected ", name, "= to be a whole number but found ", Shown(*value)}));
  return number;
}

std::optional<int> RecordFields::NamedIntegerIn(std::string_view name, int low, int high) {
  const std::optional<long long> number = NamedInteger(name);
  if (!number) return std::nullopt;
  if (*number < low || *number > high)
    Fail(Concat({"expected ", name, "= to be a whole number ", RangeText(low, high), " but found ",
                 std::to_string(*number)}));
  return static_cast<int>(*number);
}

std::optional<double> RecordFields::NamedReal(std::string_view name) {
  const RecordValue* value = TakeNamed(name);
  if (!value) return std::nullopt;
  const std::optional<double> number =
      value->kind == RecordValue::Kind::Number ? ParseFileReal(value->text) : std::nullopt;
  if (!number) Fail(Concat({"expected ", name, "= to be a number but found ", Shown(*value)}));
  return number;
}

std::optional<bool> RecordFields::NamedLogical(std::string_view name) {
  const RecordValue* value = TakeNamed(name);
  if (!value) return std::nullopt;
  if (value->kind == RecordValue::Kind::Word && EqualsNoCase(value->text, "true")) return true;
  if (value->kind == RecordValue::Kind::Word && EqualsNoCase(value->text, "false")) return false;
  Fail(Concat({"expected ", name, "= to be true or false but found ", Shown(*value)}));
}

void RecordFields::NoText() const {
  if (m_record.text) Fail("expected no text lines after this record");
}

void RecordFields::Finish() const {
  if (m_next < m_record.values.size())
    Fail("expected no more values but found " + Shown(m_record.values[m_next]));
  for (std::size_t i = 0; i < m_record.attributes.size(); ++i)
    if (!m_namedTaken[i]) Fail("'" + m_record.attributes[i].first + "=' is not known here");
}
