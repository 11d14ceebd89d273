// A Qt table model over a platform list control's own rows and columns: no
// row is copied, every answer is read from the control when a view asks, so
// 100 000 rows cost nothing until they are drawn. Texts, pictures with their
// overlays, the colour and underline the owner chooses through custom draw,
// and the row states come from the control. Rows inserted, removed or
// reordered reset the model once per burst, when the event loop next turns.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <QAbstractTableModel>

#include "platform/ListCtrl.h"

class ListCtrlModel : public QAbstractTableModel, private ListCtrlObserver {
 public:
  explicit ListCtrlModel(CListCtrl& list, QObject* parent = nullptr);
  ~ListCtrlModel() override;

  void Detach();
  // The control while it lives, else null.
  CListCtrl* List() const;

  // Pictures come from the large image list (32 pixels) or the small one (16).
  void SetLargePictures(bool large);
  bool LargePictures() const { return m_large; }

  bool IsResetPending() const { return m_resetPending; }
  void Flush();
  // After every reset; and when only the column widths changed.
  std::function<void()> onReset;
  std::function<void()> onColumnWidthsChanged;

  // QAbstractItemModel
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  // A column's heading and format as the control keeps them.
  struct Column {
    std::string heading;
    int format = LVCFMT_LEFT;
    friend bool operator==(const Column&, const Column&) = default;
  };

 private:
  // ListCtrlObserver
  void ListRowsReset(CListCtrl& list) override;
  void ListRowsInserted(CListCtrl& list, int first, int count) override;
  void ListRowsRemoved(CListCtrl& list, int first, int count) override;
  void ListRowsChanged(CListCtrl& list, int first, int last) override;
  void ListColumnsChanged(CListCtrl& list) override;
  void ListDestroyed(CListCtrl& list) override;

  void Forget();  // lets go of the control: the model is empty
  void ScheduleReset();
  std::vector<Column> ReadColumns() const;
  QVariant Picture(CListCtrl& list, int row) const;
  const ListCellAttributes& Attributes(CListCtrl& list, int row, int column) const;

  HWND m_hwnd = nullptr;
  CListCtrl* m_list = nullptr;
  bool m_large = true;
  bool m_resetPending = false;
  std::vector<Column> m_columns;  // as of the last reset
  mutable int m_answering = 0;
  // The custom-draw answer for the cell asked last (a delegate asks several roles in a row).
  mutable int m_cachedRow = -1;
  mutable int m_cachedColumn = -1;
  mutable ListCellAttributes m_cachedAttributes;
};
