// The Explorer's file dialog for exports: the filter comes from the file types
// the application registers (unless the caller gives one), with one extension
// per filter entry, and the C runtime locale is "C" again once it has closed.
// The caller titles the inner dialog before showing it:
//
//   CExplorerFileDialog dialog(false, app->GetDefaultExtension(), name, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, "");
//   if (CExplorerHelperFileDialog* inner = dialog.GetHelperDialog()) inner->m_ofn.lpstrTitle = "Export";
//   if (dialog.DoModal() == IDOK) Write(dialog.GetPathName());
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "explorer/packaging/ExplorerHelperFileDialog.h"

class CExplorerFileDialog {
 public:
  CExplorerFileDialog(bool openFileDialog, const std::string& defaultExt, const std::string& fileName, DWORD flags,
                      const std::string& filter, CWnd* parent = nullptr);
  virtual ~CExplorerFileDialog();
  CExplorerFileDialog(const CExplorerFileDialog&) = delete;
  CExplorerFileDialog& operator=(const CExplorerFileDialog&) = delete;

  // IDOK or IDCANCEL; the C runtime locale is "C" afterwards.
  virtual INT_PTR DoModal();
  // The chosen path; empty before a DoModal that ended with OK.
  std::string GetPathName() const;

  CExplorerHelperFileDialog* GetHelperDialog() const { return m_pDialog.get(); }
  const std::vector<std::string>& Extensions() const { return m_extensions; }

 private:
  std::vector<std::string> m_extensions;
  std::unique_ptr<CExplorerHelperFileDialog> m_pDialog;
};
