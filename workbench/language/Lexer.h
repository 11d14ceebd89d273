// Splits a model text into tokens. Never fails: every problem (a comment or
// string that is not closed, a byte that is not valid UTF-8, a character the
// language does not use) is reported with its line and reading goes on.
// Text inside strings and comments may be any valid UTF-8.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "workbench/language/BoundedReport.h"
#include "workbench/language/Token.h"

// Reads tokens one at a time, so that a long file can be walked without
// holding all of its tokens.
class CLexer {
 public:
  CLexer(std::string_view text, CBoundedReport& report) : m_text(text), m_report(report) {}

  // The next token; EndOfText at the end, and again on every later call. A
  // full report stops the reading: the end of the text comes next.
  Token Next();
  // The line a '/*' comment that runs to the end of the text starts on, or 0.
  int UnclosedCommentLine() const { return m_unclosedCommentLine; }

 private:
  char At(std::size_t i) const { return i < m_text.size() ? m_text[i] : '\0'; }
  void StepInsideText();
  void ReportInvalidByte();
  void SkipBlanksAndComments();
  void SkipBlockComment();
  std::optional<TokenKind> ReadToken();
  TokenKind ReadNumber();
  TokenKind ReadString();
  void ReportUnusableCharacter();

  std::string_view m_text;
  CBoundedReport& m_report;
  std::size_t m_pos = 0;
  int m_line = 1;
  int m_lineOfLastToken = 0;
  int m_unclosedCommentLine = 0;
};

// All tokens of text, ending with one EndOfText token.
std::vector<Token> Tokenize(std::string_view text, CBoundedReport& report, int* unclosedCommentLine = nullptr);
