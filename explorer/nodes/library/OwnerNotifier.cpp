#include "explorer/nodes/library/OwnerNotifier.h"

#include "explorer/core/ExplorerMessages.h"
#include "explorer/core/ExplorerObject.h"
#include "explorer/core/TypeAccess.h"

COwnerNotifier::COwnerNotifier(CExplorerObject& node) {
  if (CWnd* owner = node.GetOwner()) m_hOwner = owner->GetSafeHwnd();
}

void COwnerNotifier::Post(UINT message, WPARAM wParam, LPARAM lParam) const {
  if (m_hOwner) ::PostMessage(m_hOwner, message, wParam, lParam);
}

void COwnerNotifier::NewObject(IFType* newType, REFGUID classId) const {
  const std::string classText = classId.ToString();
  CComPtr<IFInstance> instance = type_access::InstanceOf(newType);
  if (m_hOwner)
    ::SendMessage(m_hOwner, EXPLORER_OBJECT_ADDED, reinterpret_cast<WPARAM>(classText.c_str()),
                  reinterpret_cast<LPARAM>(instance.Get()));
}

void COwnerNotifier::MovedObject(const std::string& name, REFGUID classId) const {
  const std::string classText = classId.ToString();
  if (m_hOwner)
    ::SendMessage(m_hOwner, EXPLORER_OBJECT_MOVED, reinterpret_cast<WPARAM>(classText.c_str()),
                  reinterpret_cast<LPARAM>(name.c_str()));
}
