#include "explorer/nodes/simulation/QVEOUOM.h"

#include "explorer/core/ContextMenuBuilder.h"
#include "explorer/core/ExplorerCommands.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/core/QVExplorer.h"
#include "explorer/resources/CommandIds.h"
#include "explorer/resources/IconIds.h"
#include "explorer/resources/StringIds.h"
#include "host/framework/CRQVDocument.h"
#include "platform/ImageList.h"
#include "platform/Resources.h"
#include "platform/TextCompare.h"

namespace {

constexpr int kCurrentSetOverlay = 2;

}  // namespace

CQVEOUOM::CQVEOUOM(const std::string& setName, CWnd* owner)
    : CExplorerObject(ForType{}, nullptr, IDI_UNIT_OF_MEASUREMENT_SET, IDI_UNIT_OF_MEASUREMENT_SET, owner, 0),
      m_setName(setName) {}

const GUID& CQVEOUOM::ClassID() { return CLSID_QVEOUOM; }

int CQVEOUOM::GetClassName(std::string& name) {
  name = LoadStringOrEmpty(IDS_UOM);
  return !name.empty();
}

CExplorerObject* CQVEOUOM::Clone() { return new CQVEOUOM(m_setName, GetOwner()); }

int CQVEOUOM::GetDisplayText(EOAspect aspect, std::string& text) {
  if (aspect == EOAspectName) {
    text = m_setName;
    return 1;
  }
  if (aspect == EOAspectType) return GetClassName(text);
  return 0;
}

int CQVEOUOM::BuildContextMenu(CMenu& menu) {
  CContextMenuBuilder build(*this, menu);
  build.Add(ID_EXPLORER_MAKE_CURRENT);
  return 1;
}

int CQVEOUOM::CanDoCommand(UINT id) { return id == ID_EXPLORER_MAKE_CURRENT; }

void CQVEOUOM::DoCommand(UINT id) {
  if (id == ID_EXPLORER_DEFAULT_ACTION || id == ID_EXPLORER_MAKE_CURRENT) SetAsCurrentUOM();
}

void CQVEOUOM::SetAsCurrentUOM() {
  if (CRQVDocument* document = CQVExplorer::GetCurrentDocument()) document->SelectUOMSet(m_setName);
}

int CQVEOUOM::GetOverlay(int& state) {
  state = 0;
  CRQVDocument* document = CQVExplorer::GetCurrentDocument();
  if (!document || CompareNoCase(m_setName, document->CurrentUOMSet()) != 0) return 0;
  state = static_cast<int>(INDEXTOOVERLAYMASK(kCurrentSetOverlay));
  return 1;
}
