// Edits of a flowsheet's text that keep everything else the user wrote as
// it stands (comments, layout, other statements): renaming a unit, taking a
// unit out, the statements that make a unit (for copying), and adding
// statements before the closing End.
#pragma once

#include <string>
#include <string_view>

// Every use of the unit's name as a unit (its declaration, connections, Specs
// and equations that name it first in a path) follows the new name. Type
// names and names after a '.' stay.
std::string RenameUnitInText(std::string_view text, std::string_view oldName, std::string_view newName);
// Takes out the unit's declaration, the Specs and equations that name it, and
// the stream connections to it.
std::string RemoveUnitFromText(std::string_view text, std::string_view name);
// The unit's declaration and Specs, one statement a line; empty when the text does not declare it.
std::string UnitStatements(std::string_view text, std::string_view name);
// The unit's declaration names newType as its type.
std::string SetUnitTypeInText(std::string_view text, std::string_view name, std::string_view newType);
// A definition's text with its body (the lines between the header line and
// the closing End) replaced by the body of another definition's text.
std::string ReplaceBody(std::string_view text, std::string_view bodyFrom);
// statements inserted before the text's closing End, each line indented by two blanks.
std::string InsertBeforeEnd(std::string_view text, std::string_view statements);
