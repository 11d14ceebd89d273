#include "explorer/dialogs/QVPropPageModelInstanceObjectGeneral.h"

#include "explorer/resources/ControlIds.h"
#include "explorer/resources/DialogIds.h"
#include "explorer/resources/StringIds.h"

CQVPropPageModelInstanceObjectGeneral::CQVPropPageModelInstanceObjectGeneral(const ModelInstanceGeneralTexts& texts)
    : CTextFieldsPage(IDD_MODEL_INSTANCE_GENERAL) {
  SetFieldText(IDC_OBJECT_NAME, texts.name);
  SetFieldText(IDC_MODEL_TYPE, texts.type);
  SetFieldText(IDC_MODEL_TYPE_LABEL, texts.classLabel);
  SetFieldText(IDC_MODEL_LIBRARY, texts.library);
  SetFieldText(IDC_MODEL_STATUS, texts.status);
  SetFieldText(IDC_MODEL_DEGREES_OF_FREEDOM, texts.degreesOfFreedom);
  SetFieldText(IDC_MODEL_EQUATIONS, texts.equations);
  SetFieldText(IDC_MODEL_VARIABLES, texts.variables);
  SetFieldText(IDC_MODEL_UNKNOWNS, texts.unknowns);
}
