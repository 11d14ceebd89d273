// The first unconverged group of a decomposition or torn group: its number,
// type and sizes, or "All groups are converged" when nothing failed.
#pragma once

#include <memory>
#include <string>

#include "explorer/dialogs/TextFieldsPage.h"
#include "host/com/ComPtr.h"
#include "host/diagnostics/IZNDecompGroup.h"
#include "host/framework/CQVHelpPropertySheet.h"

class CQVEDecompositionPropertyPage : public CTextFieldsPage {
 public:
  // group may be null: every group converged.
  explicit CQVEDecompositionPropertyPage(IZNDecompGroup* group);
  bool OnInitDialog() override;

 private:
  void FillTexts();
  CComPtr<IZNDecompGroup> m_pGroup;
};

class CQVEDecompositionPropertySheet : public CQVHelpPropertySheet {
 public:
  explicit CQVEDecompositionPropertySheet(const std::string& caption, CWnd* parent = nullptr);
  ~CQVEDecompositionPropertySheet() override;

  INT_PTR DoModal(IZNDecompGroup* firstUnconverged);
  bool OnInitDialog() override;

 private:
  std::unique_ptr<CQVEDecompositionPropertyPage> m_page;
};
