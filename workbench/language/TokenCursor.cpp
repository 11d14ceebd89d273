#include "workbench/language/TokenCursor.h"

#include "workbench/language/TextCase.h"

bool IsDefinitionEnd(const Token& token, const Token* previous) {
  if (!token.IsWord("End")) return false;
  return !previous || token.firstOnLine || previous->IsSymbol(";");
}

const Token& CTokenCursor::Peek(std::size_t ahead) const {
  const std::size_t last = m_tokens.size() - 1;
  return m_tokens[m_pos + ahead > last ? last : m_pos + ahead];
}

const Token& CTokenCursor::Next() {
  const Token& token = Peek();
  if (m_pos + 1 < m_tokens.size()) ++m_pos;
  return token;
}

bool CTokenCursor::AcceptSymbol(std::string_view symbol) {
  if (!Peek().IsSymbol(symbol)) return false;
  Next();
  return true;
}

bool CTokenCursor::AcceptWord(std::string_view word) {
  if (!Peek().IsWord(word) || AtDefinitionEnd()) return false;
  Next();
  return true;
}

bool CTokenCursor::ExpectSymbol(std::string_view symbol, std::string_view context) {
  if (AcceptSymbol(symbol)) return true;
  ErrorAtCurrent(Concat({"expected '", symbol, "'", context.empty() ? "" : " ", context, " but found ",
                         DescribeToken(Peek())}));
  return false;
}

bool CTokenCursor::ExpectName(std::string_view what, std::string& name) {
  if (Peek().Is(TokenKind::Identifier) && !AtDefinitionEnd()) {
    name = std::string(Next().text);
    return true;
  }
  ErrorAtCurrent("expected " + std::string(what) + " but found " + DescribeToken(Peek()));
  return false;
}

std::string CTokenCursor::TextSince(std::size_t offset) const {
  const std::size_t end = Previous().End();
  if (m_pos == 0 || end <= offset) return {};
  return std::string(m_text.substr(offset, end - offset));
}

void CTokenCursor::SkipStatement() {
  while (!AtBoundary()) {
    if (Next().IsSymbol(";")) return;
  }
}
