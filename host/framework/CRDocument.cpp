#include "host/framework/CRDocument.h"

CRDocument::~CRDocument() = default;

const tag_CorvaneViewContext* CRDocument::GetViewContext() const {
  return m_viewContext ? &*m_viewContext : nullptr;
}

void CRDocument::SetViewContext(const tag_CorvaneViewContext& context) { m_viewContext = context; }

HRESULT CRDocument::GetRootModel(IUnknown** root) {
  if (!root) return E_POINTER;
  *root = nullptr;
  if (!m_rootModel) return E_FAIL;
  return m_rootModel.CopyTo(root);
}

void CRDocument::SetRootModel(IUnknown* root) { m_rootModel = root; }
