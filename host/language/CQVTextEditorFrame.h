// The host's text editor: opens a definition's modelling-language text in an
// editor window where it is edited, compiled and saved back into the type.
// FE_NOSERVICE while no editor is installed (HostService<IQVTextEditor>).
#pragma once

#include <string>

#include "host/com/HostService.h"
#include "platform/Types.h"

struct IFInstance;
struct IFType;
struct IFTypeDesc;

class IQVTextEditor {
 public:
  virtual ~IQVTextEditor() = default;
  virtual HRESULT Launch(IFType* palette, IFType* type, const std::string& title, DWORD kind, bool readOnly,
                         int option) = 0;
  virtual HRESULT Launch(IFInstance* owner, IFTypeDesc* type, const std::string& title, DWORD kind, bool readOnly,
                         int option) = 0;
  virtual void RegisterDocumentTemplates() = 0;
};

class CQVTextEditorFrame {
 public:
  // Edits type, held by the palette whose owner type is palette (may be null),
  // under title. kind: QV_KIND_* (TypeKinds.h). A null type opens a new
  // definition called title of that kind. option as given.
  static HRESULT Launch(IFType* palette, IFType* type, const std::string& title, DWORD kind, bool readOnly,
                        int option);
  // Edits a definition owned by an instance (a script or task of a flowsheet or block).
  static HRESULT Launch(IFInstance* owner, IFTypeDesc* type, const std::string& title, DWORD kind, bool readOnly,
                        int option);
};

// Registers the editor's window templates with the application (done once at start-up).
void QVTextEditor_RegisterDocumentTemplates();
