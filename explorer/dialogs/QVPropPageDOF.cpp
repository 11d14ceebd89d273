#include "explorer/dialogs/QVPropPageDOF.h"

#include "explorer/resources/ControlIds.h"
#include "explorer/resources/DialogIds.h"
#include "explorer/resources/StringIds.h"

CQVPropPageDOF::CQVPropPageDOF(const std::string& equations, const std::string& variables,
                               const std::string& degreesOfFreedom)
    : CTextFieldsPage(IDD_DEGREES_OF_FREEDOM) {
  SetFieldText(IDC_DOF_EQUATIONS, equations);
  SetFieldText(IDC_DOF_VARIABLES, variables);
  SetFieldText(IDC_DOF_DEGREES_OF_FREEDOM, degreesOfFreedom);
}
