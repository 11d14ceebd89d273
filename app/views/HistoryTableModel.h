// A history as a Qt model: one row a reported time, a column for the time
// and one for each variable (with its unit in the header). Read afresh on
// Refresh; the whole table, or a selection, copies as tab-separated text.
#pragma once

#include <QAbstractTableModel>
#include <QModelIndexList>

#include "workbench/views/HostViews.h"

class HistoryTableModel : public QAbstractTableModel {
 public:
  HistoryTableModel(CHostViews& views, CFormContents form, QObject* parent = nullptr);

  void Refresh();
  const HistoryTable& History() const { return m_history; }
  // The cells of selection (all when empty) as lines of tab-separated text, headers first.
  QString CopyText(const QModelIndexList& selection) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  QString Cell(int row, int column) const;

  CHostViews& m_views;
  CFormContents m_form;
  HistoryTable m_history;
};
