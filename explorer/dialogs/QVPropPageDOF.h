// The Degrees of Freedom page: the numbers of equations and variables and the
// degrees of freedom, as texts.
#pragma once

#include <string>

#include "explorer/dialogs/TextFieldsPage.h"

class CQVPropPageDOF : public CTextFieldsPage {
 public:
  CQVPropPageDOF(const std::string& equations, const std::string& variables, const std::string& degreesOfFreedom);
};
