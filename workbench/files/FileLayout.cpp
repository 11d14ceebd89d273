#include "workbench/files/FileLayout.h"

#include <algorithm>

#include "workbench/files/FileFormat.h"
#include "workbench/language/Lexer.h"
#include "workbench/language/Utf8Validation.h"

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) text.remove_suffix(1);
  return text;
}

// Line numbers of byte offsets, counted on from the last offset asked for.
// The reader asks in file order, so a file is counted through once, and no
// table grows with the number of lines (a file of empty lines costs nothing more).
class LineTable {
 public:
  explicit LineTable(std::string_view text) : m_text(text) {}
  int LineOf(std::size_t offset) {
    offset = std::min(offset, m_text.size());
    if (offset < m_offset) {
      m_offset = 0;
      m_line = 1;
    }
    m_line += std::count(m_text.begin() + m_offset, m_text.begin() + offset, '\n');
    m_offset = offset;
    return static_cast<int>(m_line);
  }

 private:
  std::string_view m_text;
  std::size_t m_offset = 0;  // lines before this offset are counted
  std::size_t m_line = 1;    // the line the offset is on
};

// The first token of text (comments and blanks passed over).
Token FirstToken(std::string_view text) {
  CBoundedReport discard = CBoundedReport::Discarding();
  return CLexer(text, discard).Next();
}

class LayoutReader {
 public:
  LayoutReader(std::string_view text, FileProblem& problem) : m_text(text), m_lines(text), m_problem(problem) {}

  std::optional<FileLayout> Read() {
    if (m_text.find_first_not_of(" \t\r\n") == std::string_view::npos)
      return Fail(1, "the file is empty; expected a header line such as '" + FileHeaderLine(FileKind::Simulation) +
                         "' or a type definition");
    if (const std::size_t bad = FindInvalidUtf8(m_text); bad != std::string_view::npos)
      return Fail(m_lines.LineOf(bad), "the file is not UTF-8 text: the byte " + ByteText(bad) +
                                           " cannot stand here; expected UTF-8 text");
    std::size_t pos = m_text.substr(0, kByteOrderMark.size()) == kByteOrderMark ? kByteOrderMark.size() : 0;
    const std::size_t firstLineEnd = std::min(m_text.find('\n', pos), m_text.size());
    const std::string_view firstLine = m_text.substr(pos, firstLineEnd - pos);
    if (LooksLikeFileHeader(firstLine)) {
      const auto header = ReadFileHeaderLine(firstLine);
      if (!header)
        return Fail(1, "the header line is not understood; expected one such as '" +
                           FileHeaderLine(FileKind::Simulation) + "'");
      if (header->second.major > kFileFormatVersion.major)
        return Fail(1, "the file was written in format " + std::to_string(header->second.major) + "." +
                           std::to_string(header->second.minor) + " by a later program; this one reads format " +
                           std::to_string(kFileFormatVersion.major) + ".x");
      m_layout.kind = header->first;
      m_layout.version = header->second;
      pos = firstLineEnd;
      m_layout.headerEnd = firstLineEnd;
    }
    if (!ReadItems(pos)) return std::nullopt;
    if (m_layout.kind != FileKind::Definitions && !HasClosingLine()) return std::nullopt;
    return std::move(m_layout);
  }

 private:
  bool Problem(int line, std::string message) {
    m_problem.line = line;
    m_problem.message = std::move(message);
    return false;
  }
  std::nullopt_t Fail(int line, std::string message) {
    Problem(line, std::move(message));
    return std::nullopt;
  }

  std::string ByteText(std::size_t offset) const {
    static const char* digits = "0123456789ABCDEF";
    const unsigned char b = static_cast<unsigned char>(m_text[offset]);
    return std::string("0x") + digits[b >> 4] + digits[b & 15];
  }

  bool ReadItems(std::size_t pos) {
    for (;;) {
      const std::string_view rest = m_text.substr(pos);
      const Token token = FirstToken(rest);
      if (token.Is(TokenKind::EndOfText)) return true;
      const std::size_t tokenOffset = pos + token.offset;
      if (token.IsWord("Section")) {
        if (!ReadSection(tokenOffset, pos)) return false;
        continue;
      }
      if (token.Is(TokenKind::Identifier) && DefinitionKindFromKeyword(token.text)) {
        if (!ReadDefinitions(pos)) return false;
        continue;
      }
      return Problem(m_lines.LineOf(tokenOffset), "expected a type definition (" + DefinitionKeywordList() +
                                            ") or 'Section' but found " + DescribeToken(token));
    }
  }

  // Reads definitions from pos up to the next section or the end of the text.
  bool ReadDefinitions(std::size_t& pos) {
    const std::string_view rest = m_text.substr(pos);
    SplitFile split = SplitDefinitions(rest);
    const int lineBase = m_lines.LineOf(pos) - 1;
    std::size_t consumed = 0;
    for (SourceDefinition& d : split.definitions) {
      const std::size_t begin = pos + consumed;
      m_layout.spans.push_back({begin, begin + d.leadingText.size(), begin + d.leadingText.size() + d.text.size()});
      consumed += d.leadingText.size() + d.text.size();
      d.line += lineBase;
      m_layout.items.emplace_back(std::move(d));
    }
    if (split.Ok()) {
      pos = m_text.size();
      return true;
    }
    // The splitter stops at anything that is not a definition; a section is welcome there.
    if (FirstToken(rest.substr(consumed)).IsWord("Section")) {
      pos += consumed;
      return true;
    }
    return Problem(split.error->line + lineBase, split.error->message);
  }

  bool ReadSection(std::size_t sectionOffset, std::size_t& pos) {
    const int sectionLine = m_lines.LineOf(sectionOffset);
    const std::size_t lineStart = m_text.rfind('\n', sectionOffset == 0 ? 0 : sectionOffset - 1);
    const std::size_t startOfLine = lineStart == std::string_view::npos || sectionOffset == 0 ? 0 : lineStart + 1;
    if (!TrimBlanks(m_text.substr(startOfLine, sectionOffset - startOfLine)).empty())
      return Problem(sectionLine, "'Section' must begin its line");
    std::size_t lineEnd = std::min(m_text.find('\n', sectionOffset), m_text.size());
    const std::string_view headerText = TrimBlanks(m_text.substr(sectionOffset, lineEnd - sectionOffset));
    const std::size_t blank = headerText.find_first_of(" \t");
    const std::string_view name = blank == std::string_view::npos ? std::string_view{} : TrimBlanks(headerText.substr(blank));
    if (name.empty() || name.find_first_of(" \t;\"") != std::string_view::npos)
      return Problem(sectionLine, "expected 'Section' followed by the section's name, such as 'Section Folders'");
    FileSection section;
    section.name = std::string(name);
    section.line = sectionLine;
    bool blockOpen = false;
    int line = sectionLine;
    std::size_t next = lineEnd + 1;
    while (next <= m_text.size() && lineEnd < m_text.size()) {
      lineEnd = std::min(m_text.find('\n', next), m_text.size());
      ++line;
      const std::string_view lineText = m_text.substr(next, lineEnd - next);
      next = lineEnd + 1;
      std::string_view content = lineText;
      while (!content.empty() && (content.front() == ' ' || content.front() == '\t')) content.remove_prefix(1);
      const std::string_view trimmed = TrimBlanks(lineText);
      if (trimmed == "EndSection") {
        m_layout.items.emplace_back(std::move(section));
        m_layout.spans.push_back({pos, startOfLine, std::min(next, m_text.size())});
        pos = std::min(next, m_text.size());
        return true;
      }
      if (trimmed.empty() || trimmed.substr(0, 2) == "//") {
        blockOpen = false;
        continue;
      }
      if (IsTextBlockLine(content)) {
        if (!blockOpen)
          return Problem(line, "a text line ('|' or '\\') must follow a record or another text line");
        Record& owner = section.records.back();
        if (!owner.text) owner.text.emplace();
        AddTextBlockLine(*owner.text, content);
        blockOpen = content[0] == '|';
        continue;
      }
      std::string problem;
      std::optional<Record> record = ParseRecordLine(trimmed, line, problem);
      if (!record) return Problem(line, problem);
      section.records.push_back(std::move(*record));
      blockOpen = true;
    }
    return Problem(sectionLine, "'EndSection' is missing for the section '" + section.name +
                                 "' that begins here; the file may be cut short");
  }

  bool HasClosingLine() {
    const std::string closing = FileClosingLine(m_layout.kind);
    std::size_t end = m_text.find_last_not_of(" \t\r\n");
    const std::size_t lineStart = m_text.rfind('\n', end);
    const std::size_t start = lineStart == std::string_view::npos ? 0 : lineStart + 1;
    if (TrimBlanks(m_text.substr(start, end + 1 - start)) == closing) return true;
    return Problem(m_lines.LineOf(start),
                   "expected the closing line '" + closing + "' at the end; the file may be cut short");
  }

  std::string_view m_text;
  LineTable m_lines;
  FileProblem& m_problem;
  FileLayout m_layout;
};

}  // namespace

std::optional<FileLayout> ReadFileLayout(std::string_view text, FileProblem& problem) {
  return LayoutReader(text, problem).Read();
}
