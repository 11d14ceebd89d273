// A form made concrete on the flowsheet: the variables its text names, for
// every block the form is shown for, each by its full path, with what is
// wrong with it. A form of a model type is shown for every block of that
// type or of a type that uses it ("ProductTank Uses BufferTank"); the
// simulation's forms and the flowsheet type's are shown for the top
// flowsheet. Rows keep paths, never positions, so a flowsheet built again
// after a change is read afresh.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "workbench/views/FormDefinition.h"

class CFlowsheet;
class CStore;
class CStoreType;

struct FormRow {
  std::string path;  // "T101.Level"
  std::optional<double> low;  // a plot trend's fixed range
  std::optional<double> high;
  std::string problem;  // "T101.Levle: no such variable"; empty when the variable exists
};

struct CFormContents {
  std::string name;       // the form's name
  std::string ownerName;  // its owner type's name
  FormLayout layout = FormLayout::Table;
  std::string axisLabel;
  std::vector<FormRow> rows;
  std::vector<std::string> problems;  // the text's, then one for each missing variable

  std::vector<std::string> Paths() const;
};

// The layout of a form kind (its class id); nothing for forms these views do not show (custom, help).
std::optional<FormLayout> LayoutOfForm(const CStoreType& form);

// The paths of the blocks a form owned by owner is shown for; "" stands for the top flowsheet.
std::vector<std::string> BlocksShowingForm(const CStoreType& owner, const CFlowsheet& flowsheet, CStore& store);

// Binds a table, plot or profile form; nothing for another kind of form.
// The system forms list variables without a text: "AllVariables" every
// variable of the block and the units inside it, "LocalVariables" the
// block's own, "AllGlobals" those of the global structures.
std::optional<CFormContents> BindForm(CStoreType& form, const CFlowsheet& flowsheet, CStore& store);

// The types whose forms can show something: the types of the flowsheet's
// units and the types those use, each once.
std::vector<CStoreType*> TypesInFlowsheet(const CFlowsheet& flowsheet, CStore& store);
