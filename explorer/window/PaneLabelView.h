// The one-line caption strip above each Explorer pane ("All Items",
// "Contents of Flowsheet"): a form with one static text filling it.
#pragma once

#include <string>

#include "explorer/resources/ControlIds.h"
#include "explorer/resources/DialogIds.h"
#include "platform/Dialog.h"
#include "platform/FormView.h"

class CPaneLabelView : public CFormView {
 public:
  CPaneLabelView();

  // Shows text after one blank.
  void SetText(const std::string& text);
  // The caption as shown (with its leading blank).
  std::string GetText() const;

 protected:
  void DoDataExchange(CDataExchange* dx) override;
  void OnSize(UINT type, int cx, int cy) override;

 private:
  CStatic m_label;
  std::string m_text;
};
