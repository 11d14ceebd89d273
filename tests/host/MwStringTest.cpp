#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "host/store/MwString.h"

namespace {

TEST(MwStringTest, RealsReadShortWhenTrimmedAndKeepTheirDigitsUntrimmed) {
  const struct {
    double value;
    int digits;
    bool trim;
    const char* text;
  } cases[] = {
      {1.5, 0, true, "1.5"},         {101325.0, 0, true, "101325"},    {0.1, 0, true, "0.1"},
      {1e20, 0, true, "1e+20"},      {-2.5e-7, 0, true, "-2.5e-07"},   {1.0 / 3.0, 4, true, "0.3333"},
      {123456.0, 3, true, "1.23e+05"}, {1.5, 4, false, "1.500"},       {2.0, 3, false, "2.00"},
      {0.0, 3, false, "0.00"},       {1e20, 3, false, "1.00e+20"},     {0.0012, 2, false, "0.0012"},
  };
  for (const auto& c : cases) EXPECT_EQ(MwString::FormatReal_S(c.value, c.digits, c.trim), c.text) << c.value;
}

TEST(MwStringTest, SpecialRealsAndDigitLimits) {
  EXPECT_EQ(MwString::FormatReal_S(std::numeric_limits<double>::quiet_NaN(), 0, true), "NaN");
  EXPECT_EQ(MwString::FormatReal_S(std::numeric_limits<double>::infinity(), 0, true), "Inf");
  EXPECT_EQ(MwString::FormatReal_S(-std::numeric_limits<double>::infinity(), 0, true), "-Inf");
  EXPECT_EQ(MwString::FormatReal_S(-0.0, 0, true), "0");
  // More digits than a double holds are capped, so the text reads back exactly.
  const double third = 1.0 / 3.0;
  EXPECT_EQ(std::stod(MwString::FormatReal_S(third, 40, true)), third);
}

// Names compare without regard to case, shorter first on a common start; an
// underscore sorts by its byte value, before letters folded to lower case.
TEST(MwStringTest, NamesCompareWithoutRegardToCaseAndSortAndSearchConsistently) {
  EXPECT_EQ(MwString::AlphabeticDiff("Pressure", "pressure"), 0);
  EXPECT_LT(MwString::AlphabeticDiff("", "a"), 0);
  EXPECT_LT(MwString::AlphabeticDiff("A_1", "Ab"), 0);
  std::vector<std::string> names = {"Temperature", "area", "FlowRate", "Pressure", "flow", "Volume", "MoleFraction"};
  std::sort(names.begin(), names.end(),
            [](const std::string& a, const std::string& b) { return MwString::AlphabeticDiff(a, b) < 0; });
  const std::vector<std::string> expected = {"area",     "flow",        "FlowRate", "MoleFraction",
                                             "Pressure", "Temperature", "Volume"};
  EXPECT_EQ(names, expected);
  auto it = std::lower_bound(names.begin(), names.end(), std::string("PRESSURE"),
                             [](const std::string& a, const std::string& b) { return MwString::AlphabeticDiff(a, b) < 0; });
  ASSERT_NE(it, names.end());
  EXPECT_EQ(*it, "Pressure");
  // Antisymmetric: swapping the arguments swaps the sign.
  for (const auto& a : names) {
    for (const auto& b : names) {
      EXPECT_EQ(MwString::AlphabeticDiff(a, b) < 0, MwString::AlphabeticDiff(b, a) > 0) << a << " " << b;
    }
  }
}

}  // namespace
