#include "workbench/language/DefinitionHeader.h"

#include <vector>

#include "workbench/language/Lexer.h"
#include "workbench/language/TextCase.h"

std::optional<DefinitionHeader> ReadDefinitionHeader(std::string_view text) {
  CBoundedReport report = CBoundedReport::Discarding();
  const std::vector<Token> tokens = Tokenize(text, report);
  if (tokens.size() < 3 || !tokens[0].Is(TokenKind::Identifier) || !tokens[1].Is(TokenKind::Identifier))
    return std::nullopt;
  const std::optional<DefinitionKind> kind = DefinitionKindFromKeyword(tokens[0].text);
  if (!kind) return std::nullopt;
  return DefinitionHeader{*kind, std::string(tokens[1].text), tokens[0].line, tokens[1].offset};
}

std::optional<std::string> RenameDefinitionHeader(std::string_view text, std::string_view oldName,
                                                  std::string_view newName) {
  const std::optional<DefinitionHeader> header = ReadDefinitionHeader(text);
  if (!header || !EqualsNoCase(header->name, oldName)) return std::nullopt;
  std::string renamed;
  renamed.reserve(text.size() + newName.size());
  renamed.append(text.substr(0, header->nameOffset));
  renamed.append(newName);
  renamed.append(text.substr(header->nameOffset + header->name.size()));
  return renamed;
}
