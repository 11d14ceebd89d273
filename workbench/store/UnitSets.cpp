#include "workbench/store/UnitSets.h"

#include <cmath>

#include "host/store/Status.h"
#include "workbench/language/TextCase.h"

namespace {

struct StandardUnit {
  const char* quantity;
  const char* unit;
  double factor;
  double offset;
};

// Base units are SI; a value in a unit is (base - offset) / factor.
constexpr StandardUnit kStandardUnits[] = {
    {"Pressure", "Pa", 1, 0},          {"Pressure", "kPa", 1e3, 0},
    {"Pressure", "bar", 1e5, 0},       {"Pressure", "atm", 101325, 0},
    {"Pressure", "psi", 6894.757293168361, 0},
    {"Temperature", "K", 1, 0},        {"Temperature", "C", 1, 273.15},
    {"Temperature", "F", 5.0 / 9.0, 459.67 * 5.0 / 9.0}, {"Temperature", "R", 5.0 / 9.0, 0},
    {"MassFlow", "kg/s", 1, 0},        {"MassFlow", "kg/h", 1.0 / 3600, 0},
    {"MassFlow", "t/h", 1000.0 / 3600, 0}, {"MassFlow", "lb/h", 0.45359237 / 3600, 0},
    {"MolarFlow", "kmol/s", 1, 0},     {"MolarFlow", "kmol/h", 1.0 / 3600, 0},
    {"MolarFlow", "mol/s", 1e-3, 0},   {"MolarFlow", "lbmol/h", 0.45359237 / 3600, 0},
    {"Length", "m", 1, 0},             {"Length", "mm", 1e-3, 0},
    {"Length", "cm", 1e-2, 0},         {"Length", "ft", 0.3048, 0},
    {"Length", "in", 0.0254, 0},
    {"Mass", "kg", 1, 0},              {"Mass", "g", 1e-3, 0},
    {"Mass", "t", 1e3, 0},             {"Mass", "lb", 0.45359237, 0},
    {"Time", "s", 1, 0},               {"Time", "min", 60, 0},
    {"Time", "h", 3600, 0},
    {"Energy", "J", 1, 0},             {"Energy", "kJ", 1e3, 0},
    {"Energy", "MJ", 1e6, 0},          {"Energy", "kcal", 4186.8, 0},
    {"Energy", "Btu", 1055.05585262, 0},
    {"Power", "W", 1, 0},              {"Power", "kW", 1e3, 0},
    {"Power", "MW", 1e6, 0},           {"Power", "Btu/h", 1055.05585262 / 3600, 0},
    {"Volume", "m3", 1, 0},            {"Volume", "L", 1e-3, 0},
    {"Volume", "ft3", 0.028316846592, 0}, {"Volume", "gal", 0.003785411784, 0},
    {"Density", "kg/m3", 1, 0},        {"Density", "g/cm3", 1e3, 0},
    {"Density", "lb/ft3", 16.018463373960138, 0},
    {"Fraction", "-", 1, 0},           {"Fraction", "%", 1e-2, 0},
};

struct StandardChoice {
  const char* set;
  const char* quantity;
  const char* unit;
};

constexpr StandardChoice kStandardChoices[] = {
    {"Metric", "Pressure", "bar"},    {"Metric", "Temperature", "C"},  {"Metric", "MassFlow", "kg/h"},
    {"Metric", "MolarFlow", "kmol/h"}, {"Metric", "Energy", "kJ"},     {"Metric", "Power", "kW"},
    {"US", "Pressure", "psi"},        {"US", "Temperature", "F"},      {"US", "MassFlow", "lb/h"},
    {"US", "MolarFlow", "lbmol/h"},   {"US", "Length", "ft"},          {"US", "Mass", "lb"},
    {"US", "Energy", "Btu"},          {"US", "Power", "Btu/h"},        {"US", "Volume", "ft3"},
    {"US", "Density", "lb/ft3"},
};

// The converter of whichever set is current; answers FE_STALE once the sets are gone.
class CUOMConverter : public CComObject<IQVUOMConverter> {
 public:
  explicit CUOMConverter(CUnitSets* sets) : m_sets(sets) {}

  HRESULT FindPhysicalType(const std::string& name, QVPhysicalTypeUnits* units) override {
    if (!units) return E_POINTER;
    const CUnitSets* sets = m_sets.Get();
    if (!sets) return FE_STALE;
    const CPhysicalQuantity* quantity = sets->FindQuantity(name);
    if (!quantity) return FE_NOTFOUND;
    QVPhysicalTypeUnits result;
    for (const std::string& known : sets->QuantityNames())
      if (EqualsNoCase(known, name)) result.name = known;
    result.baseUnit = quantity->baseUnit;
    result.currentUnit = sets->UnitOf(sets->CurrentSet(), name).value_or(quantity->baseUnit);
    result.displayUnit = result.currentUnit;
    *units = std::move(result);
    return S_OK;
  }

  HRESULT FindConversion(const std::string& unit, QVUnitConversion* conversion) override {
    if (!conversion) return E_POINTER;
    const CUnitSets* sets = m_sets.Get();
    if (!sets) return FE_STALE;
    std::optional<QVUnitConversion> found = sets->FindUnit(unit);
    if (!found) return FE_NOTFOUND;
    *conversion = *found;
    return S_OK;
  }

 private:
  CBackLink<CUnitSets> m_sets;
};

}  // namespace

CUnitSets::CUnitSets() {
  for (const StandardUnit& u : kStandardUnits) {
    if (!FindQuantity(u.quantity)) AddQuantity(u.quantity, u.unit);  // the first unit of each is its base
    if (!FindUnit(u.unit)) AddUnit(u.quantity, u.unit, u.factor, u.offset);
  }
  AddSet("SI");
  AddSet("Metric", "SI");
  AddSet("US", "SI");
  for (const StandardChoice& c : kStandardChoices) SetUnit(c.set, c.quantity, c.unit);
  m_current = "Metric";
}

HRESULT CUnitSets::AddQuantity(const std::string& name, const std::string& baseUnit) {
  if (name.empty() || baseUnit.empty()) return E_INVALIDARG;
  if (m_quantities.Contains(name)) return FE_NAMEEXISTS;
  if (m_unitQuantity.Contains(baseUnit)) return FE_NAMEEXISTS;
  m_quantities.Add(name, CPhysicalQuantity{baseUnit, {QVUnitConversion{baseUnit, 1.0, 0.0}}});
  m_unitQuantity.Add(baseUnit, name);
  return S_OK;
}

HRESULT CUnitSets::AddUnit(const std::string& quantity, const std::string& unit, double factor, double offset) {
  auto* entry = m_quantities.Find(quantity);
  if (!entry) return FE_NOTFOUND;
  if (unit.empty() || !std::isfinite(factor) || factor == 0.0 || !std::isfinite(offset)) return E_INVALIDARG;
  if (m_unitQuantity.Contains(unit)) return FE_NAMEEXISTS;
  entry->value.units.push_back(QVUnitConversion{unit, factor, offset});
  m_unitQuantity.Add(unit, entry->name);
  return S_OK;
}

const CPhysicalQuantity* CUnitSets::FindQuantity(std::string_view name) const {
  const auto* entry = m_quantities.Find(name);
  return entry ? &entry->value : nullptr;
}

std::optional<QVUnitConversion> CUnitSets::FindUnit(std::string_view unit) const {
  const auto* owner = m_unitQuantity.Find(unit);
  if (!owner) return std::nullopt;
  for (const QVUnitConversion& conversion : FindQuantity(owner->value)->units)
    if (EqualsNoCase(conversion.unit, unit)) return conversion;
  return std::nullopt;
}

std::vector<std::string> CUnitSets::QuantityNames() const {
  std::vector<std::string> names;
  for (const auto& entry : m_quantities.Entries()) names.push_back(entry.name);
  return names;
}

HRESULT CUnitSets::AddSet(const std::string& name, std::string_view base) {
  if (name.empty()) return E_INVALIDARG;
  if (m_sets.Contains(name)) return FE_NAMEEXISTS;
  UnitSet set;
  if (!base.empty()) {
    const auto* from = m_sets.Find(base);
    if (!from) return FE_NOTFOUND;
    for (const auto& entry : from->value.units.Entries()) set.units.Add(entry.name, entry.value);
  }
  m_sets.Add(name, std::move(set));
  if (m_current.empty()) m_current = name;
  return S_OK;
}

HRESULT CUnitSets::SetUnit(std::string_view set, std::string_view quantity, const std::string& unit) {
  auto* entry = m_sets.Find(set);
  if (!entry) return FE_NOTFOUND;
  const auto* owner = m_unitQuantity.Find(unit);
  const auto* quantityEntry = m_quantities.Find(quantity);
  if (!quantityEntry || !owner || !EqualsNoCase(owner->value, quantityEntry->name)) return E_INVALIDARG;
  entry->value.units.Remove(quantityEntry->name);
  entry->value.units.Add(quantityEntry->name, FindUnit(unit)->unit);
  return S_OK;
}

std::vector<std::string> CUnitSets::SetNames() const {
  std::vector<std::string> names;
  for (const auto& entry : m_sets.Entries()) names.push_back(entry.name);
  return names;
}

HRESULT CUnitSets::SelectSet(std::string_view name) {
  const auto* entry = m_sets.Find(name);
  if (!entry) return FE_NOTFOUND;
  m_current = entry->name;
  return S_OK;
}

std::optional<std::string> CUnitSets::UnitOf(std::string_view set, std::string_view quantity) const {
  const auto* quantityEntry = m_quantities.Find(quantity);
  if (!quantityEntry) return std::nullopt;
  const auto* setEntry = m_sets.Find(set);
  if (!setEntry) return std::nullopt;
  if (const auto* chosen = setEntry->value.units.Find(quantity)) return chosen->value;
  return quantityEntry->value.baseUnit;
}

std::optional<double> CUnitSets::FromBase(double baseValue, std::string_view unit) const {
  const std::optional<QVUnitConversion> conversion = FindUnit(unit);
  if (!conversion) return std::nullopt;
  return (baseValue - conversion->offset) / conversion->factor;
}

std::optional<double> CUnitSets::ToBase(double value, std::string_view unit) const {
  const std::optional<QVUnitConversion> conversion = FindUnit(unit);
  if (!conversion) return std::nullopt;
  return value * conversion->factor + conversion->offset;
}

CComPtr<IQVUOMConverter> CUnitSets::Converter() {
  return CComPtr<IQVUOMConverter>(MakeComObject<CUOMConverter>(this).Get());
}
