#include "explorer/packaging/ExportToFile.h"

#include <cstring>

#include "explorer/core/QVExplorer.h"
#include "explorer/packaging/ExplorerFileDialog.h"
#include "host/framework/CRBaseApp.h"
#include "host/store/Status.h"
#include "platform/SafeFile.h"

bool ChooseExportFile(const std::string& initialName, std::string& path) {
  CRBaseApp* app = CRBaseApp::GetApp();
  CExplorerFileDialog dialog(false, app ? app->GetDefaultExtension() : std::string(), initialName,
                             OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, "");
  if (CExplorerHelperFileDialog* inner = dialog.GetHelperDialog()) inner->m_ofn.lpstrTitle = kExportCaption;
  if (dialog.DoModal() != IDOK) return false;
  path = dialog.GetPathName();
  return !path.empty();
}

void ReportExportFailure(const std::string& what) {
  CQVExplorer::ShowMessage(what, kExportCaption, MB_ICONEXCLAMATION);
}

bool ExportTextToChosenFile(const std::string& initialName, const std::function<HRESULT(std::string&)>& produce) {
  std::string path;
  if (!produce || !ChooseExportFile(initialName, path)) return false;
  std::string text;
  if (HRESULT hr = produce(text); FAILED(hr)) {
    ReportExportFailure("Nothing was exported to \"" + path + "\": " + GetStatusText(hr));
    return false;
  }
  if (int error = ReplaceFileContents(path, text); error != 0) {
    ReportExportFailure("Cannot write \"" + path + "\": " + std::strerror(error) + ". The file was not changed.");
    return false;
  }
  return true;
}
