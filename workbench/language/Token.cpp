#include "workbench/language/Token.h"

#include "workbench/language/TextCase.h"

bool Token::IsWord(std::string_view word) const {
  return kind == TokenKind::Identifier && EqualsNoCase(text, word);
}

std::string StringTokenValue(const Token& token) {
  std::string_view body = token.text;
  if (!body.empty() && body.front() == '"') body.remove_prefix(1);
  if (!body.empty() && body.back() == '"') body.remove_suffix(1);
  std::string value;
  value.reserve(body.size());
  for (std::size_t i = 0; i < body.size(); ++i) {
    if (body[i] == '\\' && i + 1 < body.size() && (body[i + 1] == '"' || body[i + 1] == '\\')) ++i;
    value += body[i];
  }
  return value;
}

std::string DescribeToken(const Token& token) {
  constexpr std::size_t kLongest = 40;
  std::string shown(token.text.substr(0, kLongest));
  if (token.text.size() > kLongest) shown += "...";
  switch (token.kind) {
    case TokenKind::EndOfText: return "the end of the text";
    case TokenKind::Number: return "number " + shown;
    case TokenKind::String: return "string " + shown;
    case TokenKind::Identifier:
    case TokenKind::Symbol: break;
  }
  return "'" + shown + "'";
}
