// The clipboard formats in which a type's texts are read and written through
// its data object.
#pragma once

#include <string_view>

// The latest text of a definition; an icon's picture; a form's definition.
inline constexpr std::string_view kModellingLanguageFormat = "MORROW Modelling Language";
// The last good text with the uncompiled latest one embedded (TypeTexts.h).
inline constexpr std::string_view kFullModellingLanguageFormat =
    "Full MORROW Modelling Language (last good version with embedded uncompiled latest version)";
// The plain text of a script.
inline constexpr std::string_view kPlainTextFormat = "Non-embedded Text";
// The text of the simulation's flowsheet (asked of the simulation or of a flowsheet type).
inline constexpr std::string_view kFlowsheetFormat = "MORROW Modelling Language for flowsheet constraints edits";
