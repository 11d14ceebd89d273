// Tells a node's Explorer window about a change once the change is made.
// Copying, moving or deleting types makes the host update every view, and an
// Explorer may then rebuild its panes and delete the very node that started
// the change. So the window is taken before the change and reached by its
// handle afterwards, never through the node.
#pragma once

#include <string>

#include "host/store/IFType.h"
#include "platform/Guid.h"
#include "platform/Window.h"

class CExplorerObject;

class COwnerNotifier {
 public:
  explicit COwnerNotifier(CExplorerObject& node);

  void Post(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  // EXPLORER_OBJECT_ADDED with the class id text and newType's instance, sent.
  void NewObject(IFType* newType, REFGUID classId) const;
  // EXPLORER_OBJECT_MOVED with the class id text and the moved object's name, sent.
  void MovedObject(const std::string& name, REFGUID classId) const;

 private:
  HWND m_hOwner = nullptr;
};
