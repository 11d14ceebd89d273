// The host's exporters: definitions as modelling-language text, model packages,
// libraries and the whole simulation. Text exports append to a string that the
// caller writes to its file (atomically); package and document exports write
// the file at path themselves. FE_NOSERVICE while no exporter is installed
// (HostService<IQVExporter>). Settings and flags are passed as given.
#pragma once

#include <string>

#include "host/com/HostService.h"
#include "host/com/Unknown.h"

struct IFFolder;
struct IFRoot;
struct IFType;
struct IFTypePalette;

class IQVExporter {
 public:
  virtual ~IQVExporter() = default;
  virtual HRESULT ExportType(IFType* type, std::string& text) = 0;
  virtual HRESULT ExportTypePackage(IFType* type, const std::string& path, int setting1, int setting2,
                                    int setting3, int dll, int option) = 0;
  virtual HRESULT ExportTypes(IFTypePalette* palette, DWORD kind, std::string& text) = 0;
  virtual HRESULT ExportTypes(IFTypePalette* palette, REFIID selectingInterface, std::string& text) = 0;
  virtual HRESULT ExportTypes(IFFolder* folder, std::string& text) = 0;
  virtual HRESULT ExportTypeDLL(IFType* type, const std::string& path, int setting1, int setting2, int setting3,
                                int option, const std::string& customModelingFile) = 0;
  virtual HRESULT ExportLibrary(IFRoot* library, std::string& text) = 0;
  virtual HRESULT ExportDocument(IUnknown* root, const std::string& path) = 0;
  virtual HRESULT ExportScripts(IFType* owner, std::string& text) = 0;
  virtual HRESULT PatchExportDataAfterRename(IFType* type, const std::string& oldName, const std::string& newName) = 0;
  virtual HRESULT PackageProperties(IFType* type) = 0;
};

// One type's definition.
HRESULT QVExportType(IFType* type, std::string& text);
// A model as an installation package (dll 0, ".msi") or a library package (dll 1, ".dll").
HRESULT QVExportType(IFType* type, const std::string& path, int setting1, int setting2, int setting3, int dll,
                     int option);
// The palette's types of a kind (QV_KIND_* of TypeKinds.h).
HRESULT QVExportTypes(IFTypePalette* palette, DWORD kind, std::string& text);
// The palette's types that answer an interface (IID_IQVPortType for port types).
HRESULT QVExportTypes(IFTypePalette* palette, REFIID selectingInterface, std::string& text);
// Every type held in a folder and its sub-folders.
HRESULT QVExportTypes(IFFolder* folder, std::string& text);
// A model export package (".rmplz") with, when given, the custom-modeling types file beside it.
HRESULT QVExportTypeDLL(IFType* type, const std::string& path, int setting1, int setting2, int setting3, int option,
                        const std::string& customModelingFile);
// A library, or the simulation's own types, as one text.
HRESULT QVExportLibrary(IFRoot* library, std::string& text);
// The whole simulation (root: the document's root model).
HRESULT QVExportDocument(IUnknown* root, const std::string& path);
// The scripts an owner holds.
HRESULT QVExportScripts(IFType* owner, std::string& text);
// Keeps a model's export package settings after its name changed.
HRESULT QVExportPatchExportDataAfterRename(IFType* type, const std::string& oldName, const std::string& newName);
// The host's dialog of a model's or structure's export package properties.
HRESULT QVPackageProperties(IFType* type);
