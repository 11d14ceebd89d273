#include "workbench/language/PropertyParser.h"

#include "workbench/language/PropertyCatalogue.h"

void CPropertyParser::ParseBody() {
  while (!m_cursor.AtBoundary() && !m_cursor.ReportFull()) {
    if (m_cursor.AcceptSymbol(";")) continue;
    if (!ParseProperty()) m_cursor.SkipStatement();
  }
}

bool CPropertyParser::AtNextPropertyLine() const {
  return m_cursor.Peek().firstOnLine && m_cursor.Peek().Is(TokenKind::Identifier) && m_cursor.Peek(1).IsSymbol(":");
}

bool CPropertyParser::ParseProperty() {
  const Token& nameToken = m_cursor.Peek();
  if (!nameToken.Is(TokenKind::Identifier) ||
      !(m_cursor.Peek(1).IsSymbol(":") || (nameToken.IsWord("Valid") && m_cursor.Peek(1).IsWord("as")))) {
    m_cursor.ErrorAtCurrent("expected a property ('Name: value;') of the " +
                            std::string(DefinitionKindNoun(m_definition.kind)) + " but found " +
                            DescribeToken(nameToken));
    return false;
  }
  Property property;
  property.name = std::string(m_cursor.Next().text);
  property.line = nameToken.line;
  if (m_cursor.Next().IsWord("as")) return ParseValidSet(property);

  const std::size_t start = m_cursor.Peek().offset;
  std::vector<const Token*> nameTokens;
  while (!m_cursor.AtBoundary() && !m_cursor.Peek().IsSymbol(";") && !AtNextPropertyLine()) {
    const Token& t = m_cursor.Next();
    property.words.push_back(PropertyWord{t.kind, t.Is(TokenKind::String) ? StringTokenValue(t) : std::string(t.text)});
    if (t.Is(TokenKind::Identifier)) nameTokens.push_back(&t);
  }
  if (property.words.empty()) {
    m_cursor.ErrorAtCurrent("property '" + property.name + "' has no value");
    return false;
  }
  property.text = m_cursor.TextSince(start);
  // A ';' left out before the next property's line loses nothing: both are kept.
  if (!m_cursor.ExpectSymbol(";", "after the value of property '" + property.name + "'") && !AtNextPropertyLine())
    return false;
  if (PropertyNamesTypes(property.name))
    for (const Token* t : nameTokens)
      m_definition.references.push_back(
          TypeReference{std::string(t->text), ReferenceRole::PropertyType, t->line, t->offset});
  m_definition.properties.push_back(std::move(property));
  return true;
}

bool CPropertyParser::ParseValidSet(Property& property) {
  if (!m_cursor.AcceptWord("StringSet")) {
    m_cursor.ErrorAtCurrent("expected 'StringSet' after 'Valid as' but found " + DescribeToken(m_cursor.Peek()));
    return false;
  }
  if (!m_cursor.ExpectSymbol("(", "after 'StringSet'") || !m_cursor.ExpectSymbol("[", "to open the set"))
    return false;
  const std::size_t start = m_cursor.Previous().offset;
  if (!m_cursor.AcceptSymbol("]")) {
    do {
      const Token& t = m_cursor.Peek();
      if (!t.Is(TokenKind::String)) {
        m_cursor.ErrorAtCurrent("the members of a StringSet are strings, but found " + DescribeToken(t));
        return false;
      }
      property.words.push_back(PropertyWord{t.kind, StringTokenValue(m_cursor.Next())});
    } while (m_cursor.AcceptSymbol(","));
    if (!m_cursor.ExpectSymbol("]", "to close the set")) return false;
  }
  property.text = m_cursor.TextSince(start);
  if (!m_cursor.ExpectSymbol(")", "to close 'StringSet ('") ||
      !m_cursor.ExpectSymbol(";", "after the set of valid values"))
    return false;
  m_definition.properties.push_back(std::move(property));
  return true;
}
