// Names of the forms every owner has: the system forms, which can be neither
// removed nor renamed, and the model help form.
#pragma once

#include <string_view>

inline constexpr std::string_view kAllVariablesForm = "AllVariables";
inline constexpr std::string_view kAllGlobalsForm = "AllGlobals";
inline constexpr std::string_view kLocalVariablesForm = "LocalVariables";
inline constexpr std::string_view kModelHelpForm = "$Model_Help$";

// "AllVariables", "AllGlobals" or "LocalVariables", exactly.
inline bool IsSystemFormName(std::string_view name) {
  return name == kAllVariablesForm || name == kAllGlobalsForm || name == kLocalVariablesForm;
}
