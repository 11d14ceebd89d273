// A table form's rows as a Qt model: variable, value, units, spec, bounds
// and description, read afresh on Refresh. Fixed and initial values are
// edited in place in the units shown; a refused edit says why and changes
// nothing.
#pragma once

#include <vector>

#include <QAbstractTableModel>

#include "workbench/views/HostViews.h"

class FormTableModel : public QAbstractTableModel {
 public:
  enum Column { kVariable, kValue, kUnits, kSpec, kLower, kUpper, kDescription, kColumnCount };

  FormTableModel(CHostViews& views, CFormContents form, QObject* parent = nullptr);

  void Refresh();
  const std::vector<TableRowValues>& Rows() const { return m_rows; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

 private:
  CHostViews& m_views;
  CFormContents m_form;
  std::vector<TableRowValues> m_rows;
};
