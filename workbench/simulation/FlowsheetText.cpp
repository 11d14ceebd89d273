#include "workbench/simulation/FlowsheetText.h"

#include <utility>
#include <vector>

#include "workbench/language/BoundedReport.h"
#include "workbench/language/Lexer.h"
#include "workbench/language/TextCase.h"

namespace {

struct Statement {
  std::size_t first = 0;  // token indices, last is the ';'
  std::size_t last = 0;
};

struct Body {
  std::vector<Token> tokens;
  std::vector<Statement> statements;
  std::size_t end = 0;  // index of the closing End token (tokens.size() - 1 when none)
};

// The statements between the header line and the closing End.
Body ReadBody(std::string_view text) {
  Body body;
  CBoundedReport discard = CBoundedReport::Discarding();
  body.tokens = Tokenize(text, discard);
  const std::size_t count = body.tokens.size();  // the last is EndOfText
  body.end = count - 1;
  for (std::size_t i = count - 1; i-- > 0;)
    if (body.tokens[i].IsWord("End")) {
      body.end = i;
      break;
    }
  std::size_t i = 1;
  while (i < body.end && !body.tokens[i].firstOnLine) ++i;
  while (i < body.end) {
    Statement statement{i, i};
    while (statement.last < body.end && !body.tokens[statement.last].IsSymbol(";")) ++statement.last;
    if (statement.last >= body.end) break;
    body.statements.push_back(statement);
    i = statement.last + 1;
  }
  return body;
}

bool IsTypePosition(const std::vector<Token>& tokens, std::size_t i) {
  if (i == 0) return false;
  const Token& before = tokens[i - 1];
  return before.IsWord("as") || before.IsWord("Input") || before.IsWord("Output") || before.IsWord("external") ||
         before.IsWord("global");
}

// The token names the unit: the name itself, not after a '.', not a type name.
bool NamesUnit(const std::vector<Token>& tokens, std::size_t i, std::string_view name) {
  const Token& t = tokens[i];
  if (!t.Is(TokenKind::Identifier) || !EqualsNoCase(t.text, name)) return false;
  if (i > 0 && tokens[i - 1].IsSymbol(".")) return false;
  return !IsTypePosition(tokens, i);
}

bool IsDeclarationOf(const Body& body, const Statement& s, std::string_view name) {
  for (std::size_t i = s.first; i <= s.last; ++i) {
    if (body.tokens[i].IsWord("as")) return false;
    if (NamesUnit(body.tokens, i, name)) return true;
  }
  return false;
}

bool IsSpecOf(const Body& body, const Statement& s, std::string_view name) {
  return body.tokens[s.first].IsWord("Spec") && s.first + 1 <= s.last && NamesUnit(body.tokens, s.first + 1, name);
}

bool Mentions(const Body& body, const Statement& s, std::string_view name) {
  for (std::size_t i = s.first; i <= s.last; ++i)
    if (NamesUnit(body.tokens, i, name)) return true;
  return false;
}

bool IsDeclaration(const Body& body, const Statement& s) {
  for (std::size_t i = s.first; i <= s.last; ++i)
    if (body.tokens[i].IsWord("as")) return true;
  return false;
}

// From the start of the token's line (when only blanks stand before it) to
// past the line end after `to` (when only blanks or a comment follow).
void WholeLines(std::string_view text, std::size_t& from, std::size_t& to) {
  std::size_t start = from;
  while (start > 0 && (text[start - 1] == ' ' || text[start - 1] == '\t')) --start;
  if (start == 0 || text[start - 1] == '\n') from = start;
  std::size_t end = to;
  while (end < text.size() && (text[end] == ' ' || text[end] == '\t' || text[end] == '\r')) ++end;
  // A comment after the statement on its own line goes with it.
  if (from == start && text.substr(end, 2) == "//")
    while (end < text.size() && text[end] != '\n') ++end;
  if (end < text.size() && text[end] == '\n') to = end + 1;
}

struct Cut {
  std::size_t from;
  std::size_t to;
  std::string with;
};

std::string Apply(std::string_view text, std::vector<Cut> cuts) {
  std::string out;
  std::size_t at = 0;
  for (const Cut& cut : cuts) {
    if (cut.from < at) continue;
    out.append(text.substr(at, cut.from - at)).append(cut.with);
    at = cut.to;
  }
  out.append(text.substr(at));
  return out;
}

}  // namespace

std::string RenameUnitInText(std::string_view text, std::string_view oldName, std::string_view newName) {
  const Body body = ReadBody(text);
  std::vector<Cut> cuts;
  for (const Statement& s : body.statements)
    for (std::size_t i = s.first; i <= s.last; ++i)
      if (NamesUnit(body.tokens, i, oldName))
        cuts.push_back(Cut{body.tokens[i].offset, body.tokens[i].End(), std::string(newName)});
  return Apply(text, std::move(cuts));
}

std::string RemoveUnitFromText(std::string_view text, std::string_view name) {
  const Body body = ReadBody(text);
  std::vector<Cut> cuts;
  for (const Statement& s : body.statements) {
    if (!Mentions(body, s, name)) continue;
    if (!IsDeclaration(body, s) || IsDeclarationOf(body, s, name)) {
      std::size_t from = body.tokens[s.first].offset, to = body.tokens[s.last].End();
      WholeLines(text, from, to);
      cuts.push_back(Cut{from, to, {}});
      continue;
    }
    // A stream's connection to the unit: "Port = Unit.Port" with its comma.
    for (std::size_t i = s.first; i <= s.last; ++i) {
      if (!NamesUnit(body.tokens, i, name) || i < s.first + 2 || !body.tokens[i - 1].IsSymbol("=")) continue;
      std::size_t start = i - 2, stop = i;
      while (stop + 1 <= s.last && !body.tokens[stop + 1].IsSymbol(",") && !body.tokens[stop + 1].IsSymbol(")")) ++stop;
      std::size_t from = body.tokens[start].offset, to = body.tokens[stop].End();
      if (stop + 1 <= s.last && body.tokens[stop + 1].IsSymbol(",")) {
        to = stop + 2 <= s.last ? body.tokens[stop + 2].offset : body.tokens[stop + 1].End();
      } else if (body.tokens[start - 1].IsSymbol(",")) {
        from = body.tokens[start - 1].offset;
      }
      cuts.push_back(Cut{from, to, {}});
    }
  }
  return Apply(text, std::move(cuts));
}

std::string UnitStatements(std::string_view text, std::string_view name) {
  const Body body = ReadBody(text);
  std::string out;
  for (const Statement& s : body.statements)
    if ((IsDeclaration(body, s) && IsDeclarationOf(body, s, name)) || IsSpecOf(body, s, name)) {
      out.append(text.substr(body.tokens[s.first].offset, body.tokens[s.last].End() - body.tokens[s.first].offset));
      out += '\n';
    }
  return out;
}

std::string SetUnitTypeInText(std::string_view text, std::string_view name, std::string_view newType) {
  const Body body = ReadBody(text);
  std::vector<Cut> cuts;
  for (const Statement& s : body.statements) {
    if (!IsDeclaration(body, s) || !IsDeclarationOf(body, s, name)) continue;
    for (std::size_t i = s.first; i <= s.last; ++i)
      if (IsTypePosition(body.tokens, i) && body.tokens[i].Is(TokenKind::Identifier)) {
        cuts.push_back(Cut{body.tokens[i].offset, body.tokens[i].End(), std::string(newType)});
        break;
      }
  }
  return Apply(text, std::move(cuts));
}

namespace {

// Where the body of a definition's text starts (after its header line) and ends (at its closing End).
std::pair<std::size_t, std::size_t> BodyRange(std::string_view text) {
  const Body body = ReadBody(text);
  std::size_t start = 0;
  for (std::size_t i = 1; i < body.end; ++i)
    if (body.tokens[i].firstOnLine) {
      start = body.tokens[i].offset;
      while (start > 0 && text[start - 1] != '\n') --start;
      break;
    }
  std::size_t end = body.tokens[body.end].offset;
  while (end > 0 && text[end - 1] != '\n') --end;
  if (start == 0 || start > end) start = end;
  return {start, end};
}

}  // namespace

std::string ReplaceBody(std::string_view text, std::string_view bodyFrom) {
  const auto [start, end] = BodyRange(text);
  const auto [fromStart, fromEnd] = BodyRange(bodyFrom);
  return std::string(text.substr(0, start)) + std::string(bodyFrom.substr(fromStart, fromEnd - fromStart)) +
         std::string(text.substr(end));
}

std::string InsertBeforeEnd(std::string_view text, std::string_view statements) {
  const Body body = ReadBody(text);
  std::string lines;
  for (std::size_t at = 0; at < statements.size();) {
    std::size_t end = statements.find('\n', at);
    if (end == std::string_view::npos) end = statements.size();
    if (end > at) lines.append("  ").append(statements.substr(at, end - at)).append("\n");
    at = end + 1;
  }
  const std::size_t endOffset = body.tokens[body.end].offset;
  std::size_t lineStart = endOffset;
  while (lineStart > 0 && text[lineStart - 1] != '\n') --lineStart;
  if (lineStart == 0 && endOffset > 0) lines.insert(0, "\n");
  return std::string(text.substr(0, lineStart)) + lines + std::string(text.substr(lineStart));
}
