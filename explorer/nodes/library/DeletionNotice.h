// Tells a node's Explorer that the node is going. The Explorer may delete the
// node while it handles the first notice, so the window is taken beforehand
// and the later notice goes by window handle alone.
#pragma once

#include "explorer/resources/StringIds.h"
#include "platform/Window.h"

class CExplorerObject;

// Asks "Are you sure that you want to delete this object?" (or the question
// textId) with Yes and No; true for Yes. Without confirm nothing is asked.
bool ConfirmDeletion(int confirm, UINT textId = IDS_CONFIRM_DELETE);

class CDeletionNotice {
 public:
  explicit CDeletionNotice(CExplorerObject& node);

  // EXPLORER_OBJECT_DELETED, sent (handled before this returns).
  void SendDeleted();
  // EXPLORER_POSTOBJECT_DELETED, posted.
  void PostDeleted();
  // EXPLORER_CONTENTS_CHANGED, posted: the object stayed after all.
  void PostContentsChanged();

 private:
  HWND m_hOwner = nullptr;
  LPARAM m_node = 0;
};
