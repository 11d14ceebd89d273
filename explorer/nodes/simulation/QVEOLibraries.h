// The folder "Libraries": the model libraries the simulation uses, each shown
// by a library node. The tree puts "Modeler" and "SystemLibrary" last; the
// contents pane starts with the " Add Library" entry and keeps the host's
// order. "syslib.dsl" is never shown.
#pragma once

#include <memory>
#include <vector>

#include "explorer/nodes/simulation/QVEOTopLevelFolder.h"

class CQVEOLibraries : public CQVEOTopLevelFolder {
 public:
  explicit CQVEOLibraries(CWnd* owner, CExplorerExclusionList* exclusionList = nullptr);
  static const GUID& ClassID();
  const GUID& GetClassID() override { return ClassID(); }
  CExplorerObject* Clone() override;

  using CQVEOTopLevelFolder::ShowContents;
  HTREEITEM ShowContents(CTreeCtrl& tree, HTREEITEM parent) override;

 protected:
  void AddRows(CListCtrl& list) override;

 private:
  struct LibraryNodes {
    std::vector<std::unique_ptr<CExplorerObject>> nodes;  // in the host's order
    std::vector<std::string> names;                       // each node's name
  };
  // A node for every library the current document's root uses that the host
  // can give as a type; empty while the library class is not written.
  LibraryNodes MakeLibraryNodes();
};
