#include "workbench/language/StatementParser.h"

#include <unordered_set>

#include "workbench/language/BuiltinNames.h"
#include "workbench/language/ExpressionParser.h"
#include "workbench/language/TextCase.h"

void CStatementParser::ParseBody() {
  while (!m_cursor.AtBoundary() && !m_cursor.ReportFull()) ParseStatement(0);
  AddFunctionReferences();
}

bool CStatementParser::IsDeclarationStart() const {
  const Token& t = m_cursor.Peek();
  const Token& next = m_cursor.Peek(1);
  return t.Is(TokenKind::Identifier) && (next.IsWord("as") || next.IsSymbol(","));
}

void CStatementParser::ParseStatement(int depth) {
  const Token& t = m_cursor.Peek();
  const bool portBody = m_definition.kind == DefinitionKind::Port;
  if (m_cursor.AcceptSymbol(";")) return;
  bool ok = false;
  if (IsDeclarationStart()) {
    if (depth > 0) {
      m_cursor.ErrorAtCurrent("declarations cannot stand inside For or If blocks");
    } else {
      ok = ParseDeclaration();
    }
  } else if (portBody) {
    m_cursor.ErrorAtCurrent("a port type holds only declarations ('x as VariableType;') but found " +
                            DescribeToken(t));
  } else if (t.IsWord("Spec") && m_cursor.Peek(1).Is(TokenKind::Identifier) &&
             (m_cursor.Peek(2).IsSymbol(".") || m_cursor.Peek(2).IsSymbol("("))) {
    if (depth > 0) {
      m_cursor.ErrorAtCurrent("Spec statements cannot stand inside For or If blocks");
    } else {
      ok = ParseSpecStatement();
    }
  } else if (t.IsWord("Call") && m_cursor.Peek(1).IsSymbol("(")) {
    ok = ParseCall(depth);
  } else if (t.IsWord("For") && m_cursor.Peek(1).Is(TokenKind::Identifier) && m_cursor.Peek(2).IsWord("In")) {
    ok = ParseFor(depth);
  } else if (t.IsWord("If") && !m_cursor.Peek(1).IsSymbol(":") && !m_cursor.Peek(1).IsSymbol("=")) {
    ok = ParseIf(depth);
  } else if (t.Is(TokenKind::Identifier) || t.Is(TokenKind::Number) || t.IsSymbol("(") || t.IsSymbol("$") ||
             t.IsSymbol("-") || t.IsSymbol("+")) {
    ok = ParseEquation(depth);
  } else {
    m_cursor.ErrorAtCurrent("expected a declaration, an equation or a Call but found " + DescribeToken(t));
  }
  if (!ok) m_cursor.SkipStatement();
}

bool CStatementParser::ParseDeclaration() {
  std::vector<const Token*> names;
  do {
    if (!m_cursor.Peek().Is(TokenKind::Identifier)) {
      m_cursor.ErrorAtCurrent("expected a name to declare but found " + DescribeToken(m_cursor.Peek()));
      return false;
    }
    names.push_back(&m_cursor.Next());
  } while (m_cursor.AcceptSymbol(","));
  if (!m_cursor.AcceptWord("as")) {
    m_cursor.ErrorAtCurrent("expected 'as' after '" + std::string(names.back()->text) + "' but found " +
                            DescribeToken(m_cursor.Peek()));
    return false;
  }
  Declaration declaration;
  const Token& first = m_cursor.Peek();
  if (m_cursor.Peek(1).Is(TokenKind::Identifier)) {
    if (first.IsWord("Input")) declaration.mode = DeclarationMode::Input;
    if (first.IsWord("Output")) declaration.mode = DeclarationMode::Output;
    if (first.IsWord("external")) declaration.mode = DeclarationMode::External;
    if (first.IsWord("global")) declaration.mode = DeclarationMode::Global;
    if (declaration.mode != DeclarationMode::Plain) m_cursor.Next();
  }
  const Token& typeToken = m_cursor.Peek();
  if (!m_cursor.ExpectName("a type name after 'as'", declaration.typeName)) return false;
  if (m_cursor.AcceptSymbol("(") && !m_cursor.AcceptSymbol(")")) {
    do {
      if (!ParseAttribute(declaration.attributes)) return false;
    } while (m_cursor.AcceptSymbol(","));
    if (!m_cursor.ExpectSymbol(")", "to close the list of '" + std::string(names.front()->text) + "'"))
      return false;
  }
  if (!m_cursor.ExpectSymbol(";", "after the declaration of '" + std::string(names.back()->text) + "'"))
    return false;
  for (const Token* name : names) {
    declaration.name = std::string(name->text);
    declaration.line = name->line;
    m_definition.declarations.push_back(declaration);
    AddReference(typeToken, ReferenceRole::Declaration);
  }
  return true;
}

bool CStatementParser::ParseSpecStatement() {
  SpecStatement statement;
  statement.line = m_cursor.Next().line;  // "Spec"
  // The path is names joined by '.': the first names a member of this body.
  const Token& first = m_cursor.Peek();
  m_definition.nameUses.push_back(NameUse{std::string(first.text), first.line, first.offset, false});
  do {
    std::string name;
    if (!m_cursor.ExpectName("a variable path after Spec", name)) return false;
    if (!statement.path.empty()) statement.path += '.';
    statement.path += name;
  } while (m_cursor.AcceptSymbol("."));
  if (!m_cursor.ExpectSymbol("(", "after the variable of Spec")) return false;
  if (!m_cursor.AcceptSymbol(")")) {
    do {
      if (!ParseAttribute(statement.attributes)) return false;
    } while (m_cursor.AcceptSymbol(","));
    if (!m_cursor.ExpectSymbol(")", "to close the list of Spec " + statement.path)) return false;
  }
  if (!m_cursor.ExpectSymbol(";", "after Spec " + statement.path)) return false;
  m_definition.specStatements.push_back(std::move(statement));
  return true;
}

bool CStatementParser::ParseAttribute(std::vector<DeclarationAttribute>& attributes) {
  DeclarationAttribute attribute;
  attribute.line = m_cursor.Peek().line;
  const Token& next = m_cursor.Peek(1);
  if (m_cursor.Peek().Is(TokenKind::Identifier) && (next.IsSymbol(":") || next.IsSymbol("="))) {
    attribute.name = std::string(m_cursor.Next().text);
    attribute.connection = m_cursor.Next().IsSymbol("=");
  }
  const Token& valueStart = m_cursor.Peek();
  if (!ParseExpression()) return false;
  attribute.value = m_cursor.TextSince(valueStart.offset);
  if (valueStart.Is(TokenKind::String) && &m_cursor.Previous() == &valueStart)
    attribute.stringValue = StringTokenValue(valueStart);
  attributes.push_back(std::move(attribute));
  return true;
}

bool CStatementParser::ParseEquation(int depth) {
  Equation equation;
  equation.line = m_cursor.Peek().line;
  equation.inBlock = depth > 0;
  equation.blocks = m_blocks;
  if (m_cursor.Peek().Is(TokenKind::Identifier) && m_cursor.Peek(1).IsSymbol(":")) {
    equation.name = std::string(m_cursor.Next().text);
    m_cursor.Next();
  }
  const std::size_t start = m_cursor.Peek().offset;
  if (!ParseExpression()) return false;
  if (!m_cursor.ExpectSymbol("=", "in the equation")) return false;
  if (!ParseExpression()) return false;
  equation.text = m_cursor.TextSince(start);
  if (!m_cursor.ExpectSymbol(";", "after the equation")) return false;
  m_definition.equations.push_back(std::move(equation));
  return true;
}

bool CStatementParser::ParseCall(int depth) {
  ProcedureCall call;
  call.line = m_cursor.Next().line;  // "Call"
  call.inBlock = depth > 0;
  m_cursor.Next();  // "("
  if (!ParseArgumentList(call.outputs)) return false;
  if (!m_cursor.ExpectSymbol("=", "after the outputs of Call")) return false;
  const Token& procedure = m_cursor.Peek();
  if (!m_cursor.ExpectName("the name of a procedure", call.procedure)) return false;
  if (!m_cursor.ExpectSymbol("(", "after the procedure name")) return false;
  if (!ParseArgumentList(call.inputs)) return false;
  if (!m_cursor.ExpectSymbol(";", "after the Call")) return false;
  AddReference(procedure, ReferenceRole::Procedure);
  m_definition.calls.push_back(std::move(call));
  return true;
}

// Arguments up to and including the closing ')'; the '(' is already taken.
bool CStatementParser::ParseArgumentList(std::vector<std::string>& arguments) {
  if (m_cursor.AcceptSymbol(")")) return true;
  do {
    const std::size_t start = m_cursor.Peek().offset;
    if (!ParseExpression()) return false;
    arguments.push_back(m_cursor.TextSince(start));
  } while (m_cursor.AcceptSymbol(","));
  return m_cursor.ExpectSymbol(")", "to close the argument list");
}

bool CStatementParser::ParseFor(int depth) {
  const Token& start = m_cursor.Next();  // "For"
  if (depth >= kMaxBlockDepth) {
    m_cursor.Error(start.line, "For and If blocks are nested too deeply");
    return false;
  }
  const std::string index(m_cursor.Next().text);
  m_cursor.Next();  // "In"
  const std::size_t range = m_cursor.Peek().offset;
  if (!ParseExpression()) return false;
  BlockFrame frame{BlockFrame::Kind::For, index, m_cursor.TextSince(range), start.line};
  if (!m_cursor.AcceptWord("Do")) {
    m_cursor.ErrorAtCurrent("expected 'Do' after the range of the For block but found " +
                            DescribeToken(m_cursor.Peek()));
    return false;
  }
  m_loopIndices.push_back(index);
  m_blocks.push_back(std::move(frame));
  const bool closed = ParseStatementsUntil({"EndFor"}, depth, "EndFor", start.line);
  m_blocks.pop_back();
  m_loopIndices.pop_back();
  if (!closed) return true;  // reported; the body's End is still ahead
  m_cursor.Next();           // "EndFor"
  m_cursor.AcceptSymbol(";");
  if (depth == 0) m_definition.blocks.push_back(StatementBlock{m_cursor.TextSince(start.offset), start.line});
  return true;
}

bool CStatementParser::ParseIf(int depth) {
  const Token& start = m_cursor.Next();  // "If"
  if (depth >= kMaxBlockDepth) {
    m_cursor.Error(start.line, "For and If blocks are nested too deeply");
    return false;
  }
  const std::size_t condition = m_cursor.Peek().offset;
  if (!ParseExpression(true)) return false;
  BlockFrame frame{BlockFrame::Kind::Then, {}, m_cursor.TextSince(condition), start.line};
  if (!m_cursor.AcceptWord("Then")) {
    m_cursor.ErrorAtCurrent("expected 'Then' after the condition of the If block but found " +
                            DescribeToken(m_cursor.Peek()));
    return false;
  }
  // The frame is taken off on every way out: an unclosed block is reported and reading goes on.
  m_blocks.push_back(std::move(frame));
  bool closed = ParseStatementsUntil({"Else", "EndIf"}, depth, "EndIf", start.line);
  if (closed && m_cursor.AcceptWord("Else")) {
    m_blocks.back().kind = BlockFrame::Kind::Else;
    closed = ParseStatementsUntil({"EndIf"}, depth, "EndIf", start.line);
  }
  m_blocks.pop_back();
  if (!closed) return true;
  m_cursor.Next();  // "EndIf"
  m_cursor.AcceptSymbol(";");
  if (depth == 0) m_definition.blocks.push_back(StatementBlock{m_cursor.TextSince(start.offset), start.line});
  return true;
}

bool CStatementParser::ParseStatementsUntil(const std::vector<std::string_view>& words, int depth,
                                            std::string_view closing, int blockLine) {
  while (!m_cursor.ReportFull()) {
    for (std::string_view word : words)
      if (m_cursor.Peek().IsWord(word) && !m_cursor.AtDefinitionEnd()) return true;
    if (m_cursor.AtBoundary()) break;
    ParseStatement(depth + 1);
  }
  m_cursor.ErrorAtCurrent(
      Concat({"'", closing, "' is missing for the block that starts at line ", std::to_string(blockLine)}));
  return false;
}

bool CStatementParser::ParseExpression(bool allowEquals) {
  return CExpressionParser(m_cursor, m_definition.nameUses, m_loopIndices).Parse(allowEquals);
}

void CStatementParser::AddReference(const Token& name, ReferenceRole role) {
  m_definition.references.push_back(TypeReference{std::string(name.text), role, name.line, name.offset});
}

// Something called inside an expression that is neither declared here nor
// built in can only be a function type.
void CStatementParser::AddFunctionReferences() {
  std::unordered_set<std::string> declared;
  for (const Declaration& d : m_definition.declarations) declared.insert(LowerAscii(d.name));
  for (const NameUse& use : m_definition.nameUses) {
    if (!use.called || IsBuiltinFunction(use.name) || declared.count(LowerAscii(use.name))) continue;
    m_definition.references.push_back(TypeReference{use.name, ReferenceRole::Function, use.line, use.offset});
  }
}
