// Reads the body of a model, controller, stream type or structure type, and
// of a port type (declarations only):
//
//   statement   := declaration | equation | call | for | if | ";"
//   declaration := name { "," name } "as" [ "Input" | "Output" | "external" ] type
//                  [ "(" [ attribute { "," attribute } ] ")" ] ";"
//   attribute   := [ name ( ":" | "=" ) ] expression
//   equation    := [ name ":" ] expression "=" expression ";"
//   call        := "Call" "(" [ arguments ] ")" "=" procedure "(" [ arguments ] ")" ";"
//   for         := "For" name "In" expression "Do" { statement } "EndFor" [ ";" ]
//   if          := "If" expression "Then" { statement } [ "Else" { statement } ] "EndIf" [ ";" ]
//
// For and If blocks hold equations, calls and further blocks; declarations
// stand only at the top of the body.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "workbench/language/Definition.h"
#include "workbench/language/TokenCursor.h"

class CStatementParser {
 public:
  static constexpr int kMaxBlockDepth = 32;

  CStatementParser(CTokenCursor& cursor, Definition& definition) : m_cursor(cursor), m_definition(definition) {}

  // Reads statements up to the definition's End or the end of the text.
  void ParseBody();

 private:
  void ParseStatement(int depth);
  bool IsDeclarationStart() const;
  bool ParseDeclaration();
  bool ParseSpecStatement();
  bool ParseAttribute(std::vector<DeclarationAttribute>& attributes);
  bool ParseEquation(int depth);
  bool ParseCall(int depth);
  bool ParseArgumentList(std::vector<std::string>& arguments);
  bool ParseFor(int depth);
  bool ParseIf(int depth);
  // Statements until one of the words; false (reported) when the body ends first.
  bool ParseStatementsUntil(const std::vector<std::string_view>& words, int depth, std::string_view closing,
                            int blockLine);
  bool ParseExpression(bool allowEquals = false);
  void AddReference(const Token& name, ReferenceRole role);
  void AddFunctionReferences();

  CTokenCursor& m_cursor;
  Definition& m_definition;
  std::vector<std::string> m_loopIndices;
  std::vector<BlockFrame> m_blocks;  // the blocks being read, outermost first
};
