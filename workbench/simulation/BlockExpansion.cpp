#include "workbench/simulation/BlockExpansion.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <initializer_list>
#include <utility>

#include "workbench/language/BoundedReport.h"
#include "workbench/language/Lexer.h"
#include "workbench/language/TextCase.h"

namespace {

// At most this many equations from one written in blocks, and this many cases of its blocks looked
// at (an If inside loops may make none): a range that runs away is reported, not made.
constexpr std::size_t kMostEquations = 100000;
constexpr std::size_t kMostCases = 300000;
constexpr int kMaxDepth = 100;
// A declared value may be written in other declared values; no deeper than this.
constexpr int kMaxValueDepth = 16;

// Reads one expression, or one range, of tokens and works out its value.
class CEvaluator {
 public:
  CEvaluator(std::string_view text, const DeclaredValue& lookup, std::string& problem)
      : m_text(text), m_report(CBoundedReport::Discarding()), m_lookup(lookup), m_problem(problem) {
    m_tokens = Tokenize(m_text, m_report);
  }

  std::optional<double> Value() {
    const std::optional<double> value = Or();
    if (value && !AtEnd()) return Fail(DescribeToken(Peek()) + " is not understood here");
    return value;
  }

  // "[a:b, c]": the whole numbers from a to b, then c.
  bool Range(std::vector<long long>& values) {
    if (!Accept("[")) return Refuse("the range is not a list in brackets");
    do {
      const std::optional<long long> from = Whole();
      if (!from) return false;
      long long to = *from;
      if (Accept(":")) {
        const std::optional<long long> last = Whole();
        if (!last) return false;
        to = *last;
      }
      for (long long v = *from; v <= to; ++v) {
        if (values.size() >= kMostEquations) return Refuse("it has more than 100000 values");
        values.push_back(v);
      }
    } while (Accept(","));
    if (!Accept("]") || !AtEnd()) return Refuse(DescribeToken(Peek()) + " is not understood here");
    return true;
  }

 private:
  using Operand = std::optional<double> (CEvaluator::*)();

  const Token& Peek() const { return m_tokens[std::min(m_at, m_tokens.size() - 1)]; }
  bool AtEnd() const { return Peek().Is(TokenKind::EndOfText); }
  bool Accept(std::string_view symbol) {
    if (!Peek().IsSymbol(symbol)) return false;
    ++m_at;
    return true;
  }
  // The first of ops (symbols, or words such as "and") that comes next, taken; empty when none does.
  std::string_view AcceptOneOf(std::initializer_list<std::string_view> ops) {
    for (std::string_view op : ops) {
      const bool word = std::isalpha(static_cast<unsigned char>(op.front())) != 0;
      if (word ? Peek().IsWord(op) : Peek().IsSymbol(op)) {
        ++m_at;
        return op;
      }
    }
    return {};
  }
  std::optional<double> Fail(std::string why) {
    if (m_problem.empty()) m_problem = std::move(why);
    return std::nullopt;
  }
  bool Refuse(std::string why) {
    Fail(std::move(why));
    return false;
  }
  // operand read one level deeper; nothing when too deep.
  std::optional<double> Nested(Operand operand) {
    if (m_depth >= kMaxDepth) return Fail("it is nested too deeply");
    ++m_depth;
    const std::optional<double> v = (this->*operand)();
    --m_depth;
    return v;
  }
  // Operands joined left to right by ops; combine gives the value of two joined by one (nothing to fail).
  template <class Combine>
  std::optional<double> LeftToRight(Operand operand, std::initializer_list<std::string_view> ops, Combine combine) {
    std::optional<double> v = (this->*operand)();
    while (v) {
      const std::string_view op = AcceptOneOf(ops);
      if (op.empty()) break;
      const std::optional<double> r = (this->*operand)();
      if (!r) return r;
      v = combine(op, *v, *r);
    }
    return v;
  }
  static double Truth(bool holds) { return holds ? 1.0 : 0.0; }

  std::optional<long long> Whole() {
    const std::optional<double> v = Sum();
    if (!v) return std::nullopt;
    if (std::fabs(*v - std::round(*v)) > 1e-9 || std::fabs(*v) > 1e15) {
      Fail("its bound " + std::to_string(*v) + " is not a whole number");
      return std::nullopt;
    }
    return static_cast<long long>(std::llround(*v));
  }
  std::optional<double> Or() {
    return LeftToRight(&CEvaluator::And, {"or"}, [](std::string_view, double a, double b) {
      return std::optional<double>(Truth(a != 0 || b != 0));
    });
  }
  std::optional<double> And() {
    return LeftToRight(&CEvaluator::Not, {"and"}, [](std::string_view, double a, double b) {
      return std::optional<double>(Truth(a != 0 && b != 0));
    });
  }
  std::optional<double> Not() {
    if (AcceptOneOf({"not"}).empty()) return Compare();
    const std::optional<double> v = Nested(&CEvaluator::Not);
    if (!v) return v;
    return Truth(*v == 0);
  }
  std::optional<double> Compare() {
    const std::optional<double> a = Sum();
    if (!a) return a;
    const std::string_view op = AcceptOneOf({"<=", ">=", "<>", "==", "<", ">", "="});
    if (op.empty()) return a;
    const std::optional<double> b = Sum();
    if (!b) return b;
    return Truth(op == "<=" ? *a <= *b : op == ">=" ? *a >= *b : op == "<>" ? *a != *b
                 : op == "<"  ? *a < *b : op == ">"  ? *a > *b : *a == *b);
  }
  std::optional<double> Sum() {
    return LeftToRight(&CEvaluator::Product, {"+", "-"}, [](std::string_view op, double a, double b) {
      return std::optional<double>(op == "+" ? a + b : a - b);
    });
  }
  std::optional<double> Product() {
    return LeftToRight(&CEvaluator::Unary, {"*", "/"}, [this](std::string_view op, double a, double b) {
      if (op == "/" && b == 0) return Fail("it divides by 0");
      return std::optional<double>(op == "*" ? a * b : a / b);
    });
  }
  std::optional<double> Unary() {
    const std::string_view sign = AcceptOneOf({"-", "+"});
    if (sign.empty()) return Power();
    const std::optional<double> v = Nested(&CEvaluator::Unary);
    if (!v) return v;
    return sign == "-" ? -*v : *v;
  }
  std::optional<double> Power() {
    const std::optional<double> base = Primary();
    if (!base || !Accept("^")) return base;
    const std::optional<double> exponent = Nested(&CEvaluator::Unary);
    if (!exponent) return exponent;
    const double v = std::pow(*base, *exponent);
    if (!std::isfinite(v)) return Fail("a power has no finite value");
    return v;
  }
  std::optional<double> Primary() {
    const Token& t = Peek();
    if (t.Is(TokenKind::Number)) {
      ++m_at;
      return std::strtod(std::string(t.text).c_str(), nullptr);
    }
    if (Accept("(")) {
      const std::optional<double> v = Nested(&CEvaluator::Or);
      if (v && !Accept(")")) return Fail("a ')' is missing");
      return v;
    }
    if (t.Is(TokenKind::Identifier)) {
      std::string name(t.text);
      ++m_at;
      while (Peek().IsSymbol(".") && m_tokens[std::min(m_at + 1, m_tokens.size() - 1)].Is(TokenKind::Identifier)) {
        name += "." + std::string(m_tokens[m_at + 1].text);
        m_at += 2;
      }
      const std::optional<double> v = name.find('.') == std::string::npos ? m_lookup(name) : std::nullopt;
      if (!v) return Fail("'" + name + "' has no value");
      return v;
    }
    return Fail(DescribeToken(t) + " is not understood here");
  }

  std::string m_text;
  CBoundedReport m_report;
  std::vector<Token> m_tokens;
  std::size_t m_at = 0;
  const DeclaredValue& m_lookup;
  std::string& m_problem;
  int m_depth = 0;
};

using Indices = std::vector<std::pair<std::string, long long>>;

// The text with each index (a name of its own, not a member after '.') written as its value.
std::string WithIndices(const std::string& text, const Indices& indices) {
  CBoundedReport report = CBoundedReport::Discarding();
  const std::vector<Token> tokens = Tokenize(text, report);
  std::string out;
  std::size_t copied = 0;
  for (std::size_t i = 0; i < tokens.size(); ++i) {
    const Token& t = tokens[i];
    if (!t.Is(TokenKind::Identifier) || (i > 0 && tokens[i - 1].IsSymbol("."))) continue;
    for (auto it = indices.rbegin(); it != indices.rend(); ++it) {
      if (!EqualsNoCase(it->first, t.text)) continue;
      out.append(text, copied, t.offset - copied);
      out += std::to_string(it->second);
      copied = t.End();
      break;
    }
  }
  out.append(text, copied, std::string::npos);
  return out;
}

}  // namespace

std::optional<double> EvaluateDeclaredExpression(std::string_view text, const DeclaredValue& declared,
                                                 std::string& problem) {
  thread_local int depth = 0;  // declared values written in declared values
  if (depth >= kMaxValueDepth) {
    problem = "values are declared in terms of each other too deeply";
    return std::nullopt;
  }
  ++depth;
  const std::optional<double> value = CEvaluator(text, declared, problem).Value();
  --depth;
  return value;
}

bool ExpandBlocks(const Equation& equation, const DeclaredValue& declared, std::vector<ExpandedEquation>& out,
                  std::string& problem) {
  if (equation.blocks.empty()) {
    out.push_back(ExpandedEquation{equation.name, equation.text});
    return true;
  }
  Indices indices;
  const DeclaredValue lookup = [&](std::string_view name) -> std::optional<double> {
    for (auto it = indices.rbegin(); it != indices.rend(); ++it)
      if (EqualsNoCase(it->first, name)) return static_cast<double>(it->second);
    return declared(name);
  };
  const std::size_t before = out.size();
  std::size_t cases = 0;
  const auto tooMany = [&](std::size_t more) {
    cases += more;
    if (cases <= kMostCases) return false;
    problem = "the blocks around the equation at line " + std::to_string(equation.line) +
              " stand for more than 300000 cases";
    return true;
  };
  std::function<bool(std::size_t)> expand = [&](std::size_t k) -> bool {
    if (tooMany(1)) return false;
    if (k == equation.blocks.size()) {
      if (out.size() - before >= kMostEquations) {
        problem = "the equation at line " + std::to_string(equation.line) + " stands for more than 100000 equations";
        return false;
      }
      std::string name = equation.name;
      if (!name.empty() && !indices.empty()) {
        for (std::size_t i = 0; i < indices.size(); ++i) name += (i == 0 ? "(" : ",") + std::to_string(indices[i].second);
        name += ")";
      }
      out.push_back(ExpandedEquation{std::move(name), WithIndices(equation.text, indices)});
      return true;
    }
    const BlockFrame& block = equation.blocks[k];
    std::string why;
    if (block.kind == BlockFrame::Kind::For) {
      std::vector<long long> values;
      if (!CEvaluator(block.expression, lookup, why).Range(values)) {
        problem = "the range of the For block at line " + std::to_string(block.line) + " cannot be worked out: " + why;
        return false;
      }
      if (tooMany(values.size())) return false;
      for (long long v : values) {
        indices.emplace_back(block.index, v);
        const bool ok = expand(k + 1);
        indices.pop_back();
        if (!ok) return false;
      }
      return true;
    }
    const std::optional<double> condition = CEvaluator(block.expression, lookup, why).Value();
    if (!condition) {
      problem = "the condition of the If block at line " + std::to_string(block.line) + " cannot be worked out: " + why;
      return false;
    }
    return (*condition != 0) == (block.kind == BlockFrame::Kind::Then) ? expand(k + 1) : true;
  };
  if (expand(0)) return true;
  out.resize(before);
  return false;
}
