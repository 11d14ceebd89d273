// Units of measurement: the physical quantities with their base unit and the
// units each can be shown in, and the named unit sets ("SI", "Metric", "US")
// that choose one unit per quantity. One set is current; the converter
// (IQVUOMConverter) answers for it. A value in a unit is (base - offset) / factor.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/com/ComObject.h"
#include "host/services/IQVUOMConverter.h"
#include "workbench/store/BackLink.h"
#include "workbench/store/OrderedNameMap.h"

struct CPhysicalQuantity {
  std::string baseUnit;
  std::vector<QVUnitConversion> units;  // the base unit among them (factor 1, offset 0)
};

class CUnitSets : public CLinkTarget {
 public:
  // The standard quantities and the sets "SI", "Metric" and "US"; "Metric" is current.
  CUnitSets();

  // ---- quantities and units ----
  HRESULT AddQuantity(const std::string& name, const std::string& baseUnit);
  // A unit of a quantity: value in unit = (base - offset) / factor. Unit names are unique across quantities.
  HRESULT AddUnit(const std::string& quantity, const std::string& unit, double factor, double offset = 0.0);
  const CPhysicalQuantity* FindQuantity(std::string_view name) const;
  std::optional<QVUnitConversion> FindUnit(std::string_view unit) const;
  std::vector<std::string> QuantityNames() const;

  // ---- sets ----
  // A set copies its units from base (another set, or the base units when empty).
  HRESULT AddSet(const std::string& name, std::string_view base = {});
  // The set's unit for a quantity; the unit must belong to the quantity.
  HRESULT SetUnit(std::string_view set, std::string_view quantity, const std::string& unit);
  std::vector<std::string> SetNames() const;
  const std::string& CurrentSet() const { return m_current; }
  // FE_NOTFOUND for an unknown set (names compared without regard to case).
  HRESULT SelectSet(std::string_view name);
  // The unit a set shows a quantity in (the base unit when the set does not say).
  std::optional<std::string> UnitOf(std::string_view set, std::string_view quantity) const;

  // ---- conversion ----
  std::optional<double> FromBase(double baseValue, std::string_view unit) const;
  std::optional<double> ToBase(double value, std::string_view unit) const;
  // The converter of the current set (follows later SelectSet calls).
  CComPtr<IQVUOMConverter> Converter();

 private:
  struct UnitSet {
    COrderedNameMap<std::string> units;  // quantity -> unit
  };
  COrderedNameMap<CPhysicalQuantity> m_quantities;
  COrderedNameMap<std::string> m_unitQuantity;  // unit -> its quantity
  COrderedNameMap<UnitSet> m_sets;
  std::string m_current;
};
