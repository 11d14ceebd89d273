#include "explorer/nodes/library/QVEOFlowsheetText.h"

#include "explorer/core/ExplorerCommands.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/core/TypeAccess.h"
#include "explorer/nodes/library/LibraryMenuCommands.h"
#include "explorer/resources/CommandIds.h"
#include "explorer/resources/IconIds.h"
#include "explorer/resources/StringIds.h"
#include "host/language/CQVTextEditorFrame.h"
#include "host/store/MwInstance.h"
#include "platform/Resources.h"
#include "platform/Services.h"

namespace {

constexpr DWORD kFlowsheetEditorKind = 0x40000;

}  // namespace

const GUID& CQVEOFlowsheetText::ClassID() { return CLSID_QVEOFlowsheetText; }

CQVEOFlowsheetText::CQVEOFlowsheetText(IFInstance* instance, CWnd* owner, int readOnly, int hierarchy)
    : CExplorerObject(ForInstance{}, instance, IDI_MODEL_TEXT, IDI_MODEL_TEXT, owner, readOnly),
      m_bHierarchy(hierarchy) {
  m_pFlowsheet = ComQuery<IRModelType>(instance);
  if (!m_pFlowsheet) m_pFlowsheet = ComQuery<IRModelType>(type_access::TypeOf(instance));
}

int CQVEOFlowsheetText::GetClassName(std::string& name) {
  name = LoadStringOrEmpty(IDS_FLOWSHEET_TEXT);
  return !name.empty();
}

CExplorerObject* CQVEOFlowsheetText::Clone() {
  return new CQVEOFlowsheetText(m_pInstance, m_pOwner, m_bReadOnly, m_bHierarchy);
}

int CQVEOFlowsheetText::IsValid() { return m_pInstance && MwInstance(m_pInstance.Get()).IsValid(); }

int CQVEOFlowsheetText::GetDisplayText(EOAspect aspect, std::string& text) {
  if (aspect == EOAspectName) text = LoadStringOrEmpty(m_bHierarchy ? IDS_HIERARCHY : IDS_FLOWSHEET);
  else if (aspect == EOAspectType) text = LoadStringOrEmpty(IDS_FLOWSHEET_TEXT);
  else return 0;
  return !text.empty();
}

int CQVEOFlowsheetText::BuildContextMenu(CMenu& menu) {
  CContextMenuBuilder build(*this, menu);
  AddMenuCommand(build, ID_EXPLORER_EDIT);
  return 1;
}

int CQVEOFlowsheetText::CanDoCommand(UINT id) { return id == ID_EXPLORER_EDIT; }

void CQVEOFlowsheetText::DoCommand(UINT id) {
  switch (id) {
    case ID_EXPLORER_DEFAULT_ACTION:
    case ID_EXPLORER_EDIT:
      OpenText();
      break;
    case ID_EXPLORER_COPY:
    case ID_EXPLORER_CUT:
    case ID_EXPLORER_PASTE:
      MessageBeep(0);
      break;
    default:
      break;
  }
}

void CQVEOFlowsheetText::OpenText() {
  if (!m_pInstance) return;
  std::string title;
  if (m_bHierarchy) {
    MwInstance(m_pInstance.Get()).StringPath(title);
  } else {
    GetDisplayText(EOAspectName, title);
  }
  CComPtr<IFTypeDesc> desc = type_access::DescriptorOf(type_access::TypeOf(m_pInstance));
  CQVTextEditorFrame::Launch(m_pInstance.Get(), desc.Get(), title, kFlowsheetEditorKind, m_bReadOnly != 0, 0);
}
