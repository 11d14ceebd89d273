#include "workbench/export/FileExporter.h"

#include <set>

#include "host/framework/CRBaseApp.h"
#include "host/language/TypeKinds.h"
#include "host/store/IFFolder.h"
#include "host/store/IFRoot.h"
#include "host/store/Status.h"
#include "platform/SafeFile.h"
#include "platform/UserInterface.h"
#include "workbench/document/DocumentFiles.h"
#include "workbench/document/StoreContents.h"
#include "workbench/document/WorkbenchDocument.h"
#include "workbench/files/FileFormat.h"
#include "workbench/files/FileWriter.h"
#include "workbench/language/TextCase.h"
#include "workbench/store/StoreFolder.h"
#include "workbench/store/StorePalette.h"
#include "workbench/store/StoreType.h"

namespace {

// Packages and attachments larger than this are not model files.
constexpr std::size_t kMaxAttachment = 64u * 1024u * 1024u;

CWorkbenchDocument* CurrentDocument() {
  CRBaseApp* app = CRBaseApp::GetApp();
  return app ? dynamic_cast<CWorkbenchDocument*>(app->GetCurrentDocument()) : nullptr;
}

// The chosen types of a palette (and what they own), in the palette's order.
FileContents Selection(CStorePalette& palette, const std::set<std::string>& lowerNames, FileKind kind) {
  std::vector<CStoreType*> chosen;
  for (const CComPtr<CStoreType>& type : palette.Types())
    if (lowerNames.count(LowerAscii(type->Name()))) chosen.push_back(type);
  FileContents out;
  out.kind = kind;
  ContentsFromTypes(chosen, out);
  return out;
}

HRESULT AppendText(const FileContents& contents, std::string& text) {
  std::string written;
  FileProblem problem;
  if (!WriteFileContents(contents, written, problem)) return FE_BADFILE;
  // Several exports may go into one file: keep a line feed between them.
  if (!text.empty() && text.back() != '\n') text += '\n';
  text += written;
  return S_OK;
}

HRESULT ExportSelected(const std::vector<CStoreType*>& types, std::string& text) {
  FileContents contents;
  contents.kind = FileKind::Definitions;
  ContentsFromTypes(types, contents);
  return AppendText(contents, text);
}

void CollectFolderTypes(CStoreFolder& folder, std::vector<CStoreType*>& out) {
  for (const CComPtr<CStoreType>& item : folder.Items()) out.push_back(item);
  for (const CComPtr<CStoreFolder>& sub : folder.SubFolders()) CollectFolderTypes(*sub, out);
}

// The model and the definitions of its own palette that it needs, following references.
std::set<std::string> NeededNames(CStoreType& model) {
  std::set<std::string> names{LowerAscii(model.Name())};
  CStorePalette* palette = model.HoldingPalette();
  std::vector<CStoreType*> pending{&model};
  while (!pending.empty()) {
    CStoreType* type = pending.back();
    pending.pop_back();
    for (const std::string& referenced : type->ReferencedNames()) {
      CStoreType* found = palette ? palette->Find(referenced) : nullptr;
      if (found && names.insert(LowerAscii(found->Name())).second) pending.push_back(found);
    }
  }
  return names;
}

HRESULT WritePackage(FileContents contents, const std::string& path) {
  FileProblem problem;
  if (!SaveFileContents(contents, path, problem)) {
    if (CWorkbenchDocument* document = CurrentDocument()) document->OutputMessage(problem.Describe() + "\n", -1, 0);
    return FE_BADFILE;
  }
  return S_OK;
}

}  // namespace

bool TypeMatchesExportKind(const CStoreType& type, DWORD kind) {
  switch (type.Kind()) {
    case StoreKind::Script: return kind == QV_KIND_SCRIPT;
    case StoreKind::Variable: return kind == QV_KIND_VARIABLE_TYPE;
    case StoreKind::Parameter: return kind == QV_KIND_PARAMETER_TYPE;
    case StoreKind::Port: return kind == QV_KIND_PORT_TYPE;
    case StoreKind::Stream: return kind == QV_KIND_STREAM_TYPE;
    case StoreKind::Model:
    case StoreKind::Controller: return kind == QV_KIND_MODEL;
    case StoreKind::Flowsheet: return kind == QV_KIND_FLOWSHEET;
    case StoreKind::Task: return kind == QV_KIND_TASK;
    case StoreKind::Procedure:
    case StoreKind::Function: return kind == QV_KIND_PROCEDURE;
    case StoreKind::Structure: return kind == QV_KIND_STRUCTURE;
    default: return false;
  }
}

FileContents CFileExporter::PackageContents(CStoreType& model, const std::string& format, int setting1, int setting2,
                                            int setting3, int option) {
  CStorePalette* palette = model.HoldingPalette();
  FileContents contents =
      palette ? Selection(*palette, NeededNames(model), FileKind::Package) : FileContents{};
  contents.kind = FileKind::Package;
  if (palette)
    for (CStoreType* library : palette->UsedLibraries()) contents.libraries.push_back(library->FileName());
  FilePackageDescription package;
  package.model = model.Name();
  package.format = format;
  package.settings = {setting1, setting2, setting3};
  package.option = option;
  contents.package = std::move(package);
  return contents;
}

HRESULT CFileExporter::ExportType(IFType* type, std::string& text) {
  CStoreType* t = type ? StoreTypeOf(type) : nullptr;
  if (!t || !t->IsUsable()) return E_INVALIDARG;
  if (t->Kind() == StoreKind::Script) {
    if (!text.empty() && text.back() != '\n') text += '\n';
    text += t->Text();
    return S_OK;
  }
  return ExportSelected({t}, text);
}

HRESULT CFileExporter::ExportTypes(IFTypePalette* palette, DWORD kind, std::string& text) {
  auto* p = dynamic_cast<CStorePalette*>(palette);
  if (!p) return E_INVALIDARG;
  std::vector<CStoreType*> chosen;
  for (const CComPtr<CStoreType>& type : p->Types())
    if (TypeMatchesExportKind(*type, kind)) chosen.push_back(type);
  return ExportSelected(chosen, text);
}

HRESULT CFileExporter::ExportTypes(IFTypePalette* palette, REFIID selectingInterface, std::string& text) {
  auto* p = dynamic_cast<CStorePalette*>(palette);
  if (!p) return E_INVALIDARG;
  std::vector<CStoreType*> chosen;
  for (const CComPtr<CStoreType>& type : p->Types()) {
    CComPtr<IUnknown> answer;
    if (SUCCEEDED(type->QueryInterface(selectingInterface, reinterpret_cast<void**>(&answer))) && answer)
      chosen.push_back(type);
  }
  return ExportSelected(chosen, text);
}

HRESULT CFileExporter::ExportTypes(IFFolder* folder, std::string& text) {
  auto* f = dynamic_cast<CStoreFolder*>(folder);
  if (!f) return E_INVALIDARG;
  std::vector<CStoreType*> chosen;
  CollectFolderTypes(*f, chosen);
  return ExportSelected(chosen, text);
}

HRESULT CFileExporter::ExportLibrary(IFRoot* library, std::string& text) {
  CStoreType* owner = library ? StoreTypeOf(library) : nullptr;
  if (!owner || !owner->OwnedPalette()) return E_INVALIDARG;
  return AppendText(LibraryContents(*owner, ""), text);
}

HRESULT CFileExporter::ExportDocument(IUnknown* root, const std::string& path) {
  CStoreType* simulation = root ? StoreTypeOf(root) : nullptr;
  CStore* store = simulation ? simulation->Store() : nullptr;
  if (!store) return E_INVALIDARG;
  FileSettings settings;
  std::vector<FilePackageData> packages;
  if (CWorkbenchDocument* document = CurrentDocument(); document && &document->Store() == store) {
    settings = document->Settings();
    settings.groupsPerPage = document->m_ApplicationSettings.m_iGroupsPerPage;
    settings.scriptDoubleClick = document->m_ApplicationSettings.m_iScriptDoubleClick;
    settings.taskDoubleClick = document->m_ApplicationSettings.m_iTaskDoubleClick;
    packages = document->Packages();
  }
  FileProblem problem;
  return SaveSimulation(*store, settings, packages, path, problem) ? S_OK : FE_BADFILE;
}

HRESULT CFileExporter::ExportScripts(IFType* owner, std::string& text) {
  CStoreType* o = owner ? StoreTypeOf(owner) : nullptr;
  if (!o) return E_INVALIDARG;
  FileContents contents;
  contents.kind = FileKind::Definitions;
  FileOwnedItems& items = contents.OwnedBy("");
  for (const CComPtr<CStoreType>& script : o->OwnedOfKind(StoreKind::Script))
    items.scripts.push_back(FileScript{script->Name(), script->Text()});
  return AppendText(contents, text);
}

HRESULT CFileExporter::ExportTypePackage(IFType* type, const std::string& path, int setting1, int setting2,
                                         int setting3, int dll, int option) {
  CStoreType* model = type ? StoreTypeOf(type) : nullptr;
  if (!model || !model->IsUsable()) return E_INVALIDARG;
  const std::string format(dll ? kLibraryPackageExtension : kInstallationPackageExtension);
  return WritePackage(PackageContents(*model, format, setting1, setting2, setting3, option), path);
}

HRESULT CFileExporter::ExportTypeDLL(IFType* type, const std::string& path, int setting1, int setting2, int setting3,
                                     int option, const std::string& customModelingFile) {
  CStoreType* model = type ? StoreTypeOf(type) : nullptr;
  if (!model || !model->IsUsable()) return E_INVALIDARG;
  FileContents contents = PackageContents(*model, std::string(kModelExportPackageExtension), setting1, setting2,
                                          setting3, option);
  if (!customModelingFile.empty()) {
    const FileImage image = ReadFileImage(customModelingFile, kMaxAttachment);
    if (!image.identity.exists || image.error != 0 || image.truncated || !image.regular) return FE_BADFILE;
    const std::string leaf = customModelingFile.substr(customModelingFile.find_last_of("/\\") + 1);
    contents.package->attachments.push_back(FileScript{leaf, image.bytes});
  }
  return WritePackage(std::move(contents), path);
}

HRESULT CFileExporter::PatchExportDataAfterRename(IFType* /*type*/, const std::string& oldName,
                                                  const std::string& newName) {
  CWorkbenchDocument* document = CurrentDocument();
  FilePackageData* data = document ? document->FindPackageData(oldName) : nullptr;
  if (!data) return S_FALSE;
  data->model = newName;
  document->SetModifiedFlag(true);
  return S_OK;
}

HRESULT CFileExporter::PackageProperties(IFType* type) {
  CStoreType* model = type ? StoreTypeOf(type) : nullptr;
  CWorkbenchDocument* document = CurrentDocument();
  if (!model || !document) return E_INVALIDARG;
  if (!document->FindPackageData(model->Name())) document->Packages().push_back(FilePackageData{model->Name(), model->Name(), "1.0", {}});
  document->Actions().Record("dialog: Package Properties " + model->Name());
  return S_OK;
}
