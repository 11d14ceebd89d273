// The General page of a file's properties: its name and when it was created,
// "Unknown" where either cannot be told.
#pragma once

#include <string>

#include "explorer/dialogs/TextFieldsPage.h"

class CQVPropPageFileObjectGeneral : public CTextFieldsPage {
 public:
  explicit CQVPropPageFileObjectGeneral(const std::string& fileName);
};
