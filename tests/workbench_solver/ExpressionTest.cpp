// Equation texts compiled to expression trees: residuals and exact
// derivatives against the calculus done by hand, the texts shown with values,
// and the messages for names and calls that cannot be evaluated.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "workbench/solver/Expression.h"

namespace {

class ExpressionTest : public ::testing::Test {
 protected:
  // Variables x, y, z are 0, 1, 2; "T.h" is 3.
  NameResolver resolve = [](std::string_view name) -> int {
    if (name == "x") return 0;
    if (name == "y") return 1;
    if (name == "z") return 2;
    if (name == "T.h") return 3;
    return -1;
  };
  std::vector<double> values{0.7, -1.3, 2.5, 4.0};
  std::vector<double> derivatives{0.0, 0.0, 0.0, 0.25};

  int Compile(const std::string& text) {
    std::string problem;
    EXPECT_TRUE(equations.Add(text, resolve, problem)) << text << ": " << problem;
    return equations.Count() - 1;
  }
  std::string Problem(const std::string& text) {
    std::string problem;
    EXPECT_FALSE(equations.Add(text, resolve, problem)) << text;
    return problem;
  }
  // The residual and d residual / d variable (values; derivatives of variable 3 under index 4).
  std::vector<double> Slopes(int equation, double& residual) {
    std::vector<double> scratch(2 * static_cast<std::size_t>(equations.MaxNodes()));
    std::vector<double> gradient(static_cast<std::size_t>(equations.TermCount(equation)));
    EXPECT_TRUE(equations.Evaluate(equation, values.data(), derivatives.data(), scratch.data(), &residual, gradient.data()));
    std::vector<double> byVariable(5, 0.0);
    for (int k = 0; k < equations.TermCount(equation); ++k) {
      const int key = equations.Terms(equation)[k];
      byVariable[static_cast<std::size_t>(TermIsDerivative(key) ? 4 : TermVariable(key))] += gradient[static_cast<std::size_t>(k)];
    }
    return byVariable;
  }

  CCompiledEquations equations;
};

TEST_F(ExpressionTest, ResidualsAndDerivativesAgreeWithTheCalculus) {
  const double x = values[0], y = values[1], z = values[2];
  double r = 0;
  // Products, quotients, powers and precedence: x * y^2 / z - (x - y) = 3 ^ 2
  std::vector<double> d = Slopes(Compile("x * y^2 / z - (x - y) = 3 ^ 2"), r);
  EXPECT_NEAR(r, x * y * y / z - (x - y) - 9.0, 1e-12);
  EXPECT_NEAR(d[0], y * y / z - 1.0, 1e-12);
  EXPECT_NEAR(d[1], 2 * x * y / z + 1.0, 1e-12);
  EXPECT_NEAR(d[2], -x * y * y / (z * z), 1e-12);
  // Functions: sqrt(z * abs(y)) + exp(x) - ln(z) + sin(x) * cos(y) = -tan(x) + log10(z)
  d = Slopes(Compile("sqrt(z * abs(y)) + exp(x) - ln(z) + sin(x) * cos(y) = -tan(x) + log10(z)"), r);
  EXPECT_NEAR(r, std::sqrt(z * std::fabs(y)) + std::exp(x) - std::log(z) + std::sin(x) * std::cos(y) + std::tan(x) -
                     std::log10(z), 1e-12);
  EXPECT_NEAR(d[0], std::exp(x) + std::cos(x) * std::cos(y) + 1.0 / (std::cos(x) * std::cos(x)), 1e-12);
  EXPECT_NEAR(d[1], 0.5 / std::sqrt(z * std::fabs(y)) * z * -1.0 - std::sin(x) * std::sin(y), 1e-12);
  EXPECT_NEAR(d[2], 0.5 / std::sqrt(z * std::fabs(y)) * std::fabs(y) - 1.0 / z - 1.0 / (z * std::log(10.0)), 1e-12);
  // A variable exponent, min and max (the active argument takes the slope), sign, and a time derivative.
  d = Slopes(Compile("z ^ x + min(x, y) * max(x, z) + sign(y) = 4 * $T.h * T.h"), r);
  EXPECT_NEAR(r, std::pow(z, x) + y * z - 1.0 - 4 * 0.25 * 4.0, 1e-12);
  EXPECT_NEAR(d[0], std::pow(z, x) * std::log(z), 1e-12);
  EXPECT_NEAR(d[1], z, 1e-12);
  EXPECT_NEAR(d[2], x * std::pow(z, x - 1) + y, 1e-12);
  EXPECT_NEAR(d[3], -4 * 0.25, 1e-12);
  EXPECT_NEAR(d[4], -4 * 4.0, 1e-12);
  // Each term is kept once, however often it is written.
  EXPECT_EQ(equations.TermCount(Compile("x + x * x = x")), 1);
}

TEST_F(ExpressionTest, WhatCannotBeEvaluatedIsNamed) {
  EXPECT_EQ(Problem("x = Pump.Speed"), "'Pump.Speed' is not a variable here");
  EXPECT_EQ(Problem("x = ValveGain(y)"), "procedure not available: 'ValveGain' cannot be evaluated by this solver");
  EXPECT_EQ(Problem("x = max(y)"), "'max' takes 2 arguments");
  EXPECT_EQ(Problem("x + y"), "expected '=' but found the end of the text");
  EXPECT_EQ(Problem("x = (y"), "expected ')' but found the end of the text");
  EXPECT_EQ(Problem(std::string(300, '(') + "x" + std::string(300, ')') + " = y"), "the expression is nested too deeply");
  EXPECT_EQ(equations.Count(), 0);  // nothing half-compiled was kept
  // A value the equation cannot take is a failed evaluation, not a number.
  const int e = Compile("sqrt(y) = x");
  std::vector<double> scratch(2 * static_cast<std::size_t>(equations.MaxNodes()));
  double r = 0;
  EXPECT_FALSE(equations.Evaluate(e, values.data(), derivatives.data(), scratch.data(), &r, nullptr));
}

TEST_F(ExpressionTest, LinearityAndTextWithValues) {
  const int e = Compile("2 * x * y + z / 4 = -(x - 3)");
  std::vector<std::uint8_t> scratch(static_cast<std::size_t>(equations.MaxNodes()));
  const auto linearity = [&](std::vector<std::uint8_t> unknown) { return equations.Linearity(e, unknown.data(), scratch.data()); };
  // Terms in order of appearance: x, y, z.
  EXPECT_EQ(linearity({1, 0, 0}), 1);  // affine in x (its coefficient 2y is known)
  EXPECT_EQ(linearity({1, 1, 0}), 2);  // x * y
  EXPECT_EQ(linearity({0, 0, 1}), 1);
  EXPECT_EQ(linearity({0, 0, 0}), 0);
  const int quotient = Compile("4 / z = x");  // terms z, x
  scratch.resize(static_cast<std::size_t>(equations.MaxNodes()));
  EXPECT_EQ(equations.Linearity(quotient, std::vector<std::uint8_t>{1, 0}.data(), scratch.data()), 2);
  EXPECT_EQ(equations.Linearity(quotient, std::vector<std::uint8_t>{0, 1}.data(), scratch.data()), 1);
  EXPECT_EQ(equations.WithValues(e, values.data(), derivatives.data()), "2 * 0.7 * (-1.3) + 2.5 / 4 = -(0.7 - 3)");
  EXPECT_EQ(equations.NumberCount(e), 3);
  int left = 0, right = 0;
  EXPECT_TRUE(equations.IsPlainEquality(Compile("x = y"), left, right));
  EXPECT_FALSE(equations.IsPlainEquality(Compile("x = -y"), left, right));
  EXPECT_FALSE(equations.IsPlainEquality(Compile("$T.h = x"), left, right));
}

}  // namespace
