// The values a dynamic run reported, kept for the history and plot views:
// at each reporting interval, the time and the value of every variable
// watched (named by a form or asked for by an open view). Memory is bounded:
// at most kMaxSamples times are kept for each variable (32 768 bytes a
// variable); when a run reports more, every other kept point is dropped and
// from then on only every other report is kept, so the points stay evenly
// spaced over the whole run (the latest report is always there too) and a
// long run never grows the history further. Values are in base units.
#pragma once

#include <cstddef>
#include <limits>
#include <map>
#include <string>
#include <string_view>
#include <vector>

class CFlowsheet;

class CRunHistory {
 public:
  static constexpr std::size_t kMaxSamples = 4096;
  static constexpr double kNoValue = std::numeric_limits<double>::quiet_NaN();

  // Adds paths to those recorded from the next report on (any case; already watched ones stay).
  void Watch(const std::vector<std::string>& paths);
  bool IsWatched(std::string_view path) const;

  // Takes the watched variables' values at time. A time earlier than the
  // last kept begins a new history (a run started again from 0); the same
  // time replaces the last point. A variable the flowsheet lacks gets kNoValue.
  void Record(double time, const CFlowsheet& flowsheet);
  void Clear();

  const std::vector<double>& Times() const { return m_times; }
  // The values of a path, one for each of Times() (kNoValue before it was
  // watched); null when not watched.
  const std::vector<double>* Values(std::string_view path) const;
  std::size_t SampleCount() const { return m_times.size(); }
  // Reports taken since the history began, thinned ones included (one at the same time as the last counts once).
  long ReportCount() const { return m_reports; }
  // Reports between two kept points: 1 until the history is first thinned.
  long Stride() const { return m_stride; }

 private:
  struct Series {
    std::string path;  // as first asked for
    std::vector<double> values;
  };
  void Thin();

  std::vector<double> m_times;
  std::vector<long> m_reportOfPoint;  // the report number each kept point was taken at
  long m_stride = 1;
  std::map<std::string, Series> m_series;  // lower-case path -> series
  long m_reports = 0;
};
