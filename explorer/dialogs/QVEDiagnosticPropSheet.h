// "Diagnostic Properties": the solver's diagnostic settings of the last run
// (print levels, watched group, highest residuals and steps, the run mode),
// shown for reading only.
#pragma once

#include <memory>
#include <string>

#include "explorer/dialogs/TextFieldsPage.h"
#include "host/framework/CQVHelpPropertySheet.h"

// The General page.
class CQVEDiagnosticPropPage : public CTextFieldsPage {
 public:
  explicit CQVEDiagnosticPropPage(int runMode);
  bool OnInitDialog() override;

  // The solver option name as an integer (a boolean gives 1 or 0); false for any other type, a failure,
  // or no document or solver.
  static bool ReadSolverProperty(const std::string& name, int& value);

 private:
  void FillTexts();
  int m_runMode;
};

class CQVEDiagnosticPropSheet : public CQVHelpPropertySheet {
 public:
  CQVEDiagnosticPropSheet(UINT captionId, int runMode, CWnd* parent = nullptr);
  ~CQVEDiagnosticPropSheet() override;

  INT_PTR DoModal() override;
  // OK in the Help button's place; Apply, Help and Cancel hidden.
  bool OnInitDialog() override;

 private:
  int m_runMode;
  std::unique_ptr<CQVEDiagnosticPropPage> m_page;
};

// Moves OK to where Help is and hides Apply, Help and Cancel: the information sheets have one button.
void KeepOnlyCloseButton(CPropertySheet& sheet);
