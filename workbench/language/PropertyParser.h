// Reads the body of a variable or parameter type, procedure or function:
//
//   property := name ":" value ";"
//             | "Valid" "as" "StringSet" "(" "[" [ string { "," string } ] "]" ")" ";"
//   value    := any tokens up to the ';'
//
// The value's form is checked later against what the property needs.
#pragma once

#include "workbench/language/Definition.h"
#include "workbench/language/TokenCursor.h"

class CPropertyParser {
 public:
  CPropertyParser(CTokenCursor& cursor, Definition& definition) : m_cursor(cursor), m_definition(definition) {}

  // Reads properties up to the definition's End or the end of the text.
  void ParseBody();

 private:
  bool ParseProperty();
  bool ParseValidSet(Property& property);
  // Whether the current token begins the next "name:" on a new line (a ';' was left out).
  bool AtNextPropertyLine() const;

  CTokenCursor& m_cursor;
  Definition& m_definition;
};
