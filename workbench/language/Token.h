// Tokens of the modelling language. A token is a view into the text it was
// read from, so the text must outlive its tokens; comments and white space
// make no tokens.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

enum class TokenKind {
  Identifier,  // letter or '_' first, then letters, digits and '_'
  Number,      // 12, 1.5, .5, 1e-3, 2.0E+5
  String,      // "text" on one line; \" and \\ are the only escapes
  Symbol,      // one punctuation character, or <=, >=, <>, ==
  EndOfText,   // always the last token, at the end of the text
};

struct Token {
  TokenKind kind = TokenKind::EndOfText;
  std::string_view text;  // as written, quotes included for strings
  std::size_t offset = 0;
  int line = 1;
  bool firstOnLine = false;  // no other token before it on its line

  bool Is(TokenKind k) const { return kind == k; }
  bool IsSymbol(std::string_view s) const { return kind == TokenKind::Symbol && text == s; }
  // Keywords are identifiers compared without regard to case.
  bool IsWord(std::string_view word) const;
  std::size_t End() const { return offset + text.size(); }
};

// The contents of a string token with its escapes resolved.
std::string StringTokenValue(const Token& token);

// How a token is named in a message: "'x'", "number 3", "string \"a\"", "the end of the text".
std::string DescribeToken(const Token& token);
