#include "platform/RegistryText.h"

#include <cstdio>

const char kRegistryTextHeader[] = "Windows Registry Editor Version 5.00";

namespace {

constexpr std::size_t kListedProblems = 20;
constexpr std::size_t kExcerptLength = 40;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

bool StartsWithFolded(std::string_view s, std::string_view prefix) {
  return s.size() >= prefix.size() && RegistryFoldCase(s.substr(0, prefix.size())) == prefix;
}

// A printable piece of a skipped line for the report.
std::string Excerpt(std::string_view line) {
  std::string out;
  for (char c : line.substr(0, kExcerptLength)) {
    auto byte = static_cast<unsigned char>(c);
    out += (byte < 0x20 || byte >= 0x7F) ? '?' : c;
  }
  if (line.size() > kExcerptLength) out += "...";
  return out;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Reads the quoted text starting at line[pos] == '"'; pos ends after the closing quote.
bool ReadQuoted(std::string_view line, std::size_t& pos, std::string& out, const char** why) {
  out.clear();
  for (++pos; pos < line.size(); ++pos) {
    char c = line[pos];
    if (c == '"') {
      ++pos;
      return true;
    }
    if (c == '\0') {
      *why = "zero byte inside quotes";
      return false;
    }
    if (c != '\\') {
      out += c;
      continue;
    }
    if (++pos == line.size()) break;
    switch (line[pos]) {
      case '\\': out += '\\'; break;
      case '"': out += '"'; break;
      case 'n': out += '\n'; break;
      case 'r': out += '\r'; break;
      default:
        *why = "bad escape inside quotes";
        return false;
    }
  }
  *why = "missing closing quote";
  return false;
}

// dword data: one to eight hex digits; all eight when the line may have been cut short.
bool ReadDword(std::string_view digits, bool mayBeTruncated, DWORD& value) {
  if (digits.empty() || digits.size() > 8 || (mayBeTruncated && digits.size() != 8)) return false;
  value = 0;
  for (char c : digits) {
    int d = HexDigit(c);
    if (d < 0) return false;
    value = (value << 4) | static_cast<DWORD>(d);
  }
  return true;
}

class Parser {
 public:
  Parser(std::string_view rootName, RegistryParseReport* report) : m_rootName(RegistryFoldCase(rootName)), m_report(report) {}

  void Line(std::string_view line, std::size_t number, bool lastWithoutNewline) {
    m_number = number;
    m_raw = line;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    line = Trim(line);
    if (line.empty() || line.front() == ';') return;
    if (line == kRegistryTextHeader || line == "REGEDIT4") return;
    if (line.front() == '[') return Section(line);
    if (line.front() == '"' || line.front() == '@') return Value(line, lastWithoutNewline);
    Skip("not a section or a value");
  }

  RegistryKey TakeRoot() { return std::move(m_root); }

 private:
  void Skip(const char* why) {
    if (!m_report) return;
    ++m_report->skippedLines;
    if (m_report->details.size() < kListedProblems) {
      m_report->details.push_back("line " + std::to_string(m_number) + ": " + why + ": " + Excerpt(m_raw));
    }
  }

  void Section(std::string_view line) {
    m_current = nullptr;  // values under a section that cannot be read are skipped with it
    if (line.size() < 2 || line.back() != ']') return Skip("section without closing bracket");
    std::string_view inner = line.substr(1, line.size() - 2);
    if (!inner.empty() && inner.front() == '-') return Skip("key deletion is not supported");
    std::vector<std::string> path;
    std::size_t start = 0;
    bool first = true;
    while (true) {
      std::size_t end = inner.find('\\', start);
      std::string_view name = inner.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
      if (first) {
        if (RegistryFoldCase(name) != m_rootName) return Skip("section outside the root");
        first = false;
      } else {
        if (!IsValidRegistryKeyName(name)) return Skip("bad key name");
        path.emplace_back(name);
        if (path.size() > kMaxKeyDepth) return Skip("key nested too deep");
      }
      if (end == std::string_view::npos) break;
      start = end + 1;
    }
    m_current = &m_root.Create(path);
  }

  void Value(std::string_view line, bool lastWithoutNewline) {
    RegistryValue value;
    std::size_t pos = 0;
    const char* why = nullptr;
    if (line.front() == '@') {
      pos = 1;
    } else if (!ReadQuoted(line, pos, value.name, &why)) {
      return Skip(why);
    }
    if (pos >= line.size() || line[pos] != '=') return Skip("no '=' after the value name");
    std::string_view data = line.substr(pos + 1);
    if (!data.empty() && data.front() == '"') {
      std::size_t at = 0;
      if (!ReadQuoted(data, at, value.text, &why)) return Skip(why);
      if (at != data.size()) return Skip("text after the closing quote");
      value.type = REG_SZ;
    } else if (StartsWithFolded(data, "dword:")) {
      if (!ReadDword(data.substr(6), lastWithoutNewline, value.number)) return Skip("bad dword value");
      value.type = REG_DWORD;
    } else {
      return Skip(data.find(':') == std::string_view::npos ? "value without a type" : "unsupported value type");
    }
    if (!IsValidRegistryValueName(value.name)) return Skip("bad value name");
    if (!m_current) return Skip("value outside a readable section");
    m_current->SetValue(std::move(value));
  }

  std::string m_rootName;
  RegistryParseReport* m_report;
  RegistryKey m_root;
  RegistryKey* m_current = nullptr;
  std::size_t m_number = 0;
  std::string_view m_raw;
};

void AppendQuoted(std::string& out, std::string_view text) {
  out += '"';
  for (char c : text) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '"': out += "\\\""; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      default: out += c;
    }
  }
  out += '"';
}

void AppendKey(std::string& out, const RegistryKey& key, const std::string& path, bool isRoot) {
  if (!key.Values().empty() || (!isRoot && key.Children().empty())) {
    out += '[';
    out += path;
    out += "]\n";
    for (const RegistryValue& value : key.Values()) {
      if (value.name.empty()) {
        out += '@';
      } else {
        AppendQuoted(out, value.name);
      }
      out += '=';
      if (value.type == REG_DWORD) {
        char digits[16];
        std::snprintf(digits, sizeof digits, "dword:%08x", static_cast<unsigned>(value.number));
        out += digits;
      } else {
        AppendQuoted(out, value.text);
      }
      out += '\n';
    }
    out += '\n';
  }
  for (const auto& child : key.Children()) AppendKey(out, *child, path + '\\' + child->Name(), false);
}

}  // namespace

std::string RegistryParseReport::Describe() const {
  std::string text;
  for (const auto& detail : details) text += detail + '\n';
  if (skippedLines > details.size()) {
    text += "and " + std::to_string(skippedLines - details.size()) + " more lines skipped\n";
  }
  return text;
}

RegistryKey ParseRegistryText(std::string_view text, std::string_view rootName, RegistryParseReport* report) {
  Parser parser(rootName, report);
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);  // a byte-order mark from an editor
  std::size_t number = 0;
  while (!text.empty()) {
    std::size_t end = text.find('\n');
    bool complete = end != std::string_view::npos;
    parser.Line(text.substr(0, end), ++number, !complete);
    text.remove_prefix(complete ? end + 1 : text.size());
  }
  return parser.TakeRoot();
}

std::string FormatRegistryText(const RegistryKey& root, std::string_view rootName) {
  std::string out = std::string(kRegistryTextHeader) + "\n\n";
  AppendKey(out, root, std::string(rootName), true);
  return out;
}
