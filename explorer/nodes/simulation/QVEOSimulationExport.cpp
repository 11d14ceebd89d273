// Exporting the whole simulation: the document's file without its extension
// as the initial name, written by the host's document exporter.
#include <string>

#include "explorer/core/QVExplorer.h"
#include "explorer/nodes/simulation/QVEOSimulation.h"
#include "explorer/packaging/ExportToFile.h"
#include "host/framework/CRQVDocument.h"
#include "host/language/Exporter.h"

namespace {

// path without the extension of its last component (a dot in a directory name is not one).
std::string WithoutExtension(const std::string& path) {
  const std::size_t dot = path.rfind('.');
  const std::size_t slash = path.find_last_of("/\\");
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return path;
  return path.substr(0, dot);
}

}  // namespace

void CQVEOSimulation::Export() {
  CRQVDocument* document = CQVExplorer::GetCurrentDocument();
  if (!document) return;
  std::string path;
  if (!ChooseExportFile(WithoutExtension(document->GetPathName()), path)) return;
  CComPtr<IUnknown> root;
  if (SUCCEEDED(document->GetRootModel(&root)) && root) QVExportDocument(root, path);
}
