// Menu resource ids. The Explorer window's resource serves as its document
// template, its menu bar and its accelerator table; the other menus are
// popups whose first popup is the menu shown.
#pragma once

#include "platform/Types.h"

constexpr UINT IDR_EXPLORER_TEMPLATE = 13501;  // menu bar and accelerator table of an Explorer window
constexpr UINT IDM_CONTENTS_VIEW = 13502;      // the contents pane's menu on empty space
constexpr UINT IDM_TREE_VIEW = 13503;          // the tree pane's menu on empty space
constexpr UINT IDM_DROP_EFFECT = 13630;        // the choices of a right-button drop
