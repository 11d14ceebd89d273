// The General page of a type or component list: its name and description. A
// page without a description shows neither the field nor its label; on a
// read-only object the sheet's Cancel becomes Close.
#pragma once

#include <string>

#include "explorer/dialogs/TextFieldsPage.h"

class CQVPropPageNamedObjectGeneral : public CTextFieldsPage {
 public:
  CQVPropPageNamedObjectGeneral(const std::string& name, const std::string& description, int readOnly);

  bool OnInitDialog() override;

 private:
  bool m_hasDescription;
  int m_bReadOnly;
};
