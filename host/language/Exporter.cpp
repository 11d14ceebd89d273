#include "host/language/Exporter.h"

#include "host/store/Status.h"

namespace {
IQVExporter* Exporter() { return HostService<IQVExporter>::Get(); }
}  // namespace

HRESULT QVExportType(IFType* type, std::string& text) {
  IQVExporter* e = Exporter();
  return e ? e->ExportType(type, text) : FE_NOSERVICE;
}

HRESULT QVExportType(IFType* type, const std::string& path, int setting1, int setting2, int setting3, int dll,
                     int option) {
  IQVExporter* e = Exporter();
  return e ? e->ExportTypePackage(type, path, setting1, setting2, setting3, dll, option) : FE_NOSERVICE;
}

HRESULT QVExportTypes(IFTypePalette* palette, DWORD kind, std::string& text) {
  IQVExporter* e = Exporter();
  return e ? e->ExportTypes(palette, kind, text) : FE_NOSERVICE;
}

HRESULT QVExportTypes(IFTypePalette* palette, REFIID selectingInterface, std::string& text) {
  IQVExporter* e = Exporter();
  return e ? e->ExportTypes(palette, selectingInterface, text) : FE_NOSERVICE;
}

HRESULT QVExportTypes(IFFolder* folder, std::string& text) {
  IQVExporter* e = Exporter();
  return e ? e->ExportTypes(folder, text) : FE_NOSERVICE;
}

HRESULT QVExportTypeDLL(IFType* type, const std::string& path, int setting1, int setting2, int setting3, int option,
                        const std::string& customModelingFile) {
  IQVExporter* e = Exporter();
  return e ? e->ExportTypeDLL(type, path, setting1, setting2, setting3, option, customModelingFile) : FE_NOSERVICE;
}

HRESULT QVExportLibrary(IFRoot* library, std::string& text) {
  IQVExporter* e = Exporter();
  return e ? e->ExportLibrary(library, text) : FE_NOSERVICE;
}

HRESULT QVExportDocument(IUnknown* root, const std::string& path) {
  IQVExporter* e = Exporter();
  return e ? e->ExportDocument(root, path) : FE_NOSERVICE;
}

HRESULT QVExportScripts(IFType* owner, std::string& text) {
  IQVExporter* e = Exporter();
  return e ? e->ExportScripts(owner, text) : FE_NOSERVICE;
}

HRESULT QVExportPatchExportDataAfterRename(IFType* type, const std::string& oldName, const std::string& newName) {
  IQVExporter* e = Exporter();
  return e ? e->PatchExportDataAfterRename(type, oldName, newName) : FE_NOSERVICE;
}

HRESULT QVPackageProperties(IFType* type) {
  IQVExporter* e = Exporter();
  return e ? e->PackageProperties(type) : FE_NOSERVICE;
}
