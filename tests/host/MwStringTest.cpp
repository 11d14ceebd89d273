#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "host/store/MwString.h"

namespace {

TEST(MwStringTest, RealsReadShortWhenTrimmed) {
  EXPECT_EQ(MwString::FormatReal_S(1.5, 0, true), "1.5");
  EXPECT_EQ(MwString::FormatReal_S(101325.0, 0, true), "101325");
  EXPECT_EQ(MwString::FormatReal_S(0.1, 0, true), "0.1");
  EXPECT_EQ(MwString::FormatReal_S(1e20, 0, true), "1e+20");
  EXPECT_EQ(MwString::FormatReal_S(-2.5e-7, 0, true), "-2.5e-07");
  EXPECT_EQ(MwString::FormatReal_S(1.0 / 3.0, 4, true), "0.3333");
  EXPECT_EQ(MwString::FormatReal_S(123456.0, 3, true), "1.23e+05");
}

TEST(MwStringTest, RealsKeepTheirDigitsUntrimmed) {
  EXPECT_EQ(MwString::FormatReal_S(1.5, 4, false), "1.500");
  EXPECT_EQ(MwString::FormatReal_S(2.0, 3, false), "2.00");
  EXPECT_EQ(MwString::FormatReal_S(0.0, 3, false), "0.00");
  EXPECT_EQ(MwString::FormatReal_S(1e20, 3, false), "1.00e+20");
  EXPECT_EQ(MwString::FormatReal_S(0.0012, 2, false), "0.0012");
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

TEST(MwStringTest, NamesCompareWithoutRegardToCase) {
  EXPECT_EQ(MwString::AlphabeticDiff("Pressure", "pressure"), 0);
  EXPECT_LT(MwString::AlphabeticDiff("area", "Pressure"), 0);
  EXPECT_GT(MwString::AlphabeticDiff("Temperature", "pressure"), 0);
  EXPECT_LT(MwString::AlphabeticDiff("Flow", "FlowRate"), 0);
  EXPECT_GT(MwString::AlphabeticDiff("FlowRate", "flow"), 0);
  EXPECT_EQ(MwString::AlphabeticDiff("", ""), 0);
  EXPECT_LT(MwString::AlphabeticDiff("", "a"), 0);
  // An underscore sorts by its byte value, after the digits and before letters folded to lower case.
  EXPECT_LT(MwString::AlphabeticDiff("A_1", "Ab"), 0);
}

TEST(MwStringTest, ComparisonSortsAndSearchesConsistently) {
  std::vector<std::string> names = {"Temperature", "area", "Pressure", "flow", "Volume", "MoleFraction"};
  std::sort(names.begin(), names.end(),
            [](const std::string& a, const std::string& b) { return MwString::AlphabeticDiff(a, b) < 0; });
  const std::vector<std::string> expected = {"area", "flow", "MoleFraction", "Pressure", "Temperature", "Volume"};
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
