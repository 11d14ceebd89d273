#include "explorer/nodes/library/QVEOBlockType.h"

#include "explorer/core/NodeClassIds.h"
#include "host/model/IQVHierarchyType.h"
#include "platform/Resources.h"

namespace {

constexpr UINT kIcon = 13570;
constexpr UINT kClassNameId = 53571;  // "Block Type"
constexpr UINT kTypeTextId = 53566;   // "Model"

}  // namespace

const GUID& CQVEOBlockType::ClassID() { return CLSID_QVEOBlockType; }

CQVEOBlockType::CQVEOBlockType(IFInstance* type, CExplorerExclusionList* exclusionList, CWnd* owner, int readOnly)
    : CQVExplorerModelTypeObject(type, exclusionList, kIcon, kIcon, owner, readOnly) {}

CQVEOBlockType::CQVEOBlockType(IFTypeDesc* typeDesc, CExplorerExclusionList* exclusionList, CWnd* owner,
                               int readOnly)
    : CQVExplorerModelTypeObject(typeDesc, exclusionList, kIcon, kIcon, owner, readOnly) {}

int CQVEOBlockType::GetClassName(std::string& name) {
  name = LoadStringOrEmpty(kClassNameId);
  return !name.empty();
}

CExplorerObject* CQVEOBlockType::Clone() {
  if (m_pType) return new CQVEOBlockType(m_pType.Get(), m_pExclusionList, m_pOwner, m_bReadOnly);
  return new CQVEOBlockType(m_pTypeDesc.Get(), m_pExclusionList, m_pOwner, m_bReadOnly);
}

int CQVEOBlockType::GetDisplayText(EOAspect aspect, std::string& text) {
  if (aspect != EOAspectType) return CQVExplorerModelTypeObject::GetDisplayText(aspect, text);
  text = LoadStringOrEmpty(kTypeTextId);
  return !text.empty();
}

int CQVEOBlockType::IsHierarchyType() { return ComQuery<IQVHierarchyType>(GetModelTypeObject()) != nullptr; }
