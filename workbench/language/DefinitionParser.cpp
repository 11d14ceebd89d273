#include "workbench/language/DefinitionParser.h"

#include "workbench/language/Lexer.h"
#include "workbench/language/PropertyParser.h"
#include "workbench/language/StatementParser.h"
#include "workbench/language/TokenCursor.h"

namespace {

std::string_view TrimBlanks(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

class CDefinitionParser {
 public:
  CDefinitionParser(std::string_view text, const std::vector<Token>& tokens, CBoundedReport& report)
      : m_text(text), m_cursor(text, tokens, report) {}

  std::optional<Definition> Run() {
    if (!ParseHeader()) return std::nullopt;
    if (m_definition.kind == DefinitionKind::Task) {
      ParseTaskBody();
    } else if (HoldsProperties(m_definition.kind)) {
      CPropertyParser(m_cursor, m_definition).ParseBody();
    } else {
      CStatementParser(m_cursor, m_definition).ParseBody();
    }
    ParseEnd();
    return std::move(m_definition);
  }

 private:
  std::string Noun() const {
    return std::string(DefinitionKindNoun(m_definition.kind)) + " '" + m_definition.name + "'";
  }

  bool ParseHeader() {
    const Token& keyword = m_cursor.Peek();
    std::optional<DefinitionKind> kind;
    if (keyword.Is(TokenKind::Identifier)) kind = DefinitionKindFromKeyword(keyword.text);
    if (!kind) {
      if (keyword.Is(TokenKind::EndOfText))
        m_cursor.Error(0, "the text holds no definition; it must begin with one of " + DefinitionKeywordList());
      else if (keyword.Is(TokenKind::Identifier))
        m_cursor.Error(keyword.line, "unknown keyword '" + std::string(keyword.text) +
                                         "'; a definition begins with one of " + DefinitionKeywordList());
      else
        m_cursor.Error(keyword.line, "expected a definition (" + DefinitionKeywordList() + ") but found " +
                                         DescribeToken(keyword));
      return false;
    }
    m_cursor.Next();
    m_definition.kind = *kind;
    m_definition.line = keyword.line;
    const Token& name = m_cursor.Peek();
    if (!m_cursor.ExpectName("the name of the " + std::string(DefinitionKindNoun(*kind)) + " after '" +
                                 std::string(keyword.text) + "'",
                             m_definition.name))
      return false;
    m_definition.nameOffset = name.offset;
    if (*kind == DefinitionKind::Task) return ReadTaskHeaderRest(name);
    if (m_cursor.Peek().IsWord("Uses") && !m_cursor.AtDefinitionEnd()) {
      m_cursor.Next();
      const Token& base = m_cursor.Peek();
      if (m_cursor.ExpectName("the name of the base type after 'Uses'", m_definition.base)) {
        m_definition.baseLine = base.line;
        m_definition.references.push_back(
            TypeReference{m_definition.base, ReferenceRole::Base, base.line, base.offset});
      }
    }
    m_cursor.AcceptSymbol(";");
    const Token& after = m_cursor.Peek();
    if (!after.firstOnLine && !m_cursor.AtBoundary()) {
      m_cursor.Error(after.line, "unexpected " + DescribeToken(after) + " after the header of " + Noun());
      while (!m_cursor.Peek().firstOnLine && !m_cursor.AtEndOfText()) m_cursor.Next();
    }
    return true;
  }

  // A task keeps the rest of its header line as written ("runs every 10", say).
  bool ReadTaskHeaderRest(const Token& name) {
    std::size_t lineEnd = m_text.find('\n', name.End());
    if (lineEnd == std::string_view::npos) lineEnd = m_text.size();
    m_definition.headerRest = std::string(TrimBlanks(m_text.substr(name.End(), lineEnd - name.End())));
    m_bodyStart = lineEnd < m_text.size() ? lineEnd + 1 : lineEnd;
    return true;
  }

  void ParseTaskBody() {
    while (!m_cursor.AtBoundary()) m_cursor.Next();
    std::size_t bodyEnd = m_cursor.Peek().offset;
    if (m_cursor.Peek().firstOnLine) {
      while (bodyEnd > m_bodyStart && m_text[bodyEnd - 1] != '\n') --bodyEnd;
    }
    if (bodyEnd > m_bodyStart) m_definition.body = std::string(m_text.substr(m_bodyStart, bodyEnd - m_bodyStart));
  }

  void ParseEnd() {
    if (!m_cursor.AtDefinitionEnd()) {
      m_cursor.Error(m_definition.line, "'End' is missing: " + Noun() + " is not closed");
      return;
    }
    m_definition.closed = true;
    m_definition.endLine = m_cursor.Next().line;
    m_cursor.AcceptSymbol(";");
    const Token& after = m_cursor.Peek();
    if (after.Is(TokenKind::EndOfText)) return;
    if (after.Is(TokenKind::Identifier) && DefinitionKindFromKeyword(after.text))
      m_cursor.Error(after.line, "only one definition may stand here, but another begins after the End of " +
                                     Noun());
    else
      m_cursor.Error(after.line, "unexpected " + DescribeToken(after) + " after the End of " + Noun());
  }

  std::string_view m_text;
  CTokenCursor m_cursor;
  Definition m_definition;
  std::size_t m_bodyStart = 0;
};

}  // namespace

std::optional<Definition> ParseDefinition(std::string_view text, CBoundedReport& report) {
  const std::vector<Token> tokens = Tokenize(text, report);
  return CDefinitionParser(text, tokens, report).Run();
}
