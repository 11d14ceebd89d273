#include "workbench/views/RunHistory.h"

#include "workbench/language/TextCase.h"
#include "workbench/simulation/Flowsheet.h"

void CRunHistory::Watch(const std::vector<std::string>& paths) {
  for (const std::string& path : paths) {
    auto [it, added] = m_series.try_emplace(LowerAscii(path));
    if (added) {
      it->second.path = path;
      it->second.values.assign(m_times.size(), kNoValue);
    }
  }
}

bool CRunHistory::IsWatched(std::string_view path) const { return m_series.contains(LowerAscii(path)); }

void CRunHistory::Record(double time, const CFlowsheet& flowsheet) {
  if (!m_times.empty() && time < m_times.back()) Clear();
  const bool replace = !m_times.empty() && time == m_times.back();
  if (!replace) {
    if (m_times.size() >= kMaxSamples) Thin();
    m_times.push_back(time);
  }
  ++m_reports;
  for (auto& [key, series] : m_series) {
    const InstanceVariable* variable = flowsheet.FindVariable(series.path);
    const double value = variable ? variable->value : kNoValue;
    if (replace) {
      series.values.back() = value;
    } else {
      series.values.push_back(value);
    }
  }
}

void CRunHistory::Clear() {
  m_times.clear();
  for (auto& [key, series] : m_series) series.values.clear();
  m_reports = 0;
}

const std::vector<double>* CRunHistory::Values(std::string_view path) const {
  auto it = m_series.find(LowerAscii(path));
  return it == m_series.end() ? nullptr : &it->second.values;
}

// Keeps the points at even positions and the latest one.
void CRunHistory::Thin() {
  auto thin = [](std::vector<double>& points) {
    const std::size_t count = points.size();
    if (count < 3) return;
    const double latest = points.back();
    std::size_t kept = 0;
    for (std::size_t i = 0; i < count; i += 2) points[kept++] = points[i];
    if ((count - 1) % 2 != 0) points[kept++] = latest;
    points.resize(kept);
  };
  thin(m_times);
  for (auto& [key, series] : m_series) thin(series.values);
}
