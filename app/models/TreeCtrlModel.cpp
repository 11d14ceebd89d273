#include "app/models/TreeCtrlModel.h"

#include <QFont>
#include <QTimer>

#include "app/models/ImageListPictures.h"
#include "app/models/ItemRoles.h"
#include "app/models/NestedAnswer.h"

namespace {

quintptr Id(HTREEITEM item) { return reinterpret_cast<quintptr>(item); }

}  // namespace

TreeCtrlModel::TreeCtrlModel(CTreeCtrl& tree, QObject* parent)
    : QAbstractItemModel(parent), m_hwnd(tree.m_hWnd), m_tree(&tree) {
  tree.AddObserver(this);
  m_selected = tree.GetSelectedItem();
}

TreeCtrlModel::~TreeCtrlModel() { Detach(); }

void TreeCtrlModel::Detach() {
  if (CTreeCtrl* tree = Tree()) tree->RemoveObserver(this);
  if (!m_tree) return;
  beginResetModel();
  m_tree = nullptr;
  m_hwnd = nullptr;
  m_selected = nullptr;
  m_resetPending = false;
  endResetModel();
}

CTreeCtrl* TreeCtrlModel::Tree() const {
  // The object may have gone with its window without a word: trust it only
  // while the window table still names it as the receiver.
  return m_tree && CWnd::FromHandle(m_hwnd) == m_tree ? m_tree : nullptr;
}

HTREEITEM TreeCtrlModel::ItemAt(const QModelIndex& index) const {
  if (!index.isValid() || index.model() != this) return nullptr;
  auto item = reinterpret_cast<HTREEITEM>(index.internalId());
  CTreeCtrl* tree = Tree();
  return tree && tree->IsValidItem(item) ? item : nullptr;
}

QModelIndex TreeCtrlModel::IndexOf(HTREEITEM item) const {
  CTreeCtrl* tree = Tree();
  if (!tree || !item || !tree->IsValidItem(item)) return {};
  int row = tree->GetItemRow(item);
  return row < 0 ? QModelIndex() : createIndex(row, 0, Id(item));
}

QModelIndex TreeCtrlModel::index(int row, int column, const QModelIndex& parent) const {
  CTreeCtrl* tree = Tree();
  if (!tree || column != 0 || row < 0) return {};
  HTREEITEM parentItem = TVI_ROOT;
  if (parent.isValid()) {
    parentItem = ItemAt(parent);
    if (!parentItem) return {};
  }
  HTREEITEM child = tree->GetChildItemAt(parentItem, row);
  return child ? createIndex(row, 0, Id(child)) : QModelIndex();
}

QModelIndex TreeCtrlModel::parent(const QModelIndex& child) const {
  HTREEITEM item = ItemAt(child);
  if (!item) return {};
  return IndexOf(Tree()->GetParentItem(item));
}

int TreeCtrlModel::rowCount(const QModelIndex& parent) const {
  CTreeCtrl* tree = Tree();
  if (!tree || parent.column() > 0) return 0;
  if (!parent.isValid()) return tree->GetChildCount(TVI_ROOT);
  HTREEITEM item = ItemAt(parent);
  return item ? tree->GetChildCount(item) : 0;
}

int TreeCtrlModel::columnCount(const QModelIndex&) const { return 1; }

bool TreeCtrlModel::hasChildren(const QModelIndex& parent) const {
  if (!parent.isValid()) return rowCount(parent) > 0;
  HTREEITEM item = ItemAt(parent);
  // An item marked as having children shows its button before they are inserted.
  return item && Tree()->ItemHasChildren(item);
}

QVariant TreeCtrlModel::Picture(CTreeCtrl& tree, HTREEITEM item) const {
  int image = 0, selectedImage = 0;
  if (!tree.GetItemDisplayImages(item, image, selectedImage) || !tree.IsValidItem(item)) return {};
  UINT state = tree.GetItemState(item, TVIS_SELECTED | TVIS_OVERLAYMASK);
  int shown = (state & TVIS_SELECTED) ? selectedImage : image;
  CImageList* images = tree.GetImageList(TVSIL_NORMAL);
  int size = images && images->Height() > 0 ? images->Height() : 16;
  QPixmap picture = ImageListPicture(images, shown, static_cast<int>((state & TVIS_OVERLAYMASK) >> 8), size);
  return picture.isNull() ? QVariant() : QVariant(picture);
}

QVariant TreeCtrlModel::data(const QModelIndex& index, int role) const {
  HTREEITEM item = ItemAt(index);
  if (!item) return {};
  CTreeCtrl& tree = *Tree();
  NestedAnswer answering(m_answering);
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
      return QString::fromStdString(tree.GetItemText(item));
    case Qt::DecorationRole:
      return Picture(tree, item);
    case Qt::FontRole:
      if (tree.GetItemState(item, TVIS_BOLD) & TVIS_BOLD) {
        QFont font;
        font.setBold(true);
        return font;
      }
      return {};
    case kSelectedRole:
      return (tree.GetItemState(item, TVIS_SELECTED) & TVIS_SELECTED) != 0;
    case kFocusedRole:
      return tree.GetSelectedItem() == item;
    case kDropHighlightRole:
      return (tree.GetItemState(item, TVIS_DROPHILITED) & TVIS_DROPHILITED) != 0;
    case kCutRole:
      return (tree.GetItemState(item, TVIS_CUT) & TVIS_CUT) != 0;
    default:
      return {};
  }
}

Qt::ItemFlags TreeCtrlModel::flags(const QModelIndex& index) const {
  if (!ItemAt(index)) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

void TreeCtrlModel::Flush() {
  if (!m_resetPending) return;
  m_resetPending = false;
  beginResetModel();
  endResetModel();
  if (onReset) onReset();
}

void TreeCtrlModel::ScheduleReset() {
  if (m_resetPending) return;
  m_resetPending = true;
  QTimer::singleShot(0, this, [this] { Flush(); });
}

void TreeCtrlModel::ItemDataChanged(HTREEITEM item) {
  if (m_resetPending || m_answering) return;
  QModelIndex index = IndexOf(item);
  if (index.isValid()) Q_EMIT dataChanged(index, index);
}

void TreeCtrlModel::TreeStructureChanged(CTreeCtrl&) { ScheduleReset(); }

void TreeCtrlModel::TreeItemChanged(CTreeCtrl&, HTREEITEM item) { ItemDataChanged(item); }

void TreeCtrlModel::TreeSelectionChanged(CTreeCtrl&, HTREEITEM selected) {
  HTREEITEM previous = m_selected;
  m_selected = selected;
  ItemDataChanged(previous);
  ItemDataChanged(selected);
}
