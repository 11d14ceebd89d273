#include "workbench/run/OptionFields.h"

#include <cmath>
#include <cstdio>

#include "platform/Dialog.h"
#include "platform/UserInterface.h"
#include "workbench/simulation/Flowsheet.h"

std::string OptionNumberText(double value) {
  char text[40];
  std::snprintf(text, sizeof text, "%.15g", value);
  return text;
}

bool ReadOptionField(CDialog& dialog, int id, const std::string& what, double minimum, bool strictlyAbove,
                     bool integer, double& value) {
  const std::optional<double> typed = ReadNumber(dialog.GetDlgItemText(id));
  bool good = typed && std::isfinite(*typed) && (strictlyAbove ? *typed > minimum : *typed >= minimum);
  if (good && integer) good = *typed == std::trunc(*typed) && std::fabs(*typed) <= 2147483647.0;
  if (good) {
    value = *typed;
    return true;
  }
  std::string rule = integer ? "a whole number" : "a number";
  rule += strictlyAbove ? " above " : " of at least ";
  rule += OptionNumberText(minimum);
  MessageBox(dialog.m_hWnd, "The " + what + " must be " + rule + ".", dialog.Template() ? dialog.Template()->caption : "",
             MB_OK | MB_ICONEXCLAMATION);
  if (CDialogItem* item = dialog.Item(id)) item->SetFocus();
  return false;
}
