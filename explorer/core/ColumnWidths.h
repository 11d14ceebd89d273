// The contents-pane column widths of one node class, kept in the current
// user's registry under the class's "Column Widths" key: one DWORD per column,
// named by the column's index in decimal.
#pragma once

#include <string>
#include <vector>

class CColumnWidths {
 public:
  static constexpr int kFirstColumnDefault = 100;
  static constexpr int kOtherColumnDefault = 60;

  // Reads the stored widths of key once (an empty key reads as nothing stored).
  explicit CColumnWidths(const std::string& key);
  // The stored width of column, or defaultWidth.
  int Width(int column, int defaultWidth) const;
  static int DefaultWidth(int column) { return column == 0 ? kFirstColumnDefault : kOtherColumnDefault; }
  // Stores widths (index = column), writing only the values that changed; failures are ignored.
  void Save(const std::vector<int>& widths);

 private:
  std::string m_key;
  std::vector<int> m_stored;  // -1 where nothing is stored
};
