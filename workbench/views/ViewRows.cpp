#include "workbench/views/ViewRows.h"

#include <cmath>
#include <cstdio>

#include "workbench/simulation/Flowsheet.h"
#include "workbench/store/UnitSets.h"
#include "workbench/views/RunHistory.h"
#include "workbench/views/ShownUnits.h"

namespace {

std::optional<double> ShownBound(const CUnitSets& units, const std::string& quantity, std::optional<double> base) {
  if (!base) return std::nullopt;
  return ShowInCurrentUnits(units, quantity, *base).value;
}

// CSV fields with a comma or quote are quoted.
std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

}  // namespace

std::string ViewNumber(double value) {
  if (std::isnan(value)) return {};
  char text[32];
  std::snprintf(text, sizeof text, "%.10g", value);
  return text;
}

std::vector<TableRowValues> ReadTableRows(const CFormContents& form, const CFlowsheet& flowsheet,
                                          const CUnitSets& units) {
  std::vector<TableRowValues> rows;
  rows.reserve(form.rows.size());
  for (const FormRow& formRow : form.rows) {
    TableRowValues row;
    row.path = formRow.path;
    const InstanceVariable* variable = flowsheet.FindVariable(formRow.path);
    if (!variable) {
      row.problem = formRow.path + ": no such variable";
      rows.push_back(std::move(row));
      continue;
    }
    const ShownValue shown = ShowInCurrentUnits(units, variable->Quantity(), variable->value);
    row.value = shown.value;
    row.unit = shown.unit;
    row.spec = VariableSpecText(variable->spec);
    row.lower = ShownBound(units, variable->Quantity(), variable->lower);
    row.upper = ShownBound(units, variable->Quantity(), variable->upper);
    row.description = variable->Description();
    row.editable = variable->spec == VariableSpec::Fixed || variable->spec == VariableSpec::Initial;
    rows.push_back(std::move(row));
  }
  return rows;
}

HistoryTable ReadHistory(const CFormContents& form, const CRunHistory& history, const CFlowsheet& flowsheet,
                         const CUnitSets& units) {
  HistoryTable table;
  table.times = history.Times();
  for (const FormRow& row : form.rows) {
    HistoryColumn column{row.path, {}, {}, row.low, row.high};
    const InstanceVariable* variable = flowsheet.FindVariable(row.path);
    const std::string quantity = variable ? variable->Quantity() : std::string();
    if (const std::vector<double>* values = history.Values(row.path)) {
      column.values.reserve(values->size());
      for (double base : *values)
        column.values.push_back(std::isnan(base) ? base : ShowInCurrentUnits(units, quantity, base).value);
    } else {
      column.values.assign(table.times.size(), CRunHistory::kNoValue);
    }
    column.unit = ShowInCurrentUnits(units, quantity, 0.0).unit;
    table.columns.push_back(std::move(column));
  }
  return table;
}

std::string TableRowsText(const std::vector<TableRowValues>& rows) {
  std::string text = "Variable\tValue\tUnits\tSpec\tLower\tUpper\tDescription\n";
  for (const TableRowValues& row : rows) {
    if (!row.problem.empty()) {
      text += row.path + "\t" + row.problem + "\t\t\t\t\t\n";
      continue;
    }
    text += row.path + "\t" + ViewNumber(row.value) + "\t" + row.unit + "\t" + row.spec + "\t" +
            (row.lower ? ViewNumber(*row.lower) : "") + "\t" + (row.upper ? ViewNumber(*row.upper) : "") + "\t" +
            row.description + "\n";
  }
  return text;
}

std::string HistoryCsv(const HistoryTable& history) {
  std::string text = "Time";
  for (const HistoryColumn& column : history.columns)
    text += "," + CsvField(column.unit.empty() ? column.path : column.path + " (" + column.unit + ")");
  text += "\n";
  for (std::size_t i = 0; i < history.times.size(); ++i) {
    text += ViewNumber(history.times[i]);
    for (const HistoryColumn& column : history.columns)
      text += "," + (i < column.values.size() ? ViewNumber(column.values[i]) : std::string());
    text += "\n";
  }
  return text;
}
