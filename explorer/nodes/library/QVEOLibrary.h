// One model library (a type palette read from a library file). A library
// never changes through the Explorer: every library node is read-only,
// whoever makes it. It shows the type-kind folders, its user folders and the
// libraries it uses, and offers Explore, Export and Properties.
#pragma once

#include "explorer/nodes/library/QVEOTypeContainer.h"

class CQVEOLibrary : public CQVEOTypeContainer {
 public:
  // readOnly is accepted for the common constructor form; a library is always read-only.
  CQVEOLibrary(IFInstance* instance, CExplorerExclusionList* exclusionList, CWnd* owner, int readOnly = 1);
  static const GUID& ClassID();
  const GUID& GetClassID() override { return ClassID(); }
  int GetClassName(std::string& name) override;
  CExplorerObject* Clone() override;

  // Aspect 0: the library file's name without directory and extension; aspect 1: "Library".
  int GetDisplayText(EOAspect aspect, std::string& text) override;
  int BuildContextMenu(CMenu& menu) override;
  int CanDoCommand(UINT id) override;
  void DoCommand(UINT id) override;
  void Export() override;

  // path without everything up to its last "/" or "\" and from its last "." on.
  static std::string GetFileLeafName(const std::string& path);

 protected:
  void InsertUsedLibraries(CTreeCtrl& tree, HTREEITEM item) override;
  void AddUsedLibraries(CListCtrl& list) override;

 private:
  // A node for each library this one uses, with its name.
  template <class Visit>
  void ForEachUsedLibrary(Visit visit);
  void ShowProperties();
};
