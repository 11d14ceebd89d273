// Writing definitions out. Texts the user wrote are always written as they
// stand (JoinDefinitions); WriteDefinition makes the text of a definition
// built in code, for example by a test or a store builder.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "workbench/language/Definition.h"
#include "workbench/language/DefinitionSplitter.h"

// The text of a definition in the usual layout: the header, one property,
// declaration, equation, block or Call per line indented by two blanks, then
// "End". Reading the result gives the same definition back (blocks and
// declarations keep their order among themselves; the body is laid out as
// properties, declarations, equations, blocks, calls).
std::string WriteDefinition(const Definition& definition);

// A file's text from its definitions: each one's leading text and text, then
// the trailing text, byte for byte. A line feed is put between a definition
// that does not end with one and whatever follows, so that no End runs into
// the next keyword.
std::string JoinDefinitions(const std::vector<SourceDefinition>& definitions, std::string_view trailingText = {});
