// The header of a definition text ("Model Tank"), read and renamed on its own.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "workbench/language/DefinitionKind.h"

struct DefinitionHeader {
  DefinitionKind kind = DefinitionKind::Model;
  std::string name;
  int line = 0;
  std::size_t nameOffset = 0;
};

// The kind and name a text begins with (blank lines and comments before the
// keyword are passed over); nothing when it begins with anything else.
std::optional<DefinitionHeader> ReadDefinitionHeader(std::string_view text);

// The text with its header name replaced by newName, when that name is
// oldName (compared without regard to case, as a whole name: renaming Tank
// leaves "Model Tanker" alone). Nothing when the header names something else.
// Only the header changes; the name elsewhere in the text stays as it is.
std::optional<std::string> RenameDefinitionHeader(std::string_view text, std::string_view oldName,
                                                  std::string_view newName);
