// The host's exporters (QVExport...): definitions as modelling-language text
// that the file reader takes back (one type, the types of a kind, a folder,
// a whole library, the scripts of an owner), the whole simulation as a
// simulation file, and model packages: a package file holds the model, what
// it owns, the definitions of the same library it needs, the libraries it
// uses, the package settings and attached files (the custom-modeling types),
// and opens as a library.
#pragma once

#include <string>

#include "host/language/Exporter.h"
#include "workbench/files/FileContents.h"

class CStoreType;

class CFileExporter : public IQVExporter {
 public:
  HRESULT ExportType(IFType* type, std::string& text) override;
  HRESULT ExportTypePackage(IFType* type, const std::string& path, int setting1, int setting2, int setting3, int dll,
                            int option) override;
  HRESULT ExportTypes(IFTypePalette* palette, DWORD kind, std::string& text) override;
  HRESULT ExportTypes(IFTypePalette* palette, REFIID selectingInterface, std::string& text) override;
  HRESULT ExportTypes(IFFolder* folder, std::string& text) override;
  HRESULT ExportTypeDLL(IFType* type, const std::string& path, int setting1, int setting2, int setting3, int option,
                        const std::string& customModelingFile) override;
  HRESULT ExportLibrary(IFRoot* library, std::string& text) override;
  HRESULT ExportDocument(IUnknown* root, const std::string& path) override;
  HRESULT ExportScripts(IFType* owner, std::string& text) override;
  HRESULT PatchExportDataAfterRename(IFType* type, const std::string& oldName, const std::string& newName) override;
  HRESULT PackageProperties(IFType* type) override;

  // The package of a model as file contents (format: "rmplz", "msi" or "dll").
  static FileContents PackageContents(CStoreType& model, const std::string& format, int setting1, int setting2,
                                      int setting3, int option);
};

// Whether a type belongs to an export kind selector (QV_KIND_* of TypeKinds.h).
bool TypeMatchesExportKind(const CStoreType& type, DWORD kind);
