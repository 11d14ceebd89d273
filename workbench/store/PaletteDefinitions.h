// A palette's definitions as text, both ways: the texts of its types in the
// order they were added (for writing a library or a document), and filling a
// palette from a text of many definitions (for reading one). Scripts, icons
// and forms have no place in such a text and are left to their owners.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/Types.h"
#include "workbench/store/StoreKind.h"

class CStorePalette;
class CStoreType;

struct PaletteDefinition {
  CStoreType* type = nullptr;
  StoreKind kind = StoreKind::Model;
  // The full text: the last good version with any uncompiled edit embedded, verbatim.
  std::string text;
};

// The types of palette that have modelling-language text, in the order they were added.
std::vector<PaletteDefinition> PaletteDefinitions(CStorePalette& palette);

// Adds every definition of text to palette, all before any is compiled (so a
// definition may use one written after it), then compiles each against the
// palette. A definition written as a full text gets its uncompiled edit back
// as the latest text, beside its last good version. A text that does not split into definitions, or names a type twice
// or one the palette holds, is FE_BADFILE and adds nothing. Read-only
// palettes are filled too: this is how a library is read.
HRESULT LoadDefinitionsText(CStorePalette& palette, std::string_view text);
