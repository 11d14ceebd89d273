#include "explorer/nodes/library/QVEOControllerType.h"

#include "explorer/core/NodeClassIds.h"
#include "platform/Resources.h"

namespace {

constexpr UINT kOpenIcon = 13575;
constexpr UINT kIcon = 13574;
constexpr UINT kClassNameId = 53573;  // "Controller Type"
constexpr UINT kTypeTextId = 53568;   // "Controller Type"

}  // namespace

const GUID& CQVEOControllerType::ClassID() { return CLSID_QVEOControllerType; }

CQVEOControllerType::CQVEOControllerType(IFInstance* type, CExplorerExclusionList* exclusionList, CWnd* owner, int readOnly)
    : CQVExplorerModelTypeObject(type, exclusionList, kOpenIcon, kIcon, owner, readOnly) {}

CQVEOControllerType::CQVEOControllerType(IFTypeDesc* typeDesc, CExplorerExclusionList* exclusionList, CWnd* owner,
                               int readOnly)
    : CQVExplorerModelTypeObject(typeDesc, exclusionList, kOpenIcon, kIcon, owner, readOnly) {}

int CQVEOControllerType::GetClassName(std::string& name) {
  name = LoadStringOrEmpty(kClassNameId);
  return !name.empty();
}

CExplorerObject* CQVEOControllerType::Clone() {
  if (m_pType) return new CQVEOControllerType(m_pType.Get(), m_pExclusionList, m_pOwner, m_bReadOnly);
  return new CQVEOControllerType(m_pTypeDesc.Get(), m_pExclusionList, m_pOwner, m_bReadOnly);
}

int CQVEOControllerType::GetDisplayText(EOAspect aspect, std::string& text) {
  if (aspect != EOAspectType) return CQVExplorerModelTypeObject::GetDisplayText(aspect, text);
  text = LoadStringOrEmpty(kTypeTextId);
  return !text.empty();
}
