// Reading position over the tokens of one text, shared by the parsers of
// headers, statements, properties and expressions.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "workbench/language/BoundedReport.h"
#include "workbench/language/Token.h"

// Whether tokens[i] is the End that closes a definition: the word End at the
// start of a statement, that is first on its line or right after a ';'. The
// parser and the file splitter both end a definition by this rule.
bool IsDefinitionEnd(const Token& token, const Token* previous);
inline bool IsDefinitionEnd(const std::vector<Token>& tokens, std::size_t i) {
  return i < tokens.size() && IsDefinitionEnd(tokens[i], i == 0 ? nullptr : &tokens[i - 1]);
}

class CTokenCursor {
 public:
  CTokenCursor(std::string_view text, const std::vector<Token>& tokens, CBoundedReport& report)
      : m_text(text), m_tokens(tokens), m_report(report) {}

  const Token& Peek(std::size_t ahead = 0) const;
  // The current token; moves on (never past the end of the text).
  const Token& Next();
  // The last token taken with Next.
  const Token& Previous() const { return m_tokens[m_pos == 0 ? 0 : m_pos - 1]; }
  std::size_t Position() const { return m_pos; }

  bool AtEndOfText() const { return Peek().Is(TokenKind::EndOfText); }
  bool AtDefinitionEnd() const { return IsDefinitionEnd(m_tokens, m_pos); }
  // End of text, or the End of the definition: no statement may go on past here.
  bool AtBoundary() const { return AtEndOfText() || AtDefinitionEnd(); }

  bool AcceptSymbol(std::string_view symbol);
  bool AcceptWord(std::string_view word);
  // Takes the symbol, or reports "expected 'symbol' <context> but found ..." and returns false.
  bool ExpectSymbol(std::string_view symbol, std::string_view context);
  // Takes an identifier into name, or reports "expected <what> but found ...".
  bool ExpectName(std::string_view what, std::string& name);

  // The text as written from offset up to the end of the last token taken.
  std::string TextSince(std::size_t offset) const;
  std::string_view Source() const { return m_text; }

  void Error(int line, std::string message) { m_report.Error(line, std::move(message)); }
  void ErrorAtCurrent(std::string message) { m_report.Error(Peek().line, std::move(message)); }
  bool ReportFull() const { return m_report.Full(); }

  // Recovery after an error: skips to just after the next ';', or stops
  // before the definition's End or the end of the text.
  void SkipStatement();

 private:
  std::string_view m_text;
  const std::vector<Token>& m_tokens;
  CBoundedReport& m_report;
  std::size_t m_pos = 0;
};
