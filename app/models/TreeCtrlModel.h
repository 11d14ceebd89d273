// A Qt item model over a platform tree control's own items: the model keeps
// no rows of its own, each index names an item handle and every answer is
// read from the control when asked, so a tree of any size costs nothing here.
// The control tells of structure changes once per operation; the model resets
// once for a burst of them, when the event loop next turns (or on Flush).
#pragma once

#include <functional>

#include <QAbstractItemModel>

#include "platform/TreeCtrl.h"

class TreeCtrlModel : public QAbstractItemModel, private TreeCtrlObserver {
 public:
  explicit TreeCtrlModel(CTreeCtrl& tree, QObject* parent = nullptr);
  ~TreeCtrlModel() override;

  // Stops listening to the control; the model is empty from then on.
  void Detach();
  // The control while its window lives, else null.
  CTreeCtrl* Tree() const;

  HTREEITEM ItemAt(const QModelIndex& index) const;
  QModelIndex IndexOf(HTREEITEM item) const;

  bool IsResetPending() const { return m_resetPending; }
  // Carries out a pending reset now (a view does this before it maps a
  // point to an item, so both agree).
  void Flush();
  // Called after every reset, when the indexes are new: the view restores
  // expansion and scroll position from the control.
  std::function<void()> onReset;

  // QAbstractItemModel
  QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
  QModelIndex parent(const QModelIndex& child) const override;
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  bool hasChildren(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

 private:
  // TreeCtrlObserver
  void TreeStructureChanged(CTreeCtrl& tree) override;
  void TreeItemChanged(CTreeCtrl& tree, HTREEITEM item) override;
  void TreeSelectionChanged(CTreeCtrl& tree, HTREEITEM selected) override;

  void ScheduleReset();
  void ItemDataChanged(HTREEITEM item);
  QVariant Picture(CTreeCtrl& tree, HTREEITEM item) const;

  HWND m_hwnd = nullptr;
  CTreeCtrl* m_tree = nullptr;  // valid while m_hwnd names its live window
  HTREEITEM m_selected = nullptr;
  bool m_resetPending = false;
  mutable int m_answering = 0;  // inside data(): changes the control makes while answering are not news
};
