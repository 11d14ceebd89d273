#include "workbench/files/FileRewriter.h"

#include <cstring>
#include <map>
#include <optional>
#include <set>
#include <vector>

#include "platform/SafeFile.h"
#include "workbench/files/FileLayout.h"
#include "workbench/files/FileReader.h"
#include "workbench/files/FileWriter.h"

namespace {

// Where one piece of the earlier text stands: the comments and blank lines
// that set it apart from the one before run from leading to body.
struct OriginalPiece {
  std::size_t leading = 0;
  std::size_t body = 0;
  std::size_t end = 0;
  bool ambiguous = false;  // two items of the text answer to the same key
};

// The key an item of the earlier text answers to, as the writer would name it; empty when none.
std::string KeyOf(const std::variant<SourceDefinition, FileSection>& item) {
  if (const auto* definition = std::get_if<SourceDefinition>(&item)) return TypePieceKey(definition->name);
  const FileSection& section = std::get<FileSection>(item);
  if (section.name != "Types") return SectionPieceKey(section.name);
  // A "Types" section holds either one type's whole text or the attributes of types written as they stand.
  bool anyText = false;
  for (const Record& record : section.records) anyText = anyText || record.text.has_value();
  if (!anyText) return SectionPieceKey(section.name);
  if (section.records.size() == 1 && !section.records.front().values.empty())
    return TypePieceKey(section.records.front().values.front().text);
  return {};
}

// Where the comments that belong to a definition begin: after the last blank line before its keyword.
std::size_t OwnCommentsBegin(const SourceDefinition& definition, const FileItemSpan& span) {
  return span.body - (DefinitionTextFromFile(definition.leadingText, "").size());
}

std::string Join(const std::vector<FilePiece>& pieces) {
  std::string out;
  for (const FilePiece& piece : pieces) out += piece.text;
  return out;
}

// A piece's text without the line feed that sets it apart (the earlier text's own spacing stands in for it).
std::string_view WithoutSeparator(std::string_view text) {
  if (!text.empty() && text.front() == '\n') text.remove_prefix(1);
  return text;
}

class Rewriter {
 public:
  Rewriter(std::string_view original, const FileLayout& layout) : m_original(original) {
    for (std::size_t i = 0; i < layout.items.size(); ++i) {
      const FileItemSpan& span = layout.spans[i];
      OriginalPiece piece{span.begin, span.body, span.end};
      if (const auto* definition = std::get_if<SourceDefinition>(&layout.items[i]))
        piece.body = OwnCommentsBegin(*definition, span);
      // What stands before the first item (the opening comments) stays with the header.
      if (i == 0) {
        m_preambleEnd = piece.body;
        piece.leading = piece.body;
      }
      m_trailingBegin = span.end;
      const std::string key = KeyOf(layout.items[i]);
      if (key.empty()) continue;
      const auto [it, added] = m_pieces.emplace(key, piece);
      if (!added) it->second.ambiguous = true;
    }
    if (layout.items.empty()) m_preambleEnd = m_trailingBegin = layout.headerEnd;
  }

  // The header line and what stands before the first item, the pieces, then
  // what follows the last item. kept receives the keys of the pieces whose bytes were kept.
  std::string Write(const std::vector<FilePiece>& now, const std::vector<FilePiece>& before,
                    std::set<std::string>& kept) const {
    std::map<std::string_view, std::string_view> written;
    for (const FilePiece& piece : before) written.emplace(piece.key, piece.text);
    std::string out(m_original.substr(0, m_preambleEnd));
    for (const FilePiece& piece : now)
      if (piece.key != kHeaderPiece && piece.key != kClosingPiece && WritePiece(piece, written, out))
        kept.insert(piece.key);
    out += m_original.substr(m_trailingBegin);
    return out;
  }

 private:
  // True when the piece's own bytes were kept.
  bool WritePiece(const FilePiece& piece, const std::map<std::string_view, std::string_view>& written,
                  std::string& out) const {
    const auto found = m_pieces.find(piece.key);
    if (found == m_pieces.end() || found->second.ambiguous) {
      out += piece.text;
      return false;
    }
    const OriginalPiece& at = found->second;
    const auto before = written.find(piece.key);
    if (before != written.end() && before->second == piece.text) {
      out += m_original.substr(at.leading, at.end - at.leading);
      return true;
    }
    out += m_original.substr(at.leading, at.body - at.leading);
    out += WithoutSeparator(piece.text);
    return false;
  }

  std::string_view m_original;
  std::map<std::string, OriginalPiece> m_pieces;
  std::size_t m_preambleEnd = 0;
  std::size_t m_trailingBegin = 0;
};

std::optional<std::vector<FilePiece>> PiecesWhenRead(std::string_view text) {
  FileProblem ignored;
  const std::optional<FileContents> contents = ReadFileContents(text, {}, ignored);
  if (!contents) return std::nullopt;
  return WriteFilePieces(*contents);
}

std::map<std::string, std::string> ByKey(const std::vector<FilePiece>& pieces) {
  std::map<std::string, std::string> map;
  for (const FilePiece& piece : pieces) map.emplace(piece.key, piece.text);
  return map;
}

// Whether text reads back to what it should: each kept piece to what the original's piece read to, each other to the contents' piece.
bool ReadsAsExpected(std::string_view text, const std::vector<FilePiece>& now, const std::vector<FilePiece>& original,
                     const std::set<std::string>& kept) {
  const std::optional<std::vector<FilePiece>> read = PiecesWhenRead(text);
  if (!read) return false;
  const std::map<std::string, std::string> originalByKey = ByKey(original);
  std::map<std::string, std::string> expected;
  for (const FilePiece& piece : now) {
    const auto found = originalByKey.find(piece.key);
    expected.emplace(piece.key, kept.count(piece.key) && found != originalByKey.end() ? found->second : piece.text);
  }
  return ByKey(*read) == expected;
}

}  // namespace

bool RewriteFileContents(const FileContents& contents, std::string_view original, std::string_view baseline,
                         std::string& text, FileProblem& problem) {
  std::string fresh;
  if (!WriteFileContents(contents, fresh, problem)) return false;
  text = std::move(fresh);
  FileProblem ignored;
  const std::optional<FileLayout> layout = original.empty() ? std::nullopt : ReadFileLayout(original, ignored);
  if (!layout || layout->kind != contents.kind || layout->spans.size() != layout->items.size()) return true;
  // Both sides pass through the reader, which lists what the models own in
  // the order the file names them, so that equal contents give equal pieces.
  const std::optional<std::vector<FilePiece>> before = PiecesWhenRead(baseline);
  const std::optional<std::vector<FilePiece>> now = PiecesWhenRead(text);
  const std::optional<std::vector<FilePiece>> originalPieces = PiecesWhenRead(original);
  if (!before || !now || !originalPieces) return true;
  if (Join(*before) == Join(*now)) {
    text = std::string(original);
    return true;
  }
  std::set<std::string> kept;
  std::string merged = Rewriter(original, *layout).Write(*now, *before, kept);
  // Should the kept text not read back to what it should, the fresh text is written.
  if (ReadsAsExpected(merged, *now, *originalPieces, kept)) text = std::move(merged);
  return true;
}

bool SaveFileContentsOver(const FileContents& contents, std::string_view original, std::string_view baseline,
                          const std::string& path, std::string& text, FileProblem& problem) {
  problem = FileProblem{path, 0, {}};
  if (!RewriteFileContents(contents, original, baseline, text, problem)) return false;
  if (const int error = ReplaceFileContents(path, text); error != 0) {
    problem.message = std::string("cannot be written: ") + std::strerror(error);
    return false;
  }
  return true;
}
