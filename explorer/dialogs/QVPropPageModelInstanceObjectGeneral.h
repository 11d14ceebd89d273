// The General page of a flowsheet, hierarchy, block or stream: its name, its
// model type behind the class label ("Block Type"), the model library, the
// model status and the four statistics.
#pragma once

#include <string>

#include "explorer/dialogs/TextFieldsPage.h"

struct ModelInstanceGeneralTexts {
  std::string name;
  std::string type;
  std::string classLabel;
  std::string library;
  std::string status;
  std::string degreesOfFreedom;
  std::string equations;
  std::string variables;
  std::string unknowns;
};

class CQVPropPageModelInstanceObjectGeneral : public CTextFieldsPage {
 public:
  explicit CQVPropPageModelInstanceObjectGeneral(const ModelInstanceGeneralTexts& texts);
};
