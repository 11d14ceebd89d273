#include "explorer/nodes/library/QVEOControllerType.h"

#include "explorer/core/NodeClassIds.h"
#include "explorer/resources/IconIds.h"
#include "explorer/resources/StringIds.h"
#include "platform/Resources.h"

const GUID& CQVEOControllerType::ClassID() { return CLSID_QVEOControllerType; }

CQVEOControllerType::CQVEOControllerType(IFInstance* type, CExplorerExclusionList* exclusionList, CWnd* owner, int readOnly)
    : CQVExplorerModelTypeObject(type, exclusionList, IDI_OPEN_CONTROLLER_TYPE, IDI_CONTROLLER_TYPE, owner, readOnly) {}

CQVEOControllerType::CQVEOControllerType(IFTypeDesc* typeDesc, CExplorerExclusionList* exclusionList, CWnd* owner,
                                         int readOnly)
    : CQVExplorerModelTypeObject(typeDesc, exclusionList, IDI_OPEN_CONTROLLER_TYPE, IDI_CONTROLLER_TYPE, owner,
                                 readOnly) {}

int CQVEOControllerType::GetClassName(std::string& name) {
  name = LoadStringOrEmpty(IDS_CONTROLLER_TYPE);
  return !name.empty();
}

CExplorerObject* CQVEOControllerType::Clone() {
  if (m_pType) return new CQVEOControllerType(m_pType.Get(), m_pExclusionList, m_pOwner, m_bReadOnly);
  return new CQVEOControllerType(m_pTypeDesc.Get(), m_pExclusionList, m_pOwner, m_bReadOnly);
}

int CQVEOControllerType::GetDisplayText(EOAspect aspect, std::string& text) {
  if (aspect != EOAspectType) return CQVExplorerModelTypeObject::GetDisplayText(aspect, text);
  text = LoadStringOrEmpty(IDS_CONTROLLER_TYPE_TEXT);
  return !text.empty();
}
