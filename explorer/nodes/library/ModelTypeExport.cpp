#include "explorer/nodes/library/ModelTypeExport.h"

#include <cstdio>
#include <functional>

#include "explorer/core/ExplorerObject.h"
#include "explorer/core/ExplorerWindow.h"
#include "explorer/core/QVExplorer.h"
#include "explorer/core/TypeAccess.h"
#include "explorer/packaging/ExplorerFileDialog.h"
#include "host/framework/CRBaseApp.h"
#include "host/framework/CRQVDocument.h"
#include "host/language/Exporter.h"
#include "host/store/IFRoot.h"
#include "platform/PrivateTempDirectory.h"
#include "platform/SafeFile.h"
#include "platform/TextCompare.h"

namespace {

constexpr const char* kExportTitle = "Export";
constexpr const char* kExportFailedText = "Export failed.";
constexpr const char* kCustomModelingLabel = "Custom Modeling";
constexpr const char* kCustomModelingFileName = "CustomModeling.ktrf";

std::string ExtensionOf(const std::string& path) {
  const std::string::size_type slash = path.find_last_of("/\\");
  const std::string::size_type dot = path.rfind('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
  return path.substr(dot + 1);
}

void ReportFailure() { CQVExplorer::ShowMessage(kExportFailedText, kExportTitle, MB_ICONEXCLAMATION); }

// A package writer that failed leaves no file behind that was not there before.
bool RunPackageWriter(const std::string& path, const std::function<HRESULT()>& write) {
  const bool existed = IdentityOf(path).exists;
  if (SUCCEEDED(write())) return true;
  if (!existed) std::remove(path.c_str());
  return false;
}

bool ExportSettings(int& first, int& second, int& third) {
  CRQVDocument* document = CQVExplorer::GetCurrentDocument();
  return document && SUCCEEDED(document->GetExportedModelsSettings(first, second, third));
}


bool WriteTextDefinition(IFType* type, const std::string& path) {
  std::string text;
  if (FAILED(QVExportType(type, text))) return false;
  return ReplaceFileContents(path, text) == 0;
}

bool WriteExportPackage(IFType* type, const std::string& path, IExplorerWindow* window) {
  int first = 0, second = 0, third = 0;
  if (!ExportSettings(first, second, third)) return false;
  // The package carries the file under its own name; it is written where no file of the user's can be.
  CPrivateTempDirectory scratch;
  std::string customFile;
  CExplorerObject* customModeling = window ? window->FindTopLevelNode(kCustomModelingLabel) : nullptr;
  const bool written = scratch.IsValid() && CExplorerObject::IsLive(customModeling) &&
                       ExportCustomModelingFile(customModeling->GetType(), scratch.Path(), customFile);
  return RunPackageWriter(path, [&] {
    return QVExportTypeDLL(type, path, first, second, third, 1, written ? customFile : std::string());
  });
}

bool WriteInstallationPackage(IFType* type, const std::string& path, int dll) {
  int first = 0, second = 0, third = 0;
  if (!ExportSettings(first, second, third)) return false;
  return RunPackageWriter(path, [&] { return QVExportType(type, path, first, second, third, dll, 0); });
}

}  // namespace

std::string ModelExportFilter(int mode) {
  switch (mode) {
    case 1:
      return "Kestrane Language (*.ktrf)|*.ktrf||";
    case 2:
      return "Model Installation Package (*.msi)|*.msi||";
    case 3:
      return "Model Export Package (*.rmplz)|*.rmplz||";
    default:
      return "Kestrane Language (*.ktrf)|*.ktrf|Model Installation Package (*.msi)|*.msi||";
  }
}

bool ExportCustomModelingFile(IFInstance* customModeling, const std::string& folder, std::string& file) {
  CComPtr<IFRoot> root = ComQuery<IFRoot>(type_access::TypeOf(customModeling));
  if (!root || folder.empty()) return false;
  file = folder + "/" + kCustomModelingFileName;
  std::string text;
  if (FAILED(QVExportLibrary(root, text))) return false;
  return ReplaceFileContents(file, text) == 0;
}

void ExportModelType(IFType* type, const std::string& modelName, int mode, IExplorerWindow* window) {
  if (!type) return;
  CRBaseApp* app = CRBaseApp::GetApp();
  CExplorerFileDialog dialog(false, app ? app->GetDefaultExtension() : std::string(), modelName,
                             OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, ModelExportFilter(mode));
  if (CExplorerHelperFileDialog* inner = dialog.GetHelperDialog()) inner->m_ofn.lpstrTitle = kExportTitle;
  if (dialog.DoModal() != IDOK) return;
  const std::string path = dialog.GetPathName();
  if (path.empty()) return;
  const std::string extension = ExtensionOf(path);
  bool ok = true;
  if (CompareNoCase(extension, "ktrf") == 0) {
    ok = WriteTextDefinition(type, path);
  } else if (CompareNoCase(extension, "rmplz") == 0) {
    ok = WriteExportPackage(type, path, window);
  } else if (CompareNoCase(extension, "dll") == 0 || CompareNoCase(extension, "msi") == 0) {
    ok = WriteInstallationPackage(type, path, CompareNoCase(extension, "dll") == 0 ? 1 : 0);
  }
  if (!ok) ReportFailure();
}
