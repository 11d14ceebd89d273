// How the flowsheet's nodes make and show their children: a child instance
// becomes a hierarchy, a global structure or a block node by what it is;
// the blocks and streams folders of a unit appear only when they list
// something; forms, scripts and tasks follow in the contents pane.
#pragma once

#include <string>

#include "explorer/core/ExplorerContainerObject.h"
#include "host/com/ComPtr.h"
#include "host/store/IFType.h"

namespace flowsheet_children {

// An instance's path below the flowsheet ("" for the flowsheet itself and when it cannot be had).
std::string PathOf(IFInstance* instance);

// The node for a child found by the block enumerator: a hierarchy, a global
// structure or a block; null when the Explorer hides that class.
CExplorerContainerObject* MakeBlockNode(IFInstance* child, CExplorerContainerObject& parent);
CExplorerContainerObject* MakeStreamNode(IFInstance* child, CExplorerContainerObject& parent);

// The blocks folder of parent's instance; null when the Explorer hides it.
CExplorerContainerObject* MakeBlockFolder(CExplorerContainerObject& parent);

// Lets child insert itself below item; a child that inserted nothing is deleted. True when it went in.
bool InsertChild(CTreeCtrl& tree, HTREEITEM item, CExplorerContainerObject* child);
// Appends child's row with aspects; a child no row took is deleted.
void AddChildRow(CListCtrl& list, CExplorerObject* child, const EOAspect aspects[], int count);

// The blocks folder and the streams folder of parent's instance below item (each only when not empty).
void InsertUnitFolders(CTreeCtrl& tree, HTREEITEM item, CExplorerContainerObject& parent);
// The same two folders as rows (each only when not empty).
void AddUnitFolderRows(CListCtrl& list, CExplorerContainerObject& parent);
// The forms of type, then the scripts of parent's instance, then the tasks of
// type. topLevelFlowsheet: the form "AllVariables" belongs to hierarchies only.
void AddOwnedRows(CListCtrl& list, CExplorerContainerObject& parent, IFType* type, bool topLevelFlowsheet);
// One structures container per container of parent's instance, below item or as rows.
void InsertStructureContainers(CTreeCtrl& tree, HTREEITEM item, CExplorerContainerObject& parent);
void AddStructureContainerRows(CListCtrl& list, CExplorerContainerObject& parent);

}  // namespace flowsheet_children
