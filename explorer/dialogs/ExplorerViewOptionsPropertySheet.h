// The Explorer's view options: a sheet with the one "View" page that chooses
// the object types the Explorer hides. Help and Apply are not offered.
#pragma once

#include <memory>

#include "host/framework/CQVHelpPropertySheet.h"

class CExplorerContainerObject;
class CPropPageViewOptionsFilter;

class CExplorerViewOptionsPropertySheet : public CQVHelpPropertySheet {
 public:
  CExplorerViewOptionsPropertySheet(UINT captionId, CExplorerContainerObject* root, CWnd* parent = nullptr);
  ~CExplorerViewOptionsPropertySheet() override;

  // Adds the page for the root and runs the sheet; IDOK or IDCANCEL.
  INT_PTR DoModal() override;
  bool OnInitDialog() override;

 private:
  CExplorerContainerObject* m_pRoot;
  std::unique_ptr<CPropPageViewOptionsFilter> m_filterPage;
};
