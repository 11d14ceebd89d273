#include "explorer/nodes/flowsheet/QVEOStream.h"

#include "explorer/core/ContextMenuBuilder.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/resources/CommandIds.h"
#include "explorer/resources/IconIds.h"
#include "explorer/resources/StringIds.h"
#include "platform/Resources.h"

namespace {

constexpr std::size_t kMaxDescriptionLength = 255;

}  // namespace

CQVEOStream::CQVEOStream(IFInstance* instance, CExplorerExclusionList* exclusionList, CWnd* owner)
    : CQVExplorerModelInstanceObject(instance, exclusionList, IDI_OPEN_STREAM, IDI_STREAM, owner) {}

const GUID& CQVEOStream::ClassID() { return CLSID_QVEOStream; }

int CQVEOStream::GetClassName(std::string& name) {
  name = LoadStringOrEmpty(IDS_STREAM);
  return !name.empty();
}

CExplorerObject* CQVEOStream::Clone() { return new CQVEOStream(m_pInstance, m_pExclusionList, GetOwner()); }

int CQVEOStream::GetDisplayText(EOAspect aspect, std::string& text) {
  if (aspect != EOAspectDescription) return CQVExplorerModelInstanceObject::GetDisplayText(aspect, text);
  if (!m_pModel || FAILED(m_pModel->GetDescription(text))) return 0;
  text = text.substr(0, kMaxDescriptionLength);
  return 1;
}

int CQVEOStream::BuildContextMenu(CMenu& menu) {
  CContextMenuBuilder build(*this, menu);
  build.Add(ID_EXPLORER_EXPLORE, IDS_MENU_EXPLORE);
  build.Add(ID_EXPLORER_FIND, IDS_MENU_FIND);
  build.AddSeparator();
  AddUnitEditEntries(build);
  return 1;
}

int CQVEOStream::CanDoCommand(UINT id) {
  switch (id) {
    case ID_EXPLORER_PROPERTIES:
    case ID_EXPLORER_EXPLORE:
    case ID_EXPLORER_COPY:
    case ID_EXPLORER_FIND:
      return 1;
    case ID_EXPLORER_CUT:
      return !FlowsheetIsLocked();
    case ID_EXPLORER_RENAME:
      return IsInTopFlowsheet() && !FlowsheetIsLocked();
    default:
      return 0;
  }
}

void CQVEOStream::DoCommand(UINT id) {
  if (!DoUnitCommand(id) && id == ID_EXPLORER_PROPERTIES) ShowProperties(IDS_STREAM_PROPERTIES);
}

int CQVEOStream::DontEditLabel() { return IsInTopFlowsheet() ? 0 : 1; }

int CQVEOStream::EditLabel(std::string newName) { return EditUnitLabel(newName, true); }
