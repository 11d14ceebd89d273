// What the library containers share when they list their children: making a
// child through the node factory with the parent's read-only flag, putting it
// into the tree (a child that inserts nothing is deleted at once) or into the
// contents pane (the list owns a row's node; a node no row took is deleted).
#pragma once

#include "explorer/core/ExplorerContainerObject.h"

class CExplorerExclusionList;

namespace library_nodes {

// A node of classId for instance, or null when the factory does not make the class.
CExplorerObject* Make(REFGUID classId, IFInstance* instance, CExplorerExclusionList* exclusionList, CWnd* owner,
                      int readOnly);
// Inserts node below item: a container inserts itself (and its children), a
// leaf gets an item labelled with its name. True when an item was inserted.
bool InsertInTree(CTreeCtrl& tree, HTREEITEM item, CExplorerObject* node);
// Appends node's row, filling column i + 1 with aspects[i].
void AddRow(CListCtrl& list, CExplorerObject* node, const EOAspect aspects[], int count);

// The effect of a drag over a node that accepts it: move with Shift, else copy.
DWORD CopyOrMoveEffect(DWORD keyState);
// Whether a drop or paste effect asks for a copy or a move at all.
bool IsCopyOrMove(DWORD dropEffect);

}  // namespace library_nodes
