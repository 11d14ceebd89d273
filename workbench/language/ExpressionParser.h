// Reads one expression and notes the names it uses. Expressions are checked
// for form only; nothing is evaluated. Nesting is bounded, so no text can
// exhaust the stack.
//
//   expression := or
//   or         := and { "or" and }
//   and        := not { "and" not }
//   not        := "not" not | compare
//   compare    := sum [ ("<" | ">" | "<=" | ">=" | "<>" | "==") sum ]   ("=" too in conditions)
//   sum        := product { ("+" | "-") product }
//   product    := unary { ("*" | "/") unary }
//   unary      := ("+" | "-") unary | power
//   power      := primary [ "^" unary ]
//   primary    := number | string | "$" primary | "(" expression ")"
//               | "[" [ item { "," item } ] "]"          item := expression [ ":" expression ]
//               | name { "." name | "(" [ expression { "," expression } ] ")" }
#pragma once

#include <string>
#include <vector>

#include "workbench/language/Definition.h"
#include "workbench/language/TokenCursor.h"

class CExpressionParser {
 public:
  static constexpr int kMaxDepth = 200;

  // Names used are appended to uses, except those in localNames (loop indices).
  CExpressionParser(CTokenCursor& cursor, std::vector<NameUse>& uses, const std::vector<std::string>& localNames)
      : m_cursor(cursor), m_uses(uses), m_localNames(localNames) {}

  // Reads one expression; false after reporting what is wrong. With
  // allowEquals a single "=" compares (If conditions).
  bool Parse(bool allowEquals = false);

 private:
  bool ParseOr();
  bool ParseAnd();
  bool ParseNot();
  bool ParseCompare();
  bool ParseSum();
  bool ParseProduct();
  bool ParseUnary();
  bool ParsePower();
  bool ParsePrimary();
  bool ParseList();
  bool ParseNamePath();
  bool ParseArguments();
  bool Enter();  // counts one level of nesting; false (reported) when too deep
  bool IsOperand() const;

  CTokenCursor& m_cursor;
  std::vector<NameUse>& m_uses;
  const std::vector<std::string>& m_localNames;
  bool m_allowEquals = false;
  int m_depth = 0;
};
