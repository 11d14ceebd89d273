#include "explorer/packaging/ExplorerHelperFileDialog.h"

#include <filesystem>
#include <system_error>

#include "explorer/packaging/ExplorerFileFilter.h"
#include "host/framework/CRBaseApp.h"
#include "platform/OsVersion.h"
#include "platform/TextCompare.h"
#include "platform/TextTrim.h"
#include "platform/UserInterface.h"

namespace {

// Where the extension of a path's last component starts (after its last
// "."), or npos when it has none or the "." is its last character.
std::size_t ExtensionStart(const std::string& path) {
  std::size_t nameStart = path.find_last_of('/');
  nameStart = nameStart == std::string::npos ? 0 : nameStart + 1;
  std::size_t dot = path.rfind('.');
  if (dot == std::string::npos || dot < nameStart || dot + 1 == path.size()) return std::string::npos;
  return dot + 1;
}

std::string ExtensionOf(const std::string& path) {
  std::size_t start = ExtensionStart(path);
  return start == std::string::npos ? std::string() : path.substr(start);
}

// The major version of the operating system; false when neither query answers.
bool SystemMajorVersion(DWORD& major) {
  OSVERSIONINFOEX extended;
  if (GetVersionEx(&extended)) {
    major = extended.dwMajorVersion;
    return true;
  }
  OSVERSIONINFO basic;
  if (GetVersionEx(&basic)) {
    major = basic.dwMajorVersion;
    return true;
  }
  return false;
}

}  // namespace

CExplorerHelperFileDialog::CExplorerHelperFileDialog(bool openFileDialog, const std::string& defaultExt,
                                                     const std::string& fileName, DWORD flags,
                                                     const std::string& filter, CWnd* parent,
                                                     const std::vector<std::string>* extensions)
    : CFileDialog(openFileDialog, defaultExt, fileName, flags | OFN_EXPLORER, filter, parent),
      m_pExtensions(extensions),
      m_defaultExtension(defaultExt.starts_with('.') ? defaultExt.substr(1) : defaultExt) {}

std::string CExplorerHelperFileDialog::ChosenFilterExtension() const {
  DWORD index = m_ofn.nFilterIndex;
  if (!m_pExtensions || index < 1 || index > m_pExtensions->size()) return {};
  return (*m_pExtensions)[index - 1];
}

// The application's own extensions, and those of this dialog's filters (a
// caller's filter may name others), so that picking one filter after another
// replaces the extension rather than piling them up.
bool CExplorerHelperFileDialog::IsKnownExtension(const std::string& extension) const {
  CRBaseApp* app = CRBaseApp::GetApp();
  if (app && app->IsOwnExtension(extension)) return true;
  if (!m_pExtensions) return false;
  for (const std::string& own : *m_pExtensions) {
    if (own != kAllFilesExtension && CompareNoCase(own, extension) == 0) return true;
  }
  return false;
}

bool CExplorerHelperFileDialog::OnInitDialog() {
  m_ofn.nFilterIndex = 1;
  return CFileDialog::OnInitDialog();
}

void CExplorerHelperFileDialog::OnTypeChange() {
  DWORD major = 0;
  if (!SystemMajorVersion(major)) {
    AfxMessageBox(kCannotDetermineSystemMessage, MB_OK | MB_ICONSTOP);
    return;
  }
  if (major >= 6) {
    CFileDialog::OnTypeChange();
    return;
  }
  m_typeChanged = 1;
  std::string name = GetDlgItemText(edt1);
  std::size_t dot = name.rfind('.');
  if (dot != std::string::npos && (dot + 1 == name.size() || IsKnownExtension(name.substr(dot + 1)))) name.erase(dot);
  m_currentExtension = ChosenFilterExtension();
  if (!m_currentExtension.empty() && CompareNoCase(m_currentExtension, kAllFilesExtension) != 0) {
    name = TrimText(name);
    if (!name.empty()) name += "." + m_currentExtension;
  }
  SetDlgItemText(edt1, name);
}

bool CExplorerHelperFileDialog::RepairShortExtension(const std::string& initialExtension) {
  std::size_t start = ExtensionStart(m_resultPath);
  if (start == std::string::npos) return false;
  std::string extension = m_resultPath.substr(start);
  if (extension.size() != 3 || CompareNoCase(extension, initialExtension) == 0) return false;
  if (CompareNoCase(extension, m_defaultExtension.substr(0, 3)) != 0) return false;
  std::string repaired = m_resultPath.substr(0, start) + m_defaultExtension;
  if (repaired == m_resultPath) return false;
  m_resultPath = repaired;
  return true;
}

INT_PTR CExplorerHelperFileDialog::DoModal() {
  m_resultPath.clear();
  m_typeChanged = 0;
  const std::string initialExtension = ExtensionOf(InitialFileName());
  INT_PTR result = CFileDialog::DoModal();
  if (result != IDOK) return result;
  m_resultPath = GetPathName();

  bool checkExtension = !m_typeChanged || CompareNoCase(ChosenFilterExtension(), kAllFilesExtension) == 0;
  CRBaseApp* app = CRBaseApp::GetApp();
  if (!checkExtension || !app || !app->OSIsWin95() || !RepairShortExtension(initialExtension)) return result;

  std::error_code error;
  if (std::filesystem::exists(m_resultPath, error)) {
    int answer = MessageBox(AfxGetMainWnd() ? AfxGetMainWnd()->m_hWnd : nullptr,
                            m_resultPath + kReplaceExistingFileQuestion, kExportCaption,
                            MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2 | MB_SETFOREGROUND);
    if (answer != IDYES) {
      m_resultPath.clear();
      return IDCANCEL;
    }
  }
  return result;
}
