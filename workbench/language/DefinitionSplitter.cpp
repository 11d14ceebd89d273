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
  // Problems inside bodies are found when each definition is compiled.
  CBoundedReport report = CBoundedReport::Discarding();
  int unclosedCommentLine = 0;
  const std::vector<Token> tokens = Tokenize(fileText, report, &unclosedCommentLine);
  std::size_t leadingStart = 0;
  std::size_t i = 0;
  while (!tokens[i].Is(TokenKind::EndOfText)) {
    const Token& keyword = tokens[i];
    const std::optional<DefinitionKind> kind =
        keyword.Is(TokenKind::Identifier) ? DefinitionKindFromKeyword(keyword.text) : std::nullopt;
    if (!kind) {
      result.error = ErrorAt(keyword.line, "expected a definition (" + DefinitionKeywordList() + ") but found " +
                                               DescribeToken(keyword));
      break;
    }
    const Token& name = tokens[i + 1];
    const std::string noun(DefinitionKindNoun(*kind));
    if (!name.Is(TokenKind::Identifier)) {
      result.error = ErrorAt(name.line, "expected the name of the " + noun + " after '" +
                                            std::string(keyword.text) + "' but found " + DescribeToken(name));
      break;
    }
    std::size_t j = i + 2;
    while (!tokens[j].Is(TokenKind::EndOfText) && !IsDefinitionEnd(tokens, j)) ++j;
    if (tokens[j].Is(TokenKind::EndOfText)) {
      // A comment left open swallows the End; it is the problem to name.
      if (unclosedCommentLine == 0)
        result.error = ErrorAt(keyword.line, "'End' is missing for the " + noun + " '" + std::string(name.text) +
                                                 "' that begins here; the file may be cut short");
      break;
    }
    std::size_t next = j + 1;
    if (tokens[next].IsSymbol(";")) ++next;
    const std::size_t end = EndOfEndLine(fileText, tokens[next - 1].End(), tokens[next].offset);
    SourceDefinition definition;
    definition.kind = *kind;
    definition.name = std::string(name.text);
    definition.leadingText = std::string(fileText.substr(leadingStart, keyword.offset - leadingStart));
    definition.text = std::string(fileText.substr(keyword.offset, end - keyword.offset));
    definition.line = keyword.line;
    result.definitions.push_back(std::move(definition));
    leadingStart = end;
    i = next;
  }
  if (!result.error && unclosedCommentLine > 0)
    result.error = ErrorAt(unclosedCommentLine, "comment '/*' is not closed with '*/'; the file may be cut short");
  if (!result.error) result.trailingText = std::string(fileText.substr(leadingStart));
  return result;
}

bool IsSelfContainedDefinition(std::string_view text) {
  const SplitFile split = SplitDefinitions(text);
  if (!split.Ok() || split.definitions.size() != 1) return false;
  return split.trailingText.find_first_not_of(" \t\r\n") == std::string::npos;
}
