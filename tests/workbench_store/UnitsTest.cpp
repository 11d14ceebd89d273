// Units of measurement: the standard sets, the current set, the converter the
// explorer reads, and conversions that come back to where they started.
#include <cmath>

#include "tests/workbench_store/StoreTestSupport.h"

namespace {

class UnitsTest : public ::testing::Test {
 protected:
  CUnitSets sets;
};

TEST_F(UnitsTest, ThereAreThreeStandardSetsAndMetricIsCurrent) {
  EXPECT_EQ(sets.SetNames(), (std::vector<std::string>{"SI", "Metric", "US"}));
  EXPECT_EQ(sets.CurrentSet(), "Metric");
  EXPECT_EQ(sets.SelectSet("us"), S_OK);
  EXPECT_EQ(sets.CurrentSet(), "US");
  EXPECT_EQ(sets.SelectSet("Imperial"), FE_NOTFOUND);
  EXPECT_EQ(sets.CurrentSet(), "US");
  EXPECT_EQ(sets.UnitOf("SI", "Pressure"), "Pa");
  EXPECT_EQ(sets.UnitOf("Metric", "Pressure"), "bar");
  EXPECT_EQ(sets.UnitOf("US", "Temperature"), "F");
  EXPECT_EQ(sets.UnitOf("Metric", "Length"), "m");  // a set that does not say uses the base unit
  EXPECT_FALSE(sets.UnitOf("Metric", "Charm").has_value());
}

TEST_F(UnitsTest, EveryUnitConvertsToBaseAndBackToTheSameValue) {
  const double values[] = {-40.0, 0.0, 1.0, 273.15, 101325.0, 1e-6, 12345.678};
  for (const std::string& quantity : sets.QuantityNames()) {
    for (const QVUnitConversion& unit : sets.FindQuantity(quantity)->units) {
      SCOPED_TRACE(quantity + " " + unit.unit);
      for (double v : values) {
        const std::optional<double> base = sets.ToBase(v, unit.unit);
        ASSERT_TRUE(base.has_value());
        const std::optional<double> back = sets.FromBase(*base, unit.unit);
        ASSERT_TRUE(back.has_value());
        EXPECT_NEAR(*back, v, 1e-9 * std::max(1.0, std::fabs(v)));
      }
    }
  }
}

TEST_F(UnitsTest, KnownConversionsGiveKnownValues) {
  EXPECT_NEAR(*sets.ToBase(0.0, "C"), 273.15, 1e-12);
  EXPECT_NEAR(*sets.ToBase(212.0, "F"), 373.15, 1e-9);
  EXPECT_NEAR(*sets.FromBase(*sets.ToBase(-40.0, "C"), "F"), -40.0, 1e-9);
  EXPECT_NEAR(*sets.FromBase(101325.0, "atm"), 1.0, 1e-12);
  EXPECT_NEAR(*sets.FromBase(*sets.ToBase(1.0, "bar"), "psi"), 14.503773773, 1e-6);
  EXPECT_NEAR(*sets.FromBase(1.0, "kg/h"), 3600.0, 1e-9);
  EXPECT_FALSE(sets.ToBase(1.0, "furlong").has_value());
}

TEST_F(UnitsTest, NewQuantitiesUnitsAndSetsAreChecked) {
  ASSERT_EQ(sets.AddQuantity("Speed", "m/s"), S_OK);
  EXPECT_EQ(sets.AddQuantity("speed", "km/h"), FE_NAMEEXISTS);
  EXPECT_EQ(sets.AddUnit("Speed", "km/h", 1.0 / 3.6), S_OK);
  EXPECT_EQ(sets.AddUnit("Speed", "bar", 1.0), FE_NAMEEXISTS);  // a unit belongs to one quantity
  EXPECT_EQ(sets.AddUnit("Speed", "knot", 0.0), E_INVALIDARG);
  EXPECT_EQ(sets.AddUnit("Speed", "knot", NAN), E_INVALIDARG);
  EXPECT_EQ(sets.AddUnit("Nothing", "x", 1.0), FE_NOTFOUND);
  ASSERT_EQ(sets.AddSet("Road", "Metric"), S_OK);
  EXPECT_EQ(sets.SetUnit("Road", "Speed", "km/h"), S_OK);
  EXPECT_EQ(sets.SetUnit("Road", "Speed", "bar"), E_INVALIDARG);
  EXPECT_EQ(sets.UnitOf("Road", "Speed"), "km/h");
  EXPECT_EQ(sets.UnitOf("Road", "Pressure"), "bar");  // taken over from Metric
  EXPECT_EQ(sets.AddSet("Road"), FE_NAMEEXISTS);
  EXPECT_EQ(sets.AddSet("Sea", "Nowhere"), FE_NOTFOUND);
}

TEST_F(UnitsTest, AConverterOutlivingItsSetsSaysSo) {
  CComPtr<IQVUOMConverter> converter;
  {
    CUnitSets local;
    converter = local.Converter();
  }
  QVPhysicalTypeUnits units;
  EXPECT_EQ(converter->FindPhysicalType("Pressure", &units), FE_STALE);
}

}  // namespace
