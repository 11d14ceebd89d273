#include "explorer/core/ColumnWidths.h"

#include "platform/Registry.h"

namespace {

// Stored values are read for at most this many columns; panes have far fewer.
constexpr int kMaxColumns = 64;

}  // namespace

CColumnWidths::CColumnWidths(const std::string& key) : m_key(key) {
  if (m_key.empty()) return;
  CRegKey reg;
  if (reg.Open(HKEY_CURRENT_USER, m_key, KEY_READ) != ERROR_SUCCESS) return;
  for (int column = 0; column < kMaxColumns; ++column) {
    DWORD width = 0;
    if (reg.QueryDWORDValue(std::to_string(column), width) != ERROR_SUCCESS) continue;
    if (m_stored.size() <= static_cast<std::size_t>(column)) m_stored.resize(column + 1, -1);
    m_stored[column] = static_cast<int>(width);
  }
}

int CColumnWidths::Width(int column, int defaultWidth) const {
  if (column < 0 || static_cast<std::size_t>(column) >= m_stored.size() || m_stored[column] < 0) return defaultWidth;
  return m_stored[column];
}

void CColumnWidths::Save(const std::vector<int>& widths) {
  if (m_key.empty()) return;
  CRegKey reg;
  for (std::size_t column = 0; column < widths.size() && column < kMaxColumns; ++column) {
    if (widths[column] < 0 || Width(static_cast<int>(column), -1) == widths[column]) continue;
    if (!reg.IsOpen() && reg.Create(HKEY_CURRENT_USER, m_key) != ERROR_SUCCESS) return;
    if (reg.SetDWORDValue(std::to_string(column), static_cast<DWORD>(widths[column])) != ERROR_SUCCESS) return;
    if (m_stored.size() <= column) m_stored.resize(column + 1, -1);
    m_stored[column] = widths[column];
  }
}
