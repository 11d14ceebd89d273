// The model type a dragged node hands to the flowsheet, shared by both panes.
#pragma once

class CExplorerObject;
struct IRModelType;

// Icons, block types and stream types hand over their model type; false when
// such a node has none (it is then not dragged). Other nodes need none.
bool DraggedModelType(CExplorerObject& node, IRModelType*& modelType);
