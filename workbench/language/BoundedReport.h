// A parse report that takes a bounded number of messages, so that a damaged
// or foreign text (a binary file opened by mistake) gives a short report and
// the checking stops early instead of listing every byte.
#pragma once

#include <string>

#include "host/ParseReport.h"

class CBoundedReport {
 public:
  static constexpr int kMaxMessages = 100;

  explicit CBoundedReport(QVParseReport& report) : m_report(&report) {}

  // A report that keeps no messages and never fills: for readers that only
  // need the tokens of a text and leave its problems to a later check.
  static CBoundedReport Discarding() { return CBoundedReport(); }

  void Error(int line, std::string message) { Add(QV_SEVERITY_ERROR, line, std::move(message)); }
  void Warning(int line, std::string message) { Add(QV_SEVERITY_WARNING, line, std::move(message)); }

  // True once the limit was reached; callers may stop working then.
  bool Full() const { return m_full; }
  int ErrorCount() const { return m_errors; }

 private:
  CBoundedReport() = default;

  void Add(int severity, int line, std::string message) {
    if (!m_report) {
      if (severity == QV_SEVERITY_ERROR) ++m_errors;
      return;
    }
    if (m_full) return;
    if (m_count + 1 >= kMaxMessages) {
      m_report->AddError(line, "too many errors and warnings; the rest of the text was not checked");
      ++m_errors;
      m_full = true;
      return;
    }
    m_report->Add(severity, line, std::move(message));
    ++m_count;
    if (severity == QV_SEVERITY_ERROR) ++m_errors;
  }

  QVParseReport* m_report = nullptr;
  int m_count = 0;
  int m_errors = 0;
  bool m_full = false;
};
