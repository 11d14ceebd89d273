#include "workbench/language/Lexer.h"

#include <cstdio>
#include <string>

#include "workbench/language/Utf8Validation.h"

namespace {

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v'; }
bool IsPunctuation(char c) {
  return (c >= '!' && c <= '/') || (c >= ':' && c <= '@') || (c >= '[' && c <= '`') || (c >= '{' && c <= '~');
}

}  // namespace

Token CLexer::Next() {
  while (!m_report.Full()) {
    SkipBlanksAndComments();
    if (m_pos >= m_text.size()) break;
    const std::size_t start = m_pos;
    const std::optional<TokenKind> kind = ReadToken();
    if (!kind) continue;  // an unusable byte, already reported and skipped
    Token token;
    token.kind = *kind;
    token.text = m_text.substr(start, m_pos - start);
    token.offset = start;
    token.line = m_line;
    token.firstOnLine = m_lineOfLastToken != m_line;
    m_lineOfLastToken = m_line;
    return token;
  }
  Token end;
  end.offset = m_text.size();
  end.line = m_line;
  end.firstOnLine = m_lineOfLastToken != m_line;
  return end;
}

// Steps over one character of a comment or string, keeping the line count
// and reporting bytes that are not valid UTF-8.
void CLexer::StepInsideText() {
  const char c = m_text[m_pos];
  if (c == '\n') {
    ++m_line;
    ++m_pos;
    return;
  }
  const int n = Utf8SequenceLength(m_text, m_pos);
  if (n == 0) {
    ReportInvalidByte();
    ++m_pos;
    return;
  }
  m_pos += static_cast<std::size_t>(n);
}

void CLexer::ReportInvalidByte() {
  char code[8];
  std::snprintf(code, sizeof code, "0x%02X", static_cast<unsigned char>(m_text[m_pos]));
  m_report.Error(m_line, std::string("invalid UTF-8: byte ") + code + " does not start a valid character");
}

void CLexer::SkipBlanksAndComments() {
  while (m_pos < m_text.size() && !m_report.Full()) {
    const char c = m_text[m_pos];
    if (c == '\n') {
      ++m_line;
      ++m_pos;
    } else if (IsBlank(c)) {
      ++m_pos;
    } else if (c == '/' && At(m_pos + 1) == '/') {
      m_pos += 2;
      while (m_pos < m_text.size() && m_text[m_pos] != '\n') StepInsideText();
    } else if (c == '/' && At(m_pos + 1) == '*') {
      SkipBlockComment();
    } else {
      return;
    }
  }
}

void CLexer::SkipBlockComment() {
  const int startLine = m_line;
  m_pos += 2;
  while (m_pos < m_text.size()) {
    if (m_text[m_pos] == '*' && At(m_pos + 1) == '/') {
      m_pos += 2;
      return;
    }
    StepInsideText();
  }
  m_report.Error(startLine, "comment '/*' is not closed with '*/'");
  m_unclosedCommentLine = startLine;
}

std::optional<TokenKind> CLexer::ReadToken() {
  const char c = m_text[m_pos];
  if (IsLetter(c)) {
    while (IsLetter(At(m_pos)) || IsDigit(At(m_pos))) ++m_pos;
    return TokenKind::Identifier;
  }
  if (IsDigit(c) || (c == '.' && IsDigit(At(m_pos + 1)))) return ReadNumber();
  if (c == '"') return ReadString();
  if (IsPunctuation(c)) {
    const char next = At(m_pos + 1);
    const bool pair =
        (c == '<' && (next == '=' || next == '>')) || (c == '>' && next == '=') || (c == '=' && next == '=');
    m_pos += pair ? 2 : 1;
    return TokenKind::Symbol;
  }
  ReportUnusableCharacter();
  return std::nullopt;
}

TokenKind CLexer::ReadNumber() {
  while (IsDigit(At(m_pos))) ++m_pos;
  if (At(m_pos) == '.') {
    ++m_pos;
    while (IsDigit(At(m_pos))) ++m_pos;
  }
  if (At(m_pos) == 'e' || At(m_pos) == 'E') {
    std::size_t p = m_pos + 1;
    if (At(p) == '+' || At(p) == '-') ++p;
    if (IsDigit(At(p))) {
      m_pos = p;
      while (IsDigit(At(m_pos))) ++m_pos;
    } else {
      m_report.Error(m_line, "number has an exponent without digits");
      m_pos = p;
    }
  }
  return TokenKind::Number;
}

TokenKind CLexer::ReadString() {
  ++m_pos;
  while (m_pos < m_text.size() && m_text[m_pos] != '\n') {
    const char c = m_text[m_pos];
    if (c == '"') {
      ++m_pos;
      return TokenKind::String;
    }
    if (c == '\\' && (At(m_pos + 1) == '"' || At(m_pos + 1) == '\\')) {
      m_pos += 2;
      continue;
    }
    StepInsideText();
  }
  m_report.Error(m_line, "string is not closed with '\"' before the end of the line");
  return TokenKind::String;
}

// A byte that starts no token: a control character, a valid non-ASCII
// character outside strings and comments, or invalid UTF-8. It is skipped.
void CLexer::ReportUnusableCharacter() {
  const int n = Utf8SequenceLength(m_text, m_pos);
  if (n == 0) {
    ReportInvalidByte();
    ++m_pos;
  } else if (n == 1) {
    m_report.Error(m_line, "unexpected control character (code " +
                               std::to_string(static_cast<unsigned char>(m_text[m_pos])) + ")");
    ++m_pos;
  } else {
    m_report.Error(m_line, "unexpected character '" + std::string(m_text.substr(m_pos, n)) +
                               "'; names use only letters, digits and '_'");
    m_pos += static_cast<std::size_t>(n);
  }
}

std::vector<Token> Tokenize(std::string_view text, CBoundedReport& report, int* unclosedCommentLine) {
  CLexer lexer(text, report);
  std::vector<Token> tokens;
  do {
    tokens.push_back(lexer.Next());
  } while (!tokens.back().Is(TokenKind::EndOfText));
  if (unclosedCommentLine) *unclosedCommentLine = lexer.UnclosedCommentLine();
  return tokens;
}
