#include "workbench/views/ShownUnits.h"

#include "workbench/store/UnitSets.h"

ShownValue ShowInCurrentUnits(const CUnitSets& units, std::string_view quantity, double baseValue) {
  ShownValue shown{baseValue, {}};
  if (quantity.empty()) return shown;
  std::optional<std::string> unit = units.UnitOf(units.CurrentSet(), quantity);
  if (!unit) return shown;
  if (std::optional<double> value = units.FromBase(baseValue, *unit)) {
    shown.value = *value;
    shown.unit = *unit;
  } else if (const CPhysicalQuantity* q = units.FindQuantity(quantity)) {
    shown.unit = q->baseUnit;
  }
  return shown;
}
