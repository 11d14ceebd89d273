#include "workbench/language/DefinitionSplitter.h"

#include "workbench/language/Lexer.h"
#include "workbench/language/TokenCursor.h"

namespace {

// Where the End line of a definition stops: past blanks and comments after
// the last token of the definition, up to and including the first line feed
// outside a comment, but never into the next token.
std::size_t EndOfEndLine(std::string_view text, std::size_t from, std::size_t nextToken) {
  std::size_t p = from;
  while (p < nextToken) {
    if (text[p] == '\n') return p + 1;
    if (text.compare(p, 2, "//") == 0) {
      const std::size_t lineFeed = text.find('\n', p);
      return lineFeed == std::string_view::npos || lineFeed >= nextToken ? nextToken : lineFeed + 1;
    }
    if (text.compare(p, 2, "/*") == 0) {
      const std::size_t close = text.find("*/", p + 2);
      if (close == std::string_view::npos || close + 2 > nextToken) return nextToken;
      p = close + 2;
      continue;
    }
    ++p;
  }
  return nextToken;
}

QVParseMessage ErrorAt(int line, std::string message) { return QVParseMessage{QV_SEVERITY_ERROR, std::move(message), line}; }

}  // namespace

SplitFile SplitDefinitions(std::string_view fileText) {
  SplitFile result;
  // Problems inside bodies are found when each definition is compiled; the
  // tokens are read one at a time, so a long file never has all of them at once.
  CBoundedReport report = CBoundedReport::Discarding();
  CLexer lexer(fileText, report);
  std::size_t leadingStart = 0;
  Token keyword = lexer.Next();
  while (!keyword.Is(TokenKind::EndOfText)) {
    const std::optional<DefinitionKind> kind =
        keyword.Is(TokenKind::Identifier) ? DefinitionKindFromKeyword(keyword.text) : std::nullopt;
    if (!kind) {
      result.error = ErrorAt(keyword.line, "expected a definition (" + DefinitionKeywordList() + ") but found " +
                                               DescribeToken(keyword));
      break;
    }
    const Token name = lexer.Next();
    const std::string noun(DefinitionKindNoun(*kind));
    if (!name.Is(TokenKind::Identifier)) {
      result.error = ErrorAt(name.line, "expected the name of the " + noun + " after '" +
                                            std::string(keyword.text) + "' but found " + DescribeToken(name));
      break;
    }
    Token previous = name;
    Token end = lexer.Next();
    while (!end.Is(TokenKind::EndOfText) && !IsDefinitionEnd(end, &previous)) {
      previous = end;
      end = lexer.Next();
    }
    if (end.Is(TokenKind::EndOfText)) {
      // A comment left open swallows the End; it is the problem to name.
      if (lexer.UnclosedCommentLine() == 0)
        result.error = ErrorAt(keyword.line, "'End' is missing for the " + noun + " '" + std::string(name.text) +
                                                 "' that begins here; the file may be cut short");
      break;
    }
    Token last = end;
    Token next = lexer.Next();
    if (next.IsSymbol(";")) {
      last = next;
      next = lexer.Next();
    }
    const std::size_t stop = EndOfEndLine(fileText, last.End(), next.offset);
    SourceDefinition definition;
    definition.kind = *kind;
    definition.name = std::string(name.text);
    definition.leadingText = std::string(fileText.substr(leadingStart, keyword.offset - leadingStart));
    definition.text = std::string(fileText.substr(keyword.offset, stop - keyword.offset));
    definition.line = keyword.line;
    result.definitions.push_back(std::move(definition));
    leadingStart = stop;
    keyword = next;
  }
  if (!result.error && lexer.UnclosedCommentLine() > 0)
    result.error =
        ErrorAt(lexer.UnclosedCommentLine(), "comment '/*' is not closed with '*/'; the file may be cut short");
  if (!result.error) result.trailingText = std::string(fileText.substr(leadingStart));
  return result;
}

bool IsSelfContainedDefinition(std::string_view text) {
  const SplitFile split = SplitDefinitions(text);
  if (!split.Ok() || split.definitions.size() != 1) return false;
  return split.trailingText.find_first_not_of(" \t\r\n") == std::string::npos;
}
