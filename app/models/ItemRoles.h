// Item data roles the models of platform controls answer beyond Qt's own:
// the control's item states, which the item delegate draws.
#pragma once

#include <Qt>

enum PlatformItemRole {
  kSelectedRole = Qt::UserRole + 1,  // bool: selected in the control
  kFocusedRole,                      // bool: the caret (tree) or focused row (list)
  kDropHighlightRole,                // bool: the target of a drag in progress
  kCutRole,                          // bool: marked as cut to the clipboard
};
