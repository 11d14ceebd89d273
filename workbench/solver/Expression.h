// Equations compiled from their text into compact expression trees: one flat
// pool of nodes, children before their parent (equations of one model's text
// share theirs, their terms being their own), so that an
// equation is evaluated in one forward pass and differentiated exactly in one
// backward pass (reverse-mode automatic differentiation). Variables are read
// through terms: a flowsheet variable's value or its time derivative ($x).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

enum class ExprOp : std::uint8_t { Number, Term, Add, Sub, Mul, Div, Pow, Neg, Call };

enum class ExprFunction : std::uint8_t { None, Sqrt, Exp, Ln, Log10, Abs, Sign, Sin, Cos, Tan, Min, Max };

struct ExprNode {
  ExprOp op = ExprOp::Number;
  ExprFunction function = ExprFunction::None;
  std::int32_t left = -1;   // node index within the equation
  std::int32_t right = -1;  // second operand; -1 for one
  union {
    double number;
    std::int32_t term;  // index into the equation's terms
  };
  ExprNode() : number(0.0) {}
};

// A term as a key: variable * 2, plus 1 for its time derivative.
inline int TermKey(int variable, bool derivative) { return variable * 2 + (derivative ? 1 : 0); }
inline int TermVariable(int key) { return key / 2; }
inline bool TermIsDerivative(int key) { return (key & 1) != 0; }

// The variable a dotted name stands for in an equation's scope; -1 when none.
using NameResolver = std::function<int(std::string_view name)>;

// An equation's text compiled once with its names left open. Bound to the
// variables of a unit whose model writes the text, it is that unit's
// equation, without the text being read again.
struct EquationForm {
  std::vector<ExprNode> nodes;     // as an equation's nodes; a Term node's term indexes uses
  std::vector<int> uses;           // TermKey(name index, derivative), each once, in order of first appearance
  std::vector<std::string> names;  // the names as written (dotted), each once
};

// False with problem set when the text is no equation whatever its names stand for.
bool CompileEquationForm(std::string_view text, EquationForm& form, std::string& problem);

class CCompiledEquations {
 public:
  int Count() const { return static_cast<int>(m_nodeFirst.size()); }
  // Compiles "lhs = rhs" as the residual lhs - rhs; false with problem set (the equation is not added).
  bool Add(std::string_view text, const NameResolver& resolve, std::string& problem);
  void Reserve(std::size_t equations);
  // Adds a form with form.names[i] standing for variables[i]: the equation Add makes of its text.
  // Equations of one form whose names all stand for different variables have the same nodes,
  // kept once: shared is where they are (-1 before the first such equation is added).
  void AddBound(const EquationForm& form, const int* variables, int& shared);

  const ExprNode* Nodes(int equation) const { return m_nodes.data() + m_nodeFirst[static_cast<std::size_t>(equation)]; }
  int NodeCount(int equation) const { return m_nodeCount[static_cast<std::size_t>(equation)]; }
  // Distinct term keys of an equation, in the order they first appear.
  const int* Terms(int equation) const { return m_terms.data() + m_termStart[static_cast<std::size_t>(equation)]; }
  int TermCount(int equation) const {
    return m_termStart[static_cast<std::size_t>(equation) + 1] - m_termStart[static_cast<std::size_t>(equation)];
  }
  int MaxNodes() const { return m_maxNodes; }
  int MaxTerms() const { return m_maxTerms; }
  // Numbers written in the equation (for the element count).
  int NumberCount(int equation) const;
  // Whether the equation is "a = b" between two variable values; their term positions when it is.
  bool IsPlainEquality(int equation, int& leftTerm, int& rightTerm) const;

  // The residual at the given variable values and derivatives (indexed by variable);
  // gradient (one per term, may be null) receives d residual / d term. scratch
  // holds 2 * MaxNodes() doubles. False when a value is not finite.
  bool Evaluate(int equation, const double* values, const double* derivatives, double* scratch, double* residual,
                double* gradient) const;

  // How the residual depends on the terms marked in unknown (one flag per term): 0 not at all,
  // 1 affinely (coefficients free of them), 2 non-linearly. scratch holds MaxNodes() bytes.
  int Linearity(int equation, const std::uint8_t* unknown, std::uint8_t* scratch) const;

  // The equation written out with the current values in place of its variables: "4 * 998 * 0 = 2 - 1.5".
  std::string WithValues(int equation, const double* values, const double* derivatives) const;

  std::size_t Bytes() const;

 private:
  std::vector<ExprNode> m_nodes;
  std::vector<int> m_nodeFirst, m_nodeCount;  // by equation; equations may share nodes
  std::vector<int> m_terms;
  std::vector<int> m_termStart{0};
  int m_maxNodes = 0;
  int m_maxTerms = 0;
  std::vector<int> m_useTerm;  // AddBound's: a form's use -> the equation's term
};

// A number as the residual texts show it ("1.5", "-2.3e-07").
std::string NumberText(double value);
