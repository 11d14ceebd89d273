// What the Explorer window asks of node classes beyond the common node
// interface. The panes and the frame find these abilities with dynamic_cast,
// so a node class offers one by deriving from its interface; a node without
// it is simply treated as not having that ability. Nodes the frame makes
// directly (not through the factory) are made by makers installed at start-up.
#pragma once

#include <string>

#include "platform/Types.h"
#include "platform/TreeCtrl.h"

class CExplorerContainerObject;
class CExplorerExclusionList;
class CExplorerFrame;
class IExplorerWindow;
class CExplorerObject;
class CWnd;
struct IFFolder;
struct IFInstance;
struct IRModelType;
struct IUnknown;
struct tag_CorvaneViewContext;

// Model type nodes: whether the node stands for a hierarchy model.
class IExplorerModelTypeNode {
 public:
  virtual ~IExplorerModelTypeNode() = default;
  virtual int IsHierarchyType() = 0;
};

// Group nodes of the solver diagnostics: they add their equations or their
// variables as child items below their own tree item.
class IExplorerGroupNode {
 public:
  virtual ~IExplorerGroupNode() = default;
  virtual void AddEquations(CTreeCtrl& tree, HTREEITEM item) = 0;
  virtual void AddVariables(CTreeCtrl& tree, HTREEITEM item) = 0;
};

// Icon nodes: the model type their picture stands for when dragged onto the
// flowsheet; null when there is none. No reference for the caller.
class IExplorerIconNode {
 public:
  virtual ~IExplorerIconNode() = default;
  virtual IRModelType* GetIconModelType() = 0;
};

// Block and stream nodes: the statistics (equations, variables, degrees of
// freedom) are computed only while this flag is set.
class IExplorerModelInstanceNode {
 public:
  virtual ~IExplorerModelInstanceNode() = default;
  virtual void SetStatisticsFlag(int on) = 0;
};

// The frame's two packaging commands ("Package Model for
// Fenmark/Trelbrook..." and "Create Model Initialization Script..."): the
// packaging area installs one handler for all frames.
class IExplorerFrameTools {
 public:
  virtual ~IExplorerFrameTools() = default;
  virtual bool IsCommandEnabled(CExplorerFrame& frame, UINT id) = 0;
  virtual void DoCommand(CExplorerFrame& frame, UINT id) = 0;
};

// Makers of the nodes the frame makes directly. Each is null until
// RegisterExplorerNodeClasses (explorer/nodes/ExplorerNodeClasses.h) installs
// it at start-up; an Explorer asked for such a node without a maker makes none
// and says so on standard error (the window then does not open, or the added
// node is not shown).
struct CExplorerDirectMakers {
  // A user folder below parent showing folder.
  using UserFolderMaker = CExplorerObject* (*)(IFInstance* parent, CExplorerExclusionList* exclusionList,
                                                CWnd* owner, IFFolder* folder, int readOnly);
  // A group, torn group or equivalence root from the host's decomposition object.
  using DecompositionRootMaker = CExplorerObject* (*)(IUnknown* decomposition, CExplorerExclusionList* exclusionList,
                                                      CWnd* owner);
  // Positions a new Explorer rooted at a group or torn group (root) on the item the request names.
  using OpenAt = void (*)(IExplorerWindow& window, CExplorerContainerObject& root,
                          const tag_CorvaneViewContext& context);

  static inline UserFolderMaker userFolder = nullptr;
  static inline DecompositionRootMaker group = nullptr;
  static inline DecompositionRootMaker tornGroup = nullptr;
  static inline DecompositionRootMaker equivalence = nullptr;
  static inline OpenAt openAt = nullptr;
  static inline IExplorerFrameTools* frameTools = nullptr;
};
