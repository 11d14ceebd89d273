#include "workbench/solver/Expression.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "workbench/language/BoundedReport.h"
#include "workbench/language/Lexer.h"
#include "workbench/language/TextCase.h"
#include "workbench/simulation/LargeArrays.h"

namespace {

constexpr int kMaxExpressionDepth = 200;

struct FunctionName {
  const char* name;
  ExprFunction function;
  int arguments;
};

constexpr FunctionName kFunctionNames[] = {
    {"sqrt", ExprFunction::Sqrt, 1}, {"exp", ExprFunction::Exp, 1},     {"ln", ExprFunction::Ln, 1},
    {"log", ExprFunction::Ln, 1},    {"log10", ExprFunction::Log10, 1}, {"abs", ExprFunction::Abs, 1},
    {"sign", ExprFunction::Sign, 1}, {"sin", ExprFunction::Sin, 1},     {"cos", ExprFunction::Cos, 1},
    {"tan", ExprFunction::Tan, 1},   {"min", ExprFunction::Min, 2},     {"max", ExprFunction::Max, 2},
};

const FunctionName* FindFunction(std::string_view name) {
  for (const FunctionName& f : kFunctionNames)
    if (EqualsNoCase(name, f.name)) return &f;
  return nullptr;
}

const char* FunctionText(ExprFunction function) {
  for (const FunctionName& f : kFunctionNames)
    if (f.function == function) return f.name;
  return "?";
}

// Recursive descent over the language's tokens, appending nodes in post-order.
class CEquationParser {
 public:
  // Appends the equation's nodes and terms to nodes and terms (indices counted from where they start).
  CEquationParser(std::vector<Token> tokens, const NameResolver& resolve, std::vector<ExprNode>& nodes,
                  std::vector<int>& terms)
      : m_tokens(std::move(tokens)),
        m_resolve(resolve),
        m_nodes(nodes),
        m_terms(terms),
        m_firstNode(nodes.size()),
        m_firstTerm(terms.size()) {}

  bool Equation(std::string& problem) {
    int lhs = Sum();
    if (lhs >= 0 && !At().IsSymbol("=")) Fail("expected '=' but found " + DescribeToken(At()));
    if (m_problem.empty()) ++m_at;
    int rhs = m_problem.empty() ? Sum() : -1;
    if (m_problem.empty() && !At().Is(TokenKind::EndOfText)) Fail("unexpected " + DescribeToken(At()));
    if (!m_problem.empty()) {
      problem = m_problem;
      return false;
    }
    Binary(ExprOp::Sub, lhs, rhs);
    return true;
  }

 private:
  const Token& At() const { return m_tokens[std::min(m_at, m_tokens.size() - 1)]; }
  void Fail(std::string why) {
    if (m_problem.empty()) m_problem = std::move(why);
  }
  int Push(ExprNode node) {
    m_nodes.push_back(node);
    return static_cast<int>(m_nodes.size() - m_firstNode) - 1;
  }
  int Binary(ExprOp op, int left, int right, ExprFunction function = ExprFunction::None) {
    ExprNode node;
    node.op = op;
    node.function = function;
    node.left = left;
    node.right = right;
    return Push(node);
  }

  // One level deeper into the text: rule, unless that is too deep.
  int Nested(int (CEquationParser::*rule)()) {
    if (m_depth >= kMaxExpressionDepth) {
      Fail("the expression is nested too deeply");
      return -1;
    }
    ++m_depth;
    const int node = (this->*rule)();
    --m_depth;
    return node;
  }

  // operand { (plus | minus) operand }, left to right.
  int Chain(int (CEquationParser::*operand)(), const char* plus, ExprOp plusOp, const char* minus, ExprOp minusOp) {
    int left = (this->*operand)();
    while (left >= 0 && (At().IsSymbol(plus) || At().IsSymbol(minus))) {
      const ExprOp op = At().IsSymbol(plus) ? plusOp : minusOp;
      ++m_at;
      const int right = (this->*operand)();
      left = right < 0 ? -1 : Binary(op, left, right);
    }
    return left;
  }

  int Sum() { return Nested(&CEquationParser::Terms); }
  int Terms() { return Chain(&CEquationParser::Product, "+", ExprOp::Add, "-", ExprOp::Sub); }
  int Product() { return Chain(&CEquationParser::Unary, "*", ExprOp::Mul, "/", ExprOp::Div); }

  int Unary() {
    if (At().IsSymbol("+") || At().IsSymbol("-")) {
      const bool negative = At().IsSymbol("-");
      ++m_at;
      const int operand = Nested(&CEquationParser::Unary);
      return operand < 0 || !negative ? operand : Binary(ExprOp::Neg, operand, -1);
    }
    const int base = Primary();
    if (base < 0 || !At().IsSymbol("^")) return base;
    ++m_at;
    const int exponent = Nested(&CEquationParser::Unary);
    return exponent < 0 ? -1 : Binary(ExprOp::Pow, base, exponent);
  }

  int Primary() {
    const Token& t = At();
    if (t.Is(TokenKind::Number)) {
      ++m_at;
      ExprNode node;
      node.number = std::strtod(std::string(t.text).c_str(), nullptr);
      return Push(node);
    }
    if (t.IsSymbol("(")) {
      ++m_at;
      const int inner = Sum();
      if (inner < 0) return -1;
      if (!At().IsSymbol(")")) {
        Fail("expected ')' but found " + DescribeToken(At()));
        return -1;
      }
      ++m_at;
      return inner;
    }
    const bool derivative = t.IsSymbol("$");
    if (derivative) ++m_at;
    if (!At().Is(TokenKind::Identifier)) {
      Fail("expected a number or a name but found " + DescribeToken(At()));
      return -1;
    }
    std::string name(At().text);
    ++m_at;
    while (At().IsSymbol(".") && m_tokens[std::min(m_at + 1, m_tokens.size() - 1)].Is(TokenKind::Identifier)) {
      name += '.';
      name += m_tokens[m_at + 1].text;
      m_at += 2;
    }
    if (!derivative && At().IsSymbol("(")) return Call(name);
    const int variable = m_resolve(name);
    if (variable < 0) {
      Fail("'" + name + "' is not a variable here");
      return -1;
    }
    const int key = TermKey(variable, derivative);
    const auto first = m_terms.begin() + static_cast<std::ptrdiff_t>(m_firstTerm);
    auto found = std::find(first, m_terms.end(), key);
    ExprNode node;
    node.op = ExprOp::Term;
    node.term = static_cast<std::int32_t>(found - first);
    if (found == m_terms.end()) m_terms.push_back(key);
    return Push(node);
  }

  int Call(const std::string& name) {
    const FunctionName* function = FindFunction(name);
    if (!function) {
      Fail("procedure not available: '" + name + "' cannot be evaluated by this solver");
      return -1;
    }
    ++m_at;  // "("
    std::vector<int> arguments;
    while (m_problem.empty()) {
      const int argument = Sum();
      if (argument < 0) return -1;
      arguments.push_back(argument);
      if (At().IsSymbol(",")) {
        ++m_at;
        continue;
      }
      if (!At().IsSymbol(")")) {
        Fail("expected ')' but found " + DescribeToken(At()));
        return -1;
      }
      ++m_at;
      break;
    }
    if (static_cast<int>(arguments.size()) != function->arguments) {
      Fail("'" + name + "' takes " + std::to_string(function->arguments) + " argument" +
           (function->arguments == 1 ? "" : "s"));
      return -1;
    }
    return Binary(ExprOp::Call, arguments[0], arguments.size() > 1 ? arguments[1] : -1, function->function);
  }

  std::vector<Token> m_tokens;
  std::size_t m_at = 0;
  const NameResolver& m_resolve;
  std::vector<ExprNode>& m_nodes;
  std::vector<int>& m_terms;
  const std::size_t m_firstNode, m_firstTerm;
  std::string m_problem;
  int m_depth = 0;
};

double Apply(ExprFunction function, double a, double b) {
  switch (function) {
    case ExprFunction::Sqrt: return std::sqrt(a);
    case ExprFunction::Exp: return std::exp(a);
    case ExprFunction::Ln: return std::log(a);
    case ExprFunction::Log10: return std::log10(a);
    case ExprFunction::Abs: return std::fabs(a);
    case ExprFunction::Sign: return a > 0 ? 1.0 : a < 0 ? -1.0 : 0.0;
    case ExprFunction::Sin: return std::sin(a);
    case ExprFunction::Cos: return std::cos(a);
    case ExprFunction::Tan: return std::tan(a);
    case ExprFunction::Min: return std::min(a, b);
    case ExprFunction::Max: return std::max(a, b);
    case ExprFunction::None: break;
  }
  return 0.0;
}

// d f(a, b) / da and d f / db at (a, b) with f(a, b) = value.
void Slopes(ExprFunction function, double a, double b, double value, double& da, double& db) {
  db = 0.0;
  switch (function) {
    case ExprFunction::Sqrt: da = 0.5 / value; break;
    case ExprFunction::Exp: da = value; break;
    case ExprFunction::Ln: da = 1.0 / a; break;
    case ExprFunction::Log10: da = 1.0 / (a * std::log(10.0)); break;
    case ExprFunction::Abs: da = a > 0 ? 1.0 : a < 0 ? -1.0 : 0.0; break;
    case ExprFunction::Sign: da = 0.0; break;
    case ExprFunction::Sin: da = std::cos(a); break;
    case ExprFunction::Cos: da = -std::sin(a); break;
    case ExprFunction::Tan: da = 1.0 + value * value; break;
    case ExprFunction::Min: da = a <= b ? 1.0 : 0.0; db = 1.0 - da; break;
    case ExprFunction::Max: da = a >= b ? 1.0 : 0.0; db = 1.0 - da; break;
    case ExprFunction::None: da = 0.0; break;
  }
}

int Precedence(ExprOp op) {
  switch (op) {
    case ExprOp::Add:
    case ExprOp::Sub: return 1;
    case ExprOp::Mul:
    case ExprOp::Div: return 2;
    case ExprOp::Neg: return 3;
    case ExprOp::Pow: return 4;
    default: return 5;
  }
}

}  // namespace

std::string NumberText(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.10g", value);
  return text;
}

void CCompiledEquations::Reserve(std::size_t equations) {
  ReserveLarge(m_nodeFirst, equations);
  ReserveLarge(m_nodeCount, equations);
  ReserveLarge(m_termStart, equations + 1);
  ReserveLarge(m_terms, equations * 3);  // three variables an equation on the whole; more grows it once
}

bool CCompiledEquations::Add(std::string_view text, const NameResolver& resolve, std::string& problem) {
  CBoundedReport discard = CBoundedReport::Discarding();
  const std::size_t nodesBefore = m_nodes.size(), termsBefore = m_terms.size();
  CEquationParser parser(Tokenize(text, discard), resolve, m_nodes, m_terms);
  if (!parser.Equation(problem)) {
    m_nodes.resize(nodesBefore);
    m_terms.resize(termsBefore);
    return false;
  }
  m_nodeFirst.push_back(static_cast<int>(nodesBefore));
  m_nodeCount.push_back(static_cast<int>(m_nodes.size() - nodesBefore));
  m_termStart.push_back(static_cast<int>(m_terms.size()));
  m_maxNodes = std::max(m_maxNodes, static_cast<int>(m_nodes.size() - nodesBefore));
  m_maxTerms = std::max(m_maxTerms, static_cast<int>(m_terms.size() - termsBefore));
  return true;
}

bool CompileEquationForm(std::string_view text, EquationForm& form, std::string& problem) {
  form = EquationForm{};
  // Each distinct name stands for a variable of its own; a term is a name and whether it is a derivative.
  const NameResolver placeholder = [&form](std::string_view name) {
    const auto found = std::find(form.names.begin(), form.names.end(), name);
    if (found != form.names.end()) return static_cast<int>(found - form.names.begin());
    form.names.emplace_back(name);
    return static_cast<int>(form.names.size()) - 1;
  };
  CBoundedReport discard = CBoundedReport::Discarding();
  CEquationParser parser(Tokenize(text, discard), placeholder, form.nodes, form.uses);
  return parser.Equation(problem);
}

void CCompiledEquations::AddBound(const EquationForm& form, const int* variables, int& shared) {
  // Two names may stand for one variable: the equation's terms are the distinct keys, in order of first use.
  const std::size_t termsBefore = m_terms.size();
  m_useTerm.resize(form.uses.size());
  bool own = true;  // every use a term of its own: the form's nodes as they are
  for (std::size_t u = 0; u < form.uses.size(); ++u) {
    const int use = form.uses[u];
    const int key = TermKey(variables[TermVariable(use)], TermIsDerivative(use));
    const auto first = m_terms.begin() + static_cast<std::ptrdiff_t>(termsBefore);
    const auto found = std::find(first, m_terms.end(), key);
    m_useTerm[u] = static_cast<int>(found - first);
    own = own && m_useTerm[u] == static_cast<int>(u);
    if (found == m_terms.end()) m_terms.push_back(key);
  }
  int nodes = own ? shared : -1;
  if (nodes < 0) {
    nodes = static_cast<int>(m_nodes.size());
    for (ExprNode node : form.nodes) {
      if (node.op == ExprOp::Term) node.term = m_useTerm[static_cast<std::size_t>(node.term)];
      m_nodes.push_back(node);
    }
    if (own) shared = nodes;
  }
  m_nodeFirst.push_back(nodes);
  m_nodeCount.push_back(static_cast<int>(form.nodes.size()));
  m_termStart.push_back(static_cast<int>(m_terms.size()));
  m_maxNodes = std::max(m_maxNodes, static_cast<int>(form.nodes.size()));
  m_maxTerms = std::max(m_maxTerms, static_cast<int>(m_terms.size() - termsBefore));
}

int CCompiledEquations::NumberCount(int equation) const {
  const ExprNode* nodes = Nodes(equation);
  return static_cast<int>(std::count_if(nodes, nodes + NodeCount(equation),
                                        [](const ExprNode& n) { return n.op == ExprOp::Number; }));
}

bool CCompiledEquations::IsPlainEquality(int equation, int& leftTerm, int& rightTerm) const {
  if (NodeCount(equation) != 3) return false;
  const ExprNode* nodes = Nodes(equation);
  if (nodes[0].op != ExprOp::Term || nodes[1].op != ExprOp::Term || nodes[2].op != ExprOp::Sub) return false;
  leftTerm = nodes[0].term;
  rightTerm = nodes[1].term;
  const int* terms = Terms(equation);
  return leftTerm != rightTerm && !TermIsDerivative(terms[leftTerm]) && !TermIsDerivative(terms[rightTerm]);
}

bool CCompiledEquations::Evaluate(int equation, const double* values, const double* derivatives, double* scratch,
                                  double* residual, double* gradient) const {
  const ExprNode* nodes = Nodes(equation);
  const int count = NodeCount(equation);
  const int* terms = Terms(equation);
  double* v = scratch;
  for (int i = 0; i < count; ++i) {
    const ExprNode& n = nodes[i];
    switch (n.op) {
      case ExprOp::Number: v[i] = n.number; break;
      case ExprOp::Term: {
        const int key = terms[n.term];
        v[i] = TermIsDerivative(key) ? derivatives[TermVariable(key)] : values[TermVariable(key)];
        break;
      }
      case ExprOp::Add: v[i] = v[n.left] + v[n.right]; break;
      case ExprOp::Sub: v[i] = v[n.left] - v[n.right]; break;
      case ExprOp::Mul: v[i] = v[n.left] * v[n.right]; break;
      case ExprOp::Div: v[i] = v[n.left] / v[n.right]; break;
      case ExprOp::Pow: v[i] = std::pow(v[n.left], v[n.right]); break;
      case ExprOp::Neg: v[i] = -v[n.left]; break;
      case ExprOp::Call: v[i] = Apply(n.function, v[n.left], n.right >= 0 ? v[n.right] : 0.0); break;
    }
  }
  *residual = v[count - 1];
  if (!std::isfinite(*residual)) return false;
  if (!gradient) return true;
  std::fill(gradient, gradient + TermCount(equation), 0.0);
  double* adjoint = scratch + count;
  std::fill(adjoint, adjoint + count, 0.0);
  adjoint[count - 1] = 1.0;
  for (int i = count - 1; i >= 0; --i) {
    const ExprNode& n = nodes[i];
    const double a = adjoint[i];
    if (a == 0.0) continue;
    switch (n.op) {
      case ExprOp::Number: break;
      case ExprOp::Term: gradient[n.term] += a; break;
      case ExprOp::Add: adjoint[n.left] += a; adjoint[n.right] += a; break;
      case ExprOp::Sub: adjoint[n.left] += a; adjoint[n.right] -= a; break;
      case ExprOp::Mul: adjoint[n.left] += a * v[n.right]; adjoint[n.right] += a * v[n.left]; break;
      case ExprOp::Div:
        adjoint[n.left] += a / v[n.right];
        adjoint[n.right] -= a * v[i] / v[n.right];
        break;
      case ExprOp::Pow: {
        const double base = v[n.left], exponent = v[n.right];
        adjoint[n.left] += a * (exponent == 0.0 ? 0.0 : exponent * std::pow(base, exponent - 1.0));
        // A constant exponent needs no logarithm (and a negative base allows none).
        if (nodes[n.right].op != ExprOp::Number) adjoint[n.right] += a * v[i] * std::log(base);
        break;
      }
      case ExprOp::Neg: adjoint[n.left] -= a; break;
      case ExprOp::Call: {
        double da = 0.0, db = 0.0;
        Slopes(n.function, v[n.left], n.right >= 0 ? v[n.right] : 0.0, v[i], da, db);
        adjoint[n.left] += a * da;
        if (n.right >= 0) adjoint[n.right] += a * db;
        break;
      }
    }
  }
  for (int k = 0; k < TermCount(equation); ++k)
    if (!std::isfinite(gradient[k])) return false;
  return true;
}

int CCompiledEquations::Linearity(int equation, const std::uint8_t* unknown, std::uint8_t* scratch) const {
  const ExprNode* nodes = Nodes(equation);
  const int count = NodeCount(equation);
  std::uint8_t* d = scratch;
  for (int i = 0; i < count; ++i) {
    const ExprNode& n = nodes[i];
    const std::uint8_t l = n.left >= 0 ? d[n.left] : 0, r = n.right >= 0 ? d[n.right] : 0;
    switch (n.op) {
      case ExprOp::Number: d[i] = 0; break;
      case ExprOp::Term: d[i] = unknown[n.term] ? 1 : 0; break;
      case ExprOp::Add:
      case ExprOp::Sub: d[i] = std::max(l, r); break;
      case ExprOp::Neg: d[i] = l; break;
      case ExprOp::Mul: d[i] = l && r ? 2 : std::max(l, r); break;
      case ExprOp::Div: d[i] = r ? 2 : l; break;
      case ExprOp::Pow:
      case ExprOp::Call: d[i] = l || r ? 2 : 0; break;
    }
  }
  return d[count - 1];
}

std::string CCompiledEquations::WithValues(int equation, const double* values, const double* derivatives) const {
  const ExprNode* nodes = Nodes(equation);
  const int count = NodeCount(equation);
  const int* terms = Terms(equation);
  std::vector<std::string> text(static_cast<std::size_t>(count));
  auto operand = [&](int child, int parentPrecedence, bool rightSide) {
    const int p = Precedence(nodes[child].op);
    const bool wrap = p < parentPrecedence || (rightSide && p == parentPrecedence && p < 4);
    return wrap ? "(" + text[static_cast<std::size_t>(child)] + ")" : text[static_cast<std::size_t>(child)];
  };
  for (int i = 0; i < count; ++i) {
    const ExprNode& n = nodes[i];
    std::string& t = text[static_cast<std::size_t>(i)];
    const int p = Precedence(n.op);
    switch (n.op) {
      case ExprOp::Number: t = NumberText(n.number); break;
      case ExprOp::Term: {
        const int key = terms[n.term];
        const double value = TermIsDerivative(key) ? derivatives[TermVariable(key)] : values[TermVariable(key)];
        t = value < 0 ? "(" + NumberText(value) + ")" : NumberText(value);
        break;
      }
      case ExprOp::Add: t = operand(n.left, p, false) + " + " + operand(n.right, p, true); break;
      case ExprOp::Sub:
        t = i == count - 1 ? text[static_cast<std::size_t>(n.left)] + " = " + text[static_cast<std::size_t>(n.right)]
                           : operand(n.left, p, false) + " - " + operand(n.right, p, true);
        break;
      case ExprOp::Mul: t = operand(n.left, p, false) + " * " + operand(n.right, p, true); break;
      case ExprOp::Div: t = operand(n.left, p, false) + " / " + operand(n.right, p, true); break;
      case ExprOp::Pow: t = operand(n.left, p + 1, false) + "^" + operand(n.right, p, false); break;
      case ExprOp::Neg: t = "-" + operand(n.left, p, false); break;
      case ExprOp::Call:
        t = std::string(FunctionText(n.function)) + "(" + text[static_cast<std::size_t>(n.left)] +
            (n.right >= 0 ? ", " + text[static_cast<std::size_t>(n.right)] : std::string()) + ")";
        break;
    }
  }
  return text[static_cast<std::size_t>(count - 1)];
}

std::size_t CCompiledEquations::Bytes() const {
  return m_nodes.capacity() * sizeof(ExprNode) +
         (m_nodeFirst.capacity() + m_nodeCount.capacity() + m_terms.capacity() + m_termStart.capacity()) * sizeof(int);
}
