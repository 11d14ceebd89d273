// The variable finder window: a wildcard pattern ("*" and "?") searched over
// the variable paths below its starting block as the user types, the results
// with value, units and spec in a table (a model over the results, no widget
// per row). Double-clicking a result opens that variable's block in an Explorer.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <QAbstractTableModel>
#include <QWidget>

#include "workbench/views/HostViews.h"

class QLabel;
class QLineEdit;
class QTableView;

class FoundVariablesModel : public QAbstractTableModel {
 public:
  using QAbstractTableModel::QAbstractTableModel;
  void SetResults(std::vector<FoundVariable> found);
  const std::vector<FoundVariable>& Results() const { return m_found; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  std::vector<FoundVariable> m_found;
};

class FinderWindow : public QWidget {
 public:
  FinderWindow(CHostViews& views, std::string start, QWidget* parent = nullptr);

  // Searches again with the pattern as it stands (values as they stand now).
  void Refresh();
  QLineEdit* PatternEdit() const { return m_pattern; }
  QTableView* Results() const { return m_table; }
  FoundVariablesModel& Model() { return *m_model; }
  // Told the block of a double-clicked result ("" for the top flowsheet).
  std::function<void(const std::string& unitPath)> onOpenBlock;

 private:
  CHostViews& m_views;
  std::string m_start;
  QLineEdit* m_pattern = nullptr;
  QLabel* m_count = nullptr;
  QTableView* m_table = nullptr;
  FoundVariablesModel* m_model = nullptr;
};
