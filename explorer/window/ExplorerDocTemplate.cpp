#include "explorer/window/ExplorerDocTemplate.h"

#include <memory>

#include "explorer/core/ExplorerModule.h"
#include "explorer/core/ExplorerTemplateId.h"
#include "explorer/nodes/ExplorerNodeClasses.h"
#include "explorer/window/ExplorerFrame.h"
#include "host/language/CQVTextEditorFrame.h"
#include "host/framework/CRBaseApp.h"
#include "host/framework/CRDocTemplate.h"
#include "host/framework/CRDocument.h"

int ADInitDll() {
  ExplorerModule::Initialize();
  RegisterExplorerNodeClasses();
  CRBaseApp* app = CRBaseApp::GetApp();
  // One template per application, however often the module is started.
  if (app && !app->GetDocTemplate(CLSID_ExplorerTemplate)) {
    app->AddDocTemplate(std::make_unique<CRDocTemplate>(
        CLSID_ExplorerTemplate, IDR_EXPLORER_TEMPLATE, [] { return std::make_unique<CRDocument>(); },
        []() -> CFrameWnd* { return new CExplorerFrame; }));
  }
  QVTextEditor_RegisterDocumentTemplates();
  return 1;
}
