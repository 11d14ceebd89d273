#include "explorer/packaging/ExplorerFileDialog.h"

#include <clocale>

#include "explorer/packaging/ExplorerFileFilter.h"
#include "host/framework/CRBaseApp.h"

CExplorerFileDialog::CExplorerFileDialog(bool openFileDialog, const std::string& defaultExt,
                                         const std::string& fileName, DWORD flags, const std::string& filter,
                                         CWnd* parent) {
  ExplorerFileFilter built = BuildExplorerFileFilter(filter, CRBaseApp::GetApp());
  m_extensions = std::move(built.extensions);
  m_pDialog = std::make_unique<CExplorerHelperFileDialog>(openFileDialog, defaultExt, fileName, flags, built.text,
                                                          parent, &m_extensions);
}

CExplorerFileDialog::~CExplorerFileDialog() = default;

INT_PTR CExplorerFileDialog::DoModal() {
  INT_PTR result = m_pDialog ? m_pDialog->DoModal() : IDCANCEL;
  std::setlocale(LC_ALL, "C");
  return result;
}

std::string CExplorerFileDialog::GetPathName() const { return m_pDialog ? m_pDialog->GetResultPath() : std::string(); }
