// Tokens, comments, strings, numbers and line numbers, and the problems the
// tokenizer finds: open comments and strings, bytes that are not UTF-8,
// characters the language does not use.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/language/LanguageTestSupport.h"
#include "workbench/language/Lexer.h"
#include "workbench/language/Utf8Validation.h"

namespace {

struct Lexed {
  QVParseReport report;
  std::vector<Token> tokens;
  std::vector<std::string> texts;  // token texts without the end-of-text token
};

Lexed Lex(std::string_view text) {
  Lexed lexed;
  CBoundedReport report(lexed.report);
  lexed.tokens = Tokenize(text, report);
  for (const Token& t : lexed.tokens)
    if (!t.Is(TokenKind::EndOfText)) lexed.texts.emplace_back(t.text);
  return lexed;
}

TEST(LexerTest, CommentsVanishAndTokensKeepTheirLines) {
  const Lexed lexed = Lex("/* first\n   second */ Model // trailing\nTank\n\n  /* a */ End");
  EXPECT_TRUE(lexed.report.Empty());
  EXPECT_EQ(lexed.texts, (std::vector<std::string>{"Model", "Tank", "End"}));
  EXPECT_EQ(lexed.tokens[0].line, 2);
  EXPECT_EQ(lexed.tokens[1].line, 3);
  EXPECT_EQ(lexed.tokens[2].line, 5);
  EXPECT_TRUE(lexed.tokens[2].firstOnLine);  // a comment before it does not count
  EXPECT_EQ(lexed.tokens.back().kind, TokenKind::EndOfText);
}

TEST(LexerTest, NumbersStringsAndSymbols) {
  const Lexed lexed = Lex("12 1.5 .5 1e-3 2.0E+5 x1_y \"a \\\"q\\\" \\\\ b\" <= >= <> == ( ; $");
  EXPECT_TRUE(lexed.report.Empty());
  EXPECT_EQ(lexed.texts, (std::vector<std::string>{"12", "1.5", ".5", "1e-3", "2.0E+5", "x1_y",
                                                   "\"a \\\"q\\\" \\\\ b\"", "<=", ">=", "<>", "==", "(", ";",
                                                   "$"}));
  EXPECT_EQ(lexed.tokens[4].kind, TokenKind::Number);
  EXPECT_EQ(lexed.tokens[5].kind, TokenKind::Identifier);
  EXPECT_EQ(StringTokenValue(lexed.tokens[6]), "a \"q\" \\ b");
  // Backslashes before anything else stay as written: Windows paths read as they look.
  const Lexed path = Lex("\"C:\\temp\\new.dll\"");
  EXPECT_EQ(StringTokenValue(path.tokens[0]), "C:\\temp\\new.dll");
}

TEST(LexerTest, OpenCommentIsReportedAtTheLineItStarts) {
  const Lexed lexed = Lex("Model A\n  x as T;\n/* not closed\nEnd\n");
  EXPECT_EQ(Errors(lexed.report), std::vector<std::string>{"3:comment '/*' is not closed with '*/'"});
  EXPECT_EQ(lexed.texts, (std::vector<std::string>{"Model", "A", "x", "as", "T", ";"}));
}

TEST(LexerTest, OpenStringEndsAtItsLineAndIsReported) {
  const Lexed lexed = Lex("a = \"open\nb;");
  EXPECT_TRUE(HasError(lexed.report, 1, "string is not closed"));
  EXPECT_EQ(lexed.texts.back(), ";");
  EXPECT_EQ(lexed.tokens[3].line, 2);  // b
}

TEST(LexerTest, Utf8PassesThroughStringsAndCommentsButNotNames) {
  const Lexed good = Lex("// Größe\nx = \"Temperatur °C ✓\"; /* 日本 */");
  EXPECT_TRUE(good.report.Empty());
  EXPECT_EQ(StringTokenValue(good.tokens[2]), "Temperatur °C ✓");

  const Lexed name = Lex("\n\nx = Größe;");
  EXPECT_TRUE(HasError(name.report, 3, "unexpected character 'ö'"));
}

TEST(LexerTest, InvalidUtf8IsReportedWithItsLine) {
  const Lexed inString = Lex("a\nb = \"x\xC3\x28y\";");
  EXPECT_TRUE(HasError(inString.report, 2, "invalid UTF-8: byte 0xC3"));
  const Lexed inComment = Lex("a\n\n// \xFF\xFE\n");
  EXPECT_EQ(inComment.report.ErrorCount(), 2);
  EXPECT_TRUE(HasError(inComment.report, 3, "byte 0xFF"));
  const Lexed bare = Lex("x\x80");
  EXPECT_TRUE(HasError(bare.report, 1, "byte 0x80"));
  const Lexed control = Lex(std::string("x\0y", 3));
  EXPECT_TRUE(HasError(control.report, 1, "control character (code 0)"));
  EXPECT_EQ(control.texts, (std::vector<std::string>{"x", "y"}));
}

TEST(LexerTest, Utf8ValidationRejectsOverlongSurrogatesAndTruncation) {
  EXPECT_EQ(FindInvalidUtf8("plain ✓ 😀"), std::string_view::npos);
  EXPECT_EQ(FindInvalidUtf8("ab\xC0\xAF"), 2u);          // overlong '/'
  EXPECT_EQ(FindInvalidUtf8("\xED\xA0\x80"), 0u);        // surrogate
  EXPECT_EQ(FindInvalidUtf8("ok\xF4\x90\x80\x80"), 2u);  // above U+10FFFF
  EXPECT_EQ(FindInvalidUtf8("ok\xE2\x9C"), 2u);          // cut short
  EXPECT_EQ(Utf8SequenceLength("\xF0\x9F\x98\x80", 0), 4);
}

TEST(LexerTest, ManyProblemsGiveAShortReport) {
  const std::string garbage(5000, '\x01');
  const Lexed lexed = Lex(garbage);
  EXPECT_EQ(static_cast<int>(lexed.report.messages.size()), CBoundedReport::kMaxMessages);
  EXPECT_NE(lexed.report.messages.back().message.find("too many"), std::string::npos);
}

TEST(LexerTest, ExponentWithoutDigitsIsReported) {
  const Lexed lexed = Lex("\nx = 1e+;");
  EXPECT_TRUE(HasError(lexed.report, 2, "exponent without digits"));
}

}  // namespace
