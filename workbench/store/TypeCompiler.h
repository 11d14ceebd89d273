// Making types from modelling-language text and compiling their texts, on the
// language library's checker: references are resolved against the palette
// that holds the type and the libraries it uses.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "host/ParseReport.h"
#include "host/com/ComPtr.h"
#include "workbench/language/TypeResolver.h"
#include "workbench/store/StoreKind.h"

class CStorePalette;
class CStoreType;

// What a name stands for, seen from palette.
TypeResolver PaletteResolver(const CStorePalette& palette);
// The bases of the types seen from palette, for the checker's test of circles of bases.
TypeBaseResolver PaletteBaseResolver(const CStorePalette& palette);

// Makes a type called name in palette from text. The type is made when the
// text begins with a definition of that name (of kind expected, when given);
// with other errors it is made and listed as failing. Not made (an error
// report and no type): an invalid or taken name, a read-only palette (unless
// ignoreReadOnly), a text that defines something else or nothing.
QVParseReport CreateTypeFromText(CStorePalette& palette, const std::string& name, const std::string& text,
                                 std::optional<StoreKind> expected, CComPtr<CStoreType>* created,
                                 bool ignoreReadOnly = false);

// Compiles text as type's new definition and records the outcome on the type.
QVParseReport CompileTypeText(CStoreType& type, const std::string& text);

// Checks a text as the type's definition without changing anything.
QVParseReport CheckTypeText(const CStoreType& type, std::string_view text);
