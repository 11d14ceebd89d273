// The node factory's table: every class identifier CQVExplorer::Manufacture
// makes a node for, in the order it compares them, with the function that
// builds the node. A node class is registered by filling in its entry's maker
// in ExplorerNodeFactory.cpp when the class is written; until then its id
// yields no node. The classes only their parent containers (or the frame) make
// are listed apart and never yield a node here.
#pragma once

#include <vector>

#include "platform/Guid.h"

class CExplorerExclusionList;
class CExplorerObject;
class CWnd;
struct IFInstance;

using ExplorerNodeMaker = CExplorerObject* (*)(IFInstance* instance, CExplorerExclusionList* exclusionList,
                                               CWnd* owner);

struct ExplorerNodeFactoryEntry {
  const GUID* classId;
  const char* className;
  ExplorerNodeMaker make;  // null while the class is not written yet
};

// In the order Manufacture compares them.
const std::vector<ExplorerNodeFactoryEntry>& ExplorerNodeFactoryTable();
// The node classes Manufacture never makes.
const std::vector<const GUID*>& ExplorerNodeClassesNotManufactured();

// Stands in for the maker of one class of the table while it lives, so that
// code which manufactures nodes can be exercised before every class exists.
// A class outside the table stays one the factory does not make.
class CScopedNodeMaker {
 public:
  CScopedNodeMaker(REFGUID classId, ExplorerNodeMaker make);
  ~CScopedNodeMaker();
  CScopedNodeMaker(const CScopedNodeMaker&) = delete;
  CScopedNodeMaker& operator=(const CScopedNodeMaker&) = delete;

 private:
  GUID m_classId;
  ExplorerNodeMaker m_previous;
};
