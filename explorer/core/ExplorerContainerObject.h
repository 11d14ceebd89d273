// An explorer object with children: it lists them in the contents pane, inserts
// itself (and, by class, its children) into the tree pane, and consults its
// Explorer's exclusion list before it makes a child of an excludable class.
#pragma once

#include <memory>

#include "explorer/core/ExplorerObject.h"
#include "host/model/IRModelType.h"

class CExplorerExclusionList;

class CExplorerContainerObject : public CExplorerObject {
 public:
  CExplorerContainerObject(ForType, IFInstance* type, CExplorerExclusionList* exclusionList, CWnd* owner,
                           int readOnly);
  CExplorerContainerObject(ForType, IFInstance* type, CExplorerExclusionList* exclusionList, UINT openIconId,
                           UINT normalIconId, CWnd* owner, int readOnly);
  CExplorerContainerObject(IFTypeDesc* typeDesc, CExplorerExclusionList* exclusionList, UINT openIconId,
                           UINT normalIconId, CWnd* owner, int readOnly);
  CExplorerContainerObject(ForInstance, IFInstance* instance, CExplorerExclusionList* exclusionList, CWnd* owner,
                           int readOnly);
  CExplorerContainerObject(ForInstance, IFInstance* instance, CExplorerExclusionList* exclusionList,
                           UINT openIconId, UINT normalIconId, CWnd* owner, int readOnly);
  ~CExplorerContainerObject() override;

  int IsContainer() override;

  // ---- the container's virtual operations, in slot order after the node's
  virtual int IsEmpty() = 0;                                            // 29
  virtual int ShowContents(CListCtrl& list) = 0;                        // 30
  virtual HTREEITEM ShowContents(CTreeCtrl& tree, HTREEITEM parent) = 0;  // 31
  virtual void ShowChildren(CTreeCtrl& tree, HTREEITEM item);          // 32
  virtual void Export();                                                // 33
  virtual int CanExport();                                              // 34
  virtual void ShowMoreContents(CTreeCtrl& tree, HTREEITEM item);      // 35
  virtual void ShowPackageProperties();                                 // 36
  // The model-type interface a dragged block or stream type hands to the flowsheet; no reference for the caller.
  virtual IRModelType* GetModelType();                                  // 37
  virtual int GetSortType(LISTSORTINFO& info);                          // 38
  virtual void SelChanging();                                           // 39
  virtual int IsDefaultForm(const std::string& formName);               // 40
  virtual void SetDefaultForm(const std::string& formName);             // 41
  virtual void ReloadData();                                            // 42
  virtual int GetDefaultSortColumn();                                   // 43

  // ---- the exclusion list of the Explorer that shows this node (not owned)
  CExplorerExclusionList* GetExclusionList() const { return m_pExclusionList; }
  void SetExclusionList(CExplorerExclusionList* exclusionList) { m_pExclusionList = exclusionList; }
  // Gives this node a list of its own (made when its Explorer had none) and uses it.
  void AdoptExclusionList(std::unique_ptr<CExplorerExclusionList> exclusionList);
  // True when the Explorer hides classId (a node without a list hides nothing).
  bool IsExcluded(REFGUID classId) const;

  int m_bChildrenDeferred = 0;  // placeholder children wait for the first expansion
  int m_bExpanded = 0;          // toggled by the tree pane on every expand and collapse

 protected:
  CExplorerExclusionList* m_pExclusionList = nullptr;

 private:
  std::unique_ptr<CExplorerExclusionList> m_ownedExclusionList;
};
