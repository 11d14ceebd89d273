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
  // The same time again replaces the last point; so does any report after a
  // last point that lies off the stride (it was kept only as the latest).
  bool replace = !m_times.empty() && time == m_times.back();
  if (!replace) {
    const bool lastOffStride = !m_reportOfPoint.empty() && m_reportOfPoint.back() % m_stride != 0;
    if (m_times.size() >= kMaxSamples && !lastOffStride) Thin();
    replace = !m_reportOfPoint.empty() && m_reportOfPoint.back() % m_stride != 0;
    if (replace) {
      m_times.back() = time;
      m_reportOfPoint.back() = m_reports;
    } else {
      m_times.push_back(time);
      m_reportOfPoint.push_back(m_reports);
    }
    ++m_reports;
  }
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
  m_reportOfPoint.clear();
  m_stride = 1;
  for (auto& [key, series] : m_series) series.values.clear();
  m_reports = 0;
}

const std::vector<double>* CRunHistory::Values(std::string_view path) const {
  auto it = m_series.find(LowerAscii(path));
  return it == m_series.end() ? nullptr : &it->second.values;
}

// Doubles the stride: keeps the points taken on it, and the latest.
void CRunHistory::Thin() {
  m_stride *= 2;
  std::vector<std::size_t> kept;
  for (std::size_t i = 0; i < m_reportOfPoint.size(); ++i)
    if (m_reportOfPoint[i] % m_stride == 0 || i + 1 == m_reportOfPoint.size()) kept.push_back(i);
  auto keep = [&kept](auto& points) {
    for (std::size_t k = 0; k < kept.size(); ++k) points[k] = points[kept[k]];
    points.resize(kept.size());
  };
  keep(m_times);
  keep(m_reportOfPoint);
  for (auto& [key, series] : m_series) keep(series.values);
}
