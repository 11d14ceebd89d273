// Platform menus as Qt menus: items keep their text ("&" marks and the
// accelerator after the tab), separators, sub-menus, grayed, checked and
// default state; every action carries its command id (QAction::data) and
// its command's status-bar prompt.
#pragma once

#include <QPoint>

#include "platform/Types.h"

class CMenu;
class QMenu;
class QWidget;

// Appends menu's items to target.
void FillMenu(QMenu& target, const CMenu& menu);

// The command id an action stands for (0 for none).
UINT CommandOf(const class QAction* action);

// Shows menu at globalPosition until an item is chosen or the menu is
// dismissed; returns the chosen command id, 0 when none was chosen.
UINT RunPopupMenu(const CMenu& menu, QPoint globalPosition, QWidget* parent);
