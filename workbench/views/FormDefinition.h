// What a table, plot/history or profile form shows, read from the text the
// form keeps in its model type. The text is one statement a line; blank
// lines and lines starting with "//" are passed over:
//
//   { DisplayAs : Plot }   settings, as a new form is made: DisplayAs is
//                          "Table", "Plot" or "History" (the block may span lines)
//   Level                  a variable, by its path below the block the form
//                          is shown for ("Outlet.P"); for the simulation's own
//                          forms, below the top flowsheet ("T101.Level")
//   X Time                 plot and history forms: the horizontal axis; time
//                          is the only one. Profile forms: "X <label>" names
//                          the axis along which the points lie
//   Y Level 0 6            plot and history forms: one trend with the
//                          vertical axis from 0 to 6; without the two
//                          numbers the axis follows the values
//
// A table lists its variables in order; a plot draws each variable (a bare
// path counts as a trend scaled automatically) over time; a profile takes
// its variables, in order, as the points of one distributed variable.
// Statements that make no sense are reported by line and skipped.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class FormLayout { Table, Plot, Profile };

struct FormVariable {
  std::string path;  // as written, relative to the block
  std::optional<double> low;   // a plot's fixed axis range, when given
  std::optional<double> high;
  int line = 0;
};

struct CFormDefinition {
  FormLayout layout = FormLayout::Table;
  std::string displayAs;            // "Plot", "History", "Table" or empty
  std::string axisLabel = "Time";   // a plot's is always time; a profile's as written
  std::vector<FormVariable> variables;
  std::vector<std::string> problems;  // "line 3: ...", one for each statement skipped
};

// Reads a form text for a form of the given layout.
CFormDefinition ParseFormText(FormLayout layout, std::string_view text);

// True for a well-formed variable path: names of letters, digits and
// underscores (not starting with a digit) joined by dots.
bool IsVariablePath(std::string_view path);
