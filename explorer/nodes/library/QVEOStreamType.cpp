#include "explorer/nodes/library/QVEOStreamType.h"

#include "explorer/core/ExplorerClipboardFormats.h"
#include "explorer/core/ExplorerCommands.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/dialogs/QVNamedObjectPropertySheet.h"
#include "explorer/nodes/library/LibraryMenuCommands.h"
#include "explorer/resources/CommandIds.h"
#include "explorer/resources/IconIds.h"
#include "explorer/resources/StringIds.h"
#include "platform/Resources.h"

const GUID& CQVEOStreamType::ClassID() { return CLSID_QVEOStreamType; }

CQVEOStreamType::CQVEOStreamType(IFInstance* type, CExplorerExclusionList* exclusionList, CWnd* owner, int readOnly)
    : CQVExplorerModelTypeObject(type, exclusionList, IDI_OPEN_STREAM_TYPE, IDI_STREAM_TYPE, owner, readOnly) {}

CQVEOStreamType::CQVEOStreamType(IFTypeDesc* typeDesc, CExplorerExclusionList* exclusionList, CWnd* owner,
                                 int readOnly)
    : CQVExplorerModelTypeObject(typeDesc, exclusionList, IDI_OPEN_STREAM_TYPE, IDI_STREAM_TYPE, owner, readOnly) {}

int CQVEOStreamType::GetClassName(std::string& name) {
  name = LoadStringOrEmpty(IDS_STREAM_TYPE);
  return !name.empty();
}

CExplorerObject* CQVEOStreamType::Clone() {
  if (m_pType) return new CQVEOStreamType(m_pType.Get(), m_pExclusionList, m_pOwner, m_bReadOnly);
  return new CQVEOStreamType(m_pTypeDesc.Get(), m_pExclusionList, m_pOwner, m_bReadOnly);
}

int CQVEOStreamType::GetDisplayText(EOAspect aspect, std::string& text) {
  if (aspect != EOAspectType) return CQVExplorerModelTypeObject::GetDisplayText(aspect, text);
  text = LoadStringOrEmpty(IDS_STREAM_TYPE_TEXT);
  return !text.empty();
}

ModelContentsShape CQVEOStreamType::ContentsShape() {
  ModelContentsShape shape;
  shape.addIcon = false;
  return shape;
}

int CQVEOStreamType::BuildContextMenu(CMenu& menu) {
  CContextMenuBuilder build(*this, menu);
  if (IsEditable()) {
    AddMenuCommand(build, ID_EXPLORER_EXPLORE);
    AddMenuCommand(build, ID_EXPLORER_EXPORT);
    AddMenuCommand(build, ID_EXPLORER_UPDATE_TO_CUSTOM_MODEL);
    build.AddSeparator();
    AddMenuCommand(build, ID_EXPLORER_EDIT);
    AddMenuCommand(build, ID_EXPLORER_RENAME);
    AddMenuCommand(build, ID_EXPLORER_DELETE);
    build.AddSeparator();
    bool added = AddMenuCommand(build, ID_EXPLORER_COPY);
    if (ClipboardOffersAny({CF_EXPLORER_FORM_DEFINITION, CF_EXPLORER_SCRIPT}))
      added = AddMenuCommand(build, ID_EXPLORER_PASTE) || added;
    if (added) build.AddSeparator();
    AddMenuCommand(build, ID_EXPLORER_COMPILE);
    build.AddSeparator();
    AddMenuCommand(build, ID_EXPLORER_PROPERTIES);
    return 1;
  }
  AddMenuCommand(build, ID_EXPLORER_EXPLORE);
  AddMenuCommand(build, ID_EXPLORER_EXPORT);
  build.AddSeparator();
  AddMenuCommand(build, ID_EXPLORER_EDIT);
  build.AddSeparator();
  AddMenuCommand(build, ID_EXPLORER_COPY);
  return 1;
}

int CQVEOStreamType::CanDoCommand(UINT id) {
  switch (id) {
    case ID_EXPLORER_PROPERTIES:
    case ID_EXPLORER_DELETE:
    case ID_EXPLORER_RENAME:
    case ID_EXPLORER_COMPILE:
    case ID_EXPLORER_UPDATE_TO_CUSTOM_MODEL:
      return IsEditable();
    case ID_EXPLORER_EDIT:
    case ID_EXPLORER_EXPLORE:
      return 1;
    case ID_EXPLORER_PASTE:
      return IsEditable() &&
             ClipboardOffersAny({CF_EXPLORER_FORM_DEFINITION, CF_EXPLORER_MODEL_TYPE, CF_EXPLORER_SCRIPT});
    case ID_EXPLORER_COPY:
    case ID_EXPLORER_EXPORT:
      return CQVExplorerModelTypeObject::CanDoCommand(id);
    default:
      return 0;
  }
}

void CQVEOStreamType::ShowProperties() {
  CQVNamedObjectPropertySheet sheet(IDS_STREAM_TYPE_PROPERTIES, this, "", m_bReadOnly);
  sheet.AddStreamTypePage(GetType());
  sheet.SetHelpTopic(IDS_HELP_FILE, IDS_HELP_STREAM_TYPE_PROPERTIES);
  sheet.DoModal();
}
