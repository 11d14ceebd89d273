#include "explorer/nodes/library/QVEOBlockType.h"

#include "explorer/core/NodeClassIds.h"
#include "explorer/resources/IconIds.h"
#include "explorer/resources/StringIds.h"
#include "host/model/IQVHierarchyType.h"
#include "platform/Resources.h"

const GUID& CQVEOBlockType::ClassID() { return CLSID_QVEOBlockType; }

CQVEOBlockType::CQVEOBlockType(IFInstance* type, CExplorerExclusionList* exclusionList, CWnd* owner, int readOnly)
    : CQVExplorerModelTypeObject(type, exclusionList, IDI_MODEL, IDI_MODEL, owner, readOnly) {}

CQVEOBlockType::CQVEOBlockType(IFTypeDesc* typeDesc, CExplorerExclusionList* exclusionList, CWnd* owner,
                               int readOnly)
    : CQVExplorerModelTypeObject(typeDesc, exclusionList, IDI_MODEL, IDI_MODEL, owner, readOnly) {}

int CQVEOBlockType::GetClassName(std::string& name) {
  name = LoadStringOrEmpty(IDS_BLOCK_TYPE);
  return !name.empty();
}

CExplorerObject* CQVEOBlockType::Clone() {
  if (m_pType) return new CQVEOBlockType(m_pType.Get(), m_pExclusionList, m_pOwner, m_bReadOnly);
  return new CQVEOBlockType(m_pTypeDesc.Get(), m_pExclusionList, m_pOwner, m_bReadOnly);
}

int CQVEOBlockType::GetDisplayText(EOAspect aspect, std::string& text) {
  if (aspect != EOAspectType) return CQVExplorerModelTypeObject::GetDisplayText(aspect, text);
  text = LoadStringOrEmpty(IDS_BLOCK_TYPE_TEXT);
  return !text.empty();
}

int CQVEOBlockType::IsHierarchyType() { return ComQuery<IQVHierarchyType>(GetModelTypeObject()) != nullptr; }
