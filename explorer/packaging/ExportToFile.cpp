#include "explorer/packaging/ExportToFile.h"

#include "explorer/packaging/ExplorerFileDialog.h"
#include "host/framework/CRBaseApp.h"
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

bool ExportTextToChosenFile(const std::string& initialName, const std::function<HRESULT(std::string&)>& produce) {
  std::string path;
  if (!produce || !ChooseExportFile(initialName, path)) return false;
  std::string text;
  if (FAILED(produce(text))) return false;
  return ReplaceFileContents(path, text) == 0;
}
