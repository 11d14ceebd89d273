#include "explorer/nodes/library/QVEOModelText.h"

#include "explorer/core/ExplorerCommands.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/core/QVExplorer.h"
#include "explorer/core/TypeAccess.h"
#include "explorer/nodes/library/LibraryMenuCommands.h"
#include "explorer/resources/CommandIds.h"
#include "explorer/resources/IconIds.h"
#include "explorer/resources/StringIds.h"
#include "host/language/CQVTextEditorFrame.h"
#include "host/store/IFNaming.h"
#include "host/store/IFTypePalette.h"
#include "platform/Resources.h"
#include "platform/Services.h"

namespace {

constexpr DWORD kModelEditorKind = 0x20000;

}  // namespace

const GUID& CQVEOModelText::ClassID() { return CLSID_QVEOModelText; }

CQVEOModelText::CQVEOModelText(IFInstance* model, CWnd* owner, int readOnly)
    : CExplorerObject(ForType{}, model, IDI_MODEL_TEXT, IDI_MODEL_TEXT, owner, readOnly) {}

int CQVEOModelText::GetClassName(std::string& name) {
  name = LoadStringOrEmpty(IDS_MODEL_TEXT);
  return !name.empty();
}

CExplorerObject* CQVEOModelText::Clone() { return new CQVEOModelText(m_pType, m_pOwner, m_bReadOnly); }

int CQVEOModelText::GetDisplayText(EOAspect aspect, std::string& text) {
  if (aspect == EOAspectName) {
    text.clear();
    if (CComPtr<IFNaming> naming = ComQuery<IFNaming>(type_access::TypeOf(GetType()))) naming->GetName(text);
    if (text.empty()) text = LoadStringOrEmpty(IDS_MODEL_TEXT);
  } else if (aspect == EOAspectType) {
    text = LoadStringOrEmpty(IDS_MODEL_TEXT);
  } else {
    return 0;
  }
  return !text.empty();
}

int CQVEOModelText::BuildContextMenu(CMenu& menu) {
  CContextMenuBuilder build(*this, menu);
  AddMenuCommand(build, ID_EXPLORER_EDIT);
  AddMenuCommand(build, ID_EXPLORER_COMPILE);
  return 1;
}

int CQVEOModelText::CanDoCommand(UINT id) { return id == ID_EXPLORER_EDIT || id == ID_EXPLORER_COMPILE; }

void CQVEOModelText::DoCommand(UINT id) {
  CComPtr<IFType> model = type_access::TypeOf(GetType());
  switch (id) {
    case ID_EXPLORER_DEFAULT_ACTION:
    case ID_EXPLORER_EDIT: {
      if (!model) return;
      CComPtr<IFType> paletteOwner;
      if (CComPtr<IFTypePalette> palette = type_access::HoldingPaletteOf(model)) palette->GetOwnerType(&paletteOwner);
      CQVTextEditorFrame::Launch(paletteOwner, model, type_access::NameOf(model), kModelEditorKind, m_bReadOnly != 0,
                                 0);
      break;
    }
    case ID_EXPLORER_COMPILE:
      if (model) CQVExplorer::Compile(model, 1, 0);
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
