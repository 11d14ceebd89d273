#include "workbench/files/Record.h"

#include <cstdio>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }
bool IsWordStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsWordChar(char c) { return IsWordStart(c) || (c >= '0' && c <= '9') || c == '.'; }
bool IsNumberChar(char c) {
  return (c >= '0' && c <= '9') || c == '.' || c == '+' || c == '-' || c == 'x' || c == 'X' || c == 'e' ||
         c == 'E' || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

class RecordLineReader {
 public:
  explicit RecordLineReader(std::string_view line) : m_line(line) {}

  std::optional<Record> Read(int lineNumber, std::string& problem) {
    Record record;
    record.line = lineNumber;
    SkipBlanks();
    if (!IsWordStart(At())) return Fail(problem, "expected a record keyword at the start of the line");
    record.keyword = ReadWord();
    for (;;) {
      SkipBlanks();
      if (At() == ';') {
        ++m_pos;
        SkipBlanks();
        if (m_pos < m_line.size()) return Fail(problem, "expected nothing after ';' on the line");
        return record;
      }
      if (m_pos >= m_line.size())
        return Fail(problem, "expected ';' at the end of the '" + record.keyword + "' record");
      std::optional<RecordValue> value;
      if (IsWordStart(At())) {
        const std::size_t start = m_pos;
        std::string word = ReadWord();
        SkipBlanks();
        if (At() == '=') {
          ++m_pos;
          SkipBlanks();
          value = ReadValue(problem);
          if (!value) return std::nullopt;
          record.attributes.emplace_back(std::move(word), std::move(*value));
          continue;
        }
        m_pos = start;
      }
      value = ReadValue(problem);
      if (!value) return std::nullopt;
      record.values.push_back(std::move(*value));
    }
  }

 private:
  char At() const { return m_pos < m_line.size() ? m_line[m_pos] : '\0'; }
  void SkipBlanks() {
    while (m_pos < m_line.size() && IsBlank(m_line[m_pos])) ++m_pos;
  }
  std::string ReadWord() {
    const std::size_t start = m_pos;
    while (m_pos < m_line.size() && IsWordChar(m_line[m_pos])) ++m_pos;
    return std::string(m_line.substr(start, m_pos - start));
  }
  static std::optional<Record> Fail(std::string& problem, std::string text) {
    problem = std::move(text);
    return std::nullopt;
  }
  static std::optional<RecordValue> FailValue(std::string& problem, std::string text) {
    problem = std::move(text);
    return std::nullopt;
  }

  std::optional<RecordValue> ReadValue(std::string& problem) {
    const char c = At();
    if (c == '"') return ReadString(problem);
    if (IsWordStart(c)) return RecordValue{RecordValue::Kind::Word, ReadWord()};
    if ((c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.') {
      const std::size_t start = m_pos;
      ++m_pos;
      while (m_pos < m_line.size() && IsNumberChar(m_line[m_pos])) {
        // A sign belongs to the number only right after an exponent mark.
        const char d = m_line[m_pos];
        if ((d == '+' || d == '-') && !(m_line[m_pos - 1] == 'e' || m_line[m_pos - 1] == 'E')) break;
        ++m_pos;
      }
      return RecordValue{RecordValue::Kind::Number, std::string(m_line.substr(start, m_pos - start))};
    }
    if (m_pos >= m_line.size()) return FailValue(problem, "expected a value but the line ends");
    return FailValue(problem, std::string("expected a value (a quoted string, a number or a word) but found '") + c +
                                  "'");
  }

  std::optional<RecordValue> ReadString(std::string& problem) {
    ++m_pos;  // the opening quote
    std::string value;
    while (m_pos < m_line.size()) {
      const char c = m_line[m_pos++];
      if (c == '"') return RecordValue{RecordValue::Kind::String, std::move(value)};
      if (c != '\\') {
        value += c;
        continue;
      }
      const char e = At();
      ++m_pos;
      switch (e) {
        case '"': value += '"'; break;
        case '\\': value += '\\'; break;
        case 'n': value += '\n'; break;
        case 'r': value += '\r'; break;
        case 't': value += '\t'; break;
        case 'x': {
          const int high = HexDigit(At());
          const int low = high < 0 ? -1 : HexDigit(m_pos + 1 < m_line.size() ? m_line[m_pos + 1] : '\0');
          if (low < 0 || high > 7) return FailValue(problem, "expected two hexadecimal digits below 80 after '\\x'");
          value += static_cast<char>(high * 16 + low);
          m_pos += 2;
          break;
        }
        default:
          return FailValue(problem, "unknown escape in a string; expected \\\" \\\\ \\n \\r \\t or \\xHH");
      }
    }
    return FailValue(problem, "the string is not closed with '\"' before the end of the line");
  }

  std::string_view m_line;
  std::size_t m_pos = 0;
};

}  // namespace

const RecordValue* Record::Attribute(std::string_view name) const {
  for (const auto& [key, value] : attributes)
    if (key == name) return &value;
  return nullptr;
}

std::optional<Record> ParseRecordLine(std::string_view line, int lineNumber, std::string& problem) {
  return RecordLineReader(line).Read(lineNumber, problem);
}

std::string QuoteRecordString(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
          char hex[5];
          std::snprintf(hex, sizeof hex, "\\x%02X", static_cast<unsigned char>(c));
          out += hex;
        } else {
          out += c;
        }
    }
  }
  return out + "\"";
}

void AppendTextBlock(std::string& out, std::string_view text, std::string_view indent) {
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t lineFeed = text.find('\n', start);
    const bool last = lineFeed == std::string_view::npos;
    const std::string_view line = text.substr(start, last ? std::string_view::npos : lineFeed - start);
    out += indent;
    out += last ? "\\" : "|";
    if (!line.empty()) {
      out += ' ';
      out += line;
    }
    out += '\n';
    if (last) break;
    start = lineFeed + 1;
  }
}

bool IsTextBlockLine(std::string_view trimmedLine) {
  return !trimmedLine.empty() && (trimmedLine[0] == '|' || trimmedLine[0] == '\\');
}

void AddTextBlockLine(std::string& block, std::string_view trimmedLine) {
  std::string_view content = trimmedLine.substr(1);
  if (!content.empty() && content[0] == ' ') content.remove_prefix(1);
  block += content;
  if (trimmedLine[0] == '|') block += '\n';
}
