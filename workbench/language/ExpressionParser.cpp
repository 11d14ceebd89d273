#include "workbench/language/ExpressionParser.h"

#include <array>

#include "workbench/language/TextCase.h"

namespace {

// Words that end or join expressions and so never stand as an operand.
constexpr std::array<std::string_view, 9> kReservedWords{"and", "or", "not", "Then", "Else",
                                                         "EndIf", "EndFor", "Do", "In"};

bool IsReserved(const Token& token) {
  for (std::string_view word : kReservedWords)
    if (token.IsWord(word)) return true;
  return false;
}

// Leaves one level of nesting when a parse function returns.
class CDepthScope {
 public:
  explicit CDepthScope(int& depth) : m_depth(depth) {}
  ~CDepthScope() { --m_depth; }
  CDepthScope(const CDepthScope&) = delete;
  CDepthScope& operator=(const CDepthScope&) = delete;

 private:
  int& m_depth;
};

}  // namespace

bool CExpressionParser::Parse(bool allowEquals) {
  const bool saved = m_allowEquals;
  m_allowEquals = allowEquals;
  const bool ok = ParseOr();
  m_allowEquals = saved;
  return ok;
}

bool CExpressionParser::Enter() {
  if (++m_depth <= kMaxDepth) return true;
  m_cursor.ErrorAtCurrent("expression is nested too deeply");
  return false;
}

bool CExpressionParser::IsOperand() const {
  const Token& t = m_cursor.Peek();
  if (t.Is(TokenKind::Identifier)) return !IsReserved(t) && !m_cursor.AtDefinitionEnd();
  return t.Is(TokenKind::Number) || t.Is(TokenKind::String) || t.IsSymbol("(") || t.IsSymbol("[") ||
         t.IsSymbol("$");
}

bool CExpressionParser::ParseOr() {
  const bool entered = Enter();
  CDepthScope scope(m_depth);
  if (!entered) return false;
  if (!ParseAnd()) return false;
  while (m_cursor.AcceptWord("or"))
    if (!ParseAnd()) return false;
  return true;
}

bool CExpressionParser::ParseAnd() {
  if (!ParseNot()) return false;
  while (m_cursor.AcceptWord("and"))
    if (!ParseNot()) return false;
  return true;
}

bool CExpressionParser::ParseNot() {
  if (!m_cursor.Peek().IsWord("not")) return ParseCompare();
  const bool entered = Enter();
  CDepthScope scope(m_depth);
  if (!entered) return false;
  m_cursor.Next();
  return ParseNot();
}

bool CExpressionParser::ParseCompare() {
  if (!ParseSum()) return false;
  static constexpr std::array<std::string_view, 6> kRelations{"<", ">", "<=", ">=", "<>", "=="};
  for (std::string_view relation : kRelations)
    if (m_cursor.AcceptSymbol(relation)) return ParseSum();
  if (m_allowEquals && m_cursor.AcceptSymbol("=")) return ParseSum();
  return true;
}

bool CExpressionParser::ParseSum() {
  if (!ParseProduct()) return false;
  while (m_cursor.AcceptSymbol("+") || m_cursor.AcceptSymbol("-"))
    if (!ParseProduct()) return false;
  return true;
}

bool CExpressionParser::ParseProduct() {
  if (!ParseUnary()) return false;
  while (m_cursor.AcceptSymbol("*") || m_cursor.AcceptSymbol("/"))
    if (!ParseUnary()) return false;
  return true;
}

bool CExpressionParser::ParseUnary() {
  if (!m_cursor.Peek().IsSymbol("-") && !m_cursor.Peek().IsSymbol("+")) return ParsePower();
  const bool entered = Enter();
  CDepthScope scope(m_depth);
  if (!entered) return false;
  m_cursor.Next();
  return ParseUnary();
}

bool CExpressionParser::ParsePower() {
  if (!ParsePrimary()) return false;
  if (!m_cursor.AcceptSymbol("^")) return true;
  const bool entered = Enter();
  CDepthScope scope(m_depth);
  return entered && ParseUnary();
}

bool CExpressionParser::ParsePrimary() {
  if (!IsOperand()) {
    m_cursor.ErrorAtCurrent("expected a value or a name but found " + DescribeToken(m_cursor.Peek()));
    return false;
  }
  const Token& t = m_cursor.Peek();
  if (t.Is(TokenKind::Number) || t.Is(TokenKind::String)) {
    m_cursor.Next();
    return true;
  }
  if (t.Is(TokenKind::Identifier)) return ParseNamePath();
  const bool entered = Enter();
  CDepthScope scope(m_depth);
  if (!entered) return false;
  if (m_cursor.AcceptSymbol("$")) return ParsePrimary();  // time derivative
  if (m_cursor.AcceptSymbol("(")) return ParseOr() && m_cursor.ExpectSymbol(")", "to close '('");
  m_cursor.Next();  // "["
  return ParseList();
}

bool CExpressionParser::ParseList() {
  if (m_cursor.AcceptSymbol("]")) return true;
  do {
    if (!ParseOr()) return false;
    if (m_cursor.AcceptSymbol(":") && !ParseOr()) return false;
  } while (m_cursor.AcceptSymbol(","));
  return m_cursor.ExpectSymbol("]", "to close '['");
}

bool CExpressionParser::ParseNamePath() {
  const Token& head = m_cursor.Next();
  const bool called = m_cursor.Peek().IsSymbol("(");
  bool local = false;
  for (const std::string& name : m_localNames)
    if (EqualsNoCase(name, head.text)) local = true;
  if (!local) m_uses.push_back(NameUse{std::string(head.text), head.line, head.offset, called});
  while (true) {
    if (m_cursor.Peek().IsSymbol("(")) {
      if (!ParseArguments()) return false;
    } else if (m_cursor.AcceptSymbol(".")) {
      std::string part;
      if (!m_cursor.ExpectName("a name after '.'", part)) return false;
    } else {
      return true;
    }
  }
}

bool CExpressionParser::ParseArguments() {
  const bool entered = Enter();
  CDepthScope scope(m_depth);
  if (!entered) return false;
  m_cursor.Next();  // "("
  if (m_cursor.AcceptSymbol(")")) return true;
  do {
    if (!ParseOr()) return false;
  } while (m_cursor.AcceptSymbol(","));
  return m_cursor.ExpectSymbol(")", "to close the argument list");
}
