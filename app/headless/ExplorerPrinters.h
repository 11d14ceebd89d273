// What the command line prints of an Explorer: the tree, a contents pane and
// a menu, as plain text lines a script or a person can compare.
//   tree: one item per line, two spaces of indent per level, "  [overlay N]"
//         after an item that carries overlay N;
//   list: the column headings separated by tabs, then one line per row with
//         its cells separated by tabs and a last cell "[overlay N]" when the
//         row carries one;
//   menu: one item per line with its text as held, "-" for a separator, a
//         popup's items indented two spaces below its text.
// Tabs and line breaks inside a text are printed as blanks so that every line
// keeps its shape.
#pragma once

#include <iosfwd>

#include "platform/ListCtrl.h"
#include "platform/Menu.h"
#include "platform/TreeCtrl.h"

// Prints item and everything below it (null: every top-level item), expanding
// each item with children as a person would, so waiting children appear.
void PrintTree(CTreeCtrl& tree, HTREEITEM item, std::ostream& out);
void PrintList(const CListCtrl& list, std::ostream& out);
void PrintMenu(const CMenu& menu, std::ostream& out);
