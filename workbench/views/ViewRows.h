// What the views show, read from the flowsheet and the run history and put
// in the current unit set's units: a table form's rows, a history's columns
// and a profile's points. Each call reads the values as they stand, so a
// view refreshed after a run or a unit change shows them anew.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "workbench/views/FormContents.h"

class CFlowsheet;
class CRunHistory;
class CUnitSets;

struct TableRowValues {
  std::string path;
  std::string problem;  // set when the variable is missing; the other fields are then empty
  double value = 0.0;
  std::string unit;
  std::string spec;
  std::optional<double> lower;
  std::optional<double> upper;
  std::string description;
  bool editable = false;  // a fixed or initial value the user gives
};

struct HistoryColumn {
  std::string path;
  std::string unit;
  std::vector<double> values;  // one for each time; NaN where not recorded
  std::optional<double> low;   // a fixed axis range from the form
  std::optional<double> high;
};

struct HistoryTable {
  std::vector<double> times;
  std::vector<HistoryColumn> columns;
};

std::vector<TableRowValues> ReadTableRows(const CFormContents& form, const CFlowsheet& flowsheet,
                                          const CUnitSets& units);
HistoryTable ReadHistory(const CFormContents& form, const CRunHistory& history, const CFlowsheet& flowsheet,
                         const CUnitSets& units);

// A table as tab-separated text: a header line, then one line a row.
std::string TableRowsText(const std::vector<TableRowValues>& rows);
// A history as comma-separated values: "Time" and each variable with its unit, then one line a time.
std::string HistoryCsv(const HistoryTable& history);
// A number as the views write it (up to 10 significant digits); empty for NaN.
std::string ViewNumber(double value);
