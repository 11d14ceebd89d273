// The menu a drop with the right mouse button shows: "Move Here", "Copy Here",
// "Create Instance Here" and "Cancel", each enabled as the drag allows, the
// default effect's item marked as the default.
#pragma once

#include "explorer/resources/CommandIds.h"
#include "explorer/resources/MenuIds.h"
#include "platform/Menu.h"
#include "platform/Types.h"

class CWnd;

// What a pane's OnDropEx answers for a drop it leaves to OnDrop (one not made with the right button).
constexpr DROPEFFECT EXPLORER_DROP_DECLINED = static_cast<DROPEFFECT>(-1);

class CExplorerDropEffectMenu : public CMenu {
 public:
  CExplorerDropEffectMenu(DROPEFFECT allowed, DROPEFFECT defaultEffect);

  // Shows the menu at a point of view's client area and answers the effect
  // chosen (none when the person cancelled or chose nothing). The choice
  // arrives as a command posted to view; other commands waiting for view are
  // posted back unchanged.
  DROPEFFECT Track(CWnd& view, CPoint clientPoint);
};
