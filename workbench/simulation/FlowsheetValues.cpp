#include "workbench/simulation/FlowsheetValues.h"

#include <vector>

#include "workbench/language/TextCase.h"

namespace {

// Whether path is prefix itself or lies inside it ("t101.level" inside "t101").
bool IsInside(std::string_view path, std::string_view prefix) {
  return path.size() >= prefix.size() && path.substr(0, prefix.size()) == prefix &&
         (path.size() == prefix.size() || path[prefix.size()] == '.');
}

}  // namespace

VariableChange* CFlowsheetValues::Find(std::string_view path) {
  const auto found = m_entries.find(LowerAscii(path));
  return found == m_entries.end() ? nullptr : &found->second.change;
}

const VariableChange* CFlowsheetValues::Find(std::string_view path) const {
  const auto found = m_entries.find(LowerAscii(path));
  return found == m_entries.end() ? nullptr : &found->second.change;
}

VariableChange& CFlowsheetValues::Change(const std::string& path) {
  Entry& entry = m_entries[LowerAscii(path)];
  if (entry.path.empty()) entry.path = path;
  return entry.change;
}

void CFlowsheetValues::Remove(std::string_view path) { m_entries.erase(LowerAscii(path)); }

void CFlowsheetValues::RenameUnit(std::string_view oldPath, std::string_view newPath) {
  const std::string prefix = LowerAscii(oldPath);
  std::vector<Entry> moved;
  for (auto it = m_entries.lower_bound(prefix); it != m_entries.end() && it->first.compare(0, prefix.size(), prefix) == 0;) {
    if (!IsInside(it->first, prefix)) {
      ++it;
      continue;
    }
    Entry entry = std::move(it->second);
    entry.path = std::string(newPath) + entry.path.substr(oldPath.size());
    moved.push_back(std::move(entry));
    it = m_entries.erase(it);
  }
  for (Entry& entry : moved) m_entries[LowerAscii(entry.path)] = std::move(entry);
}

void CFlowsheetValues::RemoveUnit(std::string_view path) {
  const std::string prefix = LowerAscii(path);
  for (auto it = m_entries.lower_bound(prefix); it != m_entries.end() && it->first.compare(0, prefix.size(), prefix) == 0;)
    it = IsInside(it->first, prefix) ? m_entries.erase(it) : std::next(it);
}
