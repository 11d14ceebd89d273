#include "explorer/nodes/simulation/QVEOConfigure_Props.h"

#include "explorer/core/ContextMenuBuilder.h"
#include "explorer/core/ExplorerCommands.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/core/QVExplorer.h"
#include "explorer/resources/CommandIds.h"
#include "explorer/resources/IconIds.h"
#include "explorer/resources/StringIds.h"
#include "host/framework/CRQVDocument.h"
#include "host/services/IQVPhysicalProperties.h"
#include "platform/Resources.h"
#include "platform/Services.h"

CQVEOConfigure_Props::CQVEOConfigure_Props(CWnd* owner)
    : CExplorerObject(ForType{}, nullptr, IDI_CONFIGURE_PROPERTIES, IDI_CONFIGURE_PROPERTIES, owner, 0) {}

const GUID& CQVEOConfigure_Props::ClassID() { return CLSID_QVEOConfigure_Props; }

int CQVEOConfigure_Props::GetClassName(std::string& name) {
  name = LoadStringOrEmpty(IDS_CONFIGURE_PROPERTIES);
  return !name.empty();
}

CExplorerObject* CQVEOConfigure_Props::Clone() { return new CQVEOConfigure_Props(GetOwner()); }

int CQVEOConfigure_Props::GetDisplayText(EOAspect aspect, std::string& text) {
  if (aspect == EOAspectName) return GetClassName(text);
  if (aspect != EOAspectType) return 0;
  text.clear();
  return 1;
}

int CQVEOConfigure_Props::BuildContextMenu(CMenu& menu) {
  CContextMenuBuilder build(*this, menu);
  build.Add(ID_EXPLORER_OPEN, IDS_MENU_OPEN);
  return 1;
}

int CQVEOConfigure_Props::CanDoCommand(UINT id) { return id == ID_EXPLORER_OPEN; }

void CQVEOConfigure_Props::DoCommand(UINT id) {
  switch (id) {
    case ID_EXPLORER_DEFAULT_ACTION:
    case ID_EXPLORER_OPEN: {
      CRQVDocument* document = CQVExplorer::GetCurrentDocument();
      CComPtr<IQVPhysicalProperties> properties;
      if (document && SUCCEEDED(document->GetProperties(&properties)) && properties) properties->ShowConfiguration();
      break;
    }
    case ID_EXPLORER_COPY:
    case ID_EXPLORER_CUT:
    case ID_EXPLORER_PASTE:
      MessageBeep(0);
      break;
    default:
      break;
  }
}
