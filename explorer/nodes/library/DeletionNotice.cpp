#include "explorer/nodes/library/DeletionNotice.h"

#include "explorer/core/ExplorerMessages.h"
#include "explorer/core/ExplorerObject.h"
#include "explorer/core/QVExplorer.h"
#include "explorer/resources/StringIds.h"

CDeletionNotice::CDeletionNotice(CExplorerObject& node) : m_node(reinterpret_cast<LPARAM>(&node)) {
  if (CWnd* owner = node.GetOwner()) m_hOwner = owner->GetSafeHwnd();
}

void CDeletionNotice::SendDeleted() {
  if (m_hOwner) ::SendMessage(m_hOwner, EXPLORER_OBJECT_DELETED, 0, m_node);
}

void CDeletionNotice::PostDeleted() {
  if (m_hOwner) ::PostMessage(m_hOwner, EXPLORER_POSTOBJECT_DELETED, 0, m_node);
}

void CDeletionNotice::PostContentsChanged() {
  if (m_hOwner) ::PostMessage(m_hOwner, EXPLORER_CONTENTS_CHANGED, 0, 0);
}

bool ConfirmDeletion(int confirm, UINT textId) {
  return !confirm ||
         CQVExplorer::DisplayMessage(textId, IDS_CONFIRM_CAPTION, MB_YESNO | MB_ICONQUESTION, nullptr) == IDYES;
}
