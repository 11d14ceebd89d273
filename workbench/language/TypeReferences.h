// The types a definition refers to: for the store's in-use test, and for
// following a type's new name into the definitions that use it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "workbench/language/Definition.h"

// Each referenced type name once (as first written), in order of first use.
std::vector<std::string> ReferencedTypeNames(const Definition& definition);

// Whether the definition refers to a type of this name (any case).
bool ReferencesType(const Definition& definition, std::string_view typeName);

struct ReferenceRename {
  std::string text;   // the renamed text (the text unchanged when nothing was renamed)
  int replaced = 0;   // how many references were renamed
  bool complete = false;  // the text read without errors of form, so no reference can have been missed
};

// Renames every reference to oldName (any case) in a definition's text:
// base types, declared types, procedures called, functions used in
// equations, and types named by Inputs, Outputs and Output. The definition's
// own header name, names of declarations and anything in comments or strings
// are left alone. Whether an incomplete rename is acceptable is the caller's
// decision.
ReferenceRename RenameTypeReferences(std::string_view text, std::string_view oldName, std::string_view newName);
