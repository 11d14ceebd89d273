// Splits a file of many definitions (a library or a document) into the exact
// text of each, without reading their bodies: a definition whose body has
// errors is still split off whole, so that loading never loses it. Comments
// and blank lines between definitions go with the definition that follows
// them; what follows the last one is the file's trailing text. Joining the
// leading and definition texts and the trailing text gives the file back
// byte for byte.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/ParseReport.h"
#include "workbench/language/DefinitionKind.h"

struct SourceDefinition {
  DefinitionKind kind = DefinitionKind::Model;
  std::string name;
  std::string leadingText;  // comments and blank lines before the keyword, as written
  std::string text;         // from the keyword to the end of the End line, as written
  int line = 0;             // of the keyword in the file
};

struct SplitFile {
  std::vector<SourceDefinition> definitions;  // all before the first problem
  std::string trailingText;
  std::optional<QVParseMessage> error;  // the first problem: its file line and what was expected

  bool Ok() const { return !error.has_value(); }
};

SplitFile SplitDefinitions(std::string_view fileText);

// Whether the text is one definition that ends with its End line, so that it
// can be written into a file among others and split off again unchanged.
bool IsSelfContainedDefinition(std::string_view text);
