// The report the host's parser gives for a create or compile: a chain of
// messages, each with a severity, a text for the modelling engineer and the
// 1-based line of the modelling-language text it is about (0 when the message
// is about the text as a whole). Callers decide success by the error count.
#pragma once

#include <string>
#include <utility>
#include <vector>

constexpr int QV_SEVERITY_WARNING = 2;
constexpr int QV_SEVERITY_ERROR = 3;

struct QVParseMessage {
  int severity = QV_SEVERITY_ERROR;
  std::string message;
  int line = 0;

  bool IsError() const { return severity == QV_SEVERITY_ERROR; }
  bool IsWarning() const { return severity == QV_SEVERITY_WARNING; }

  // "Line 7: unknown type 'Pressur' for 'P'" (no prefix for line 0).
  std::string Describe() const {
    if (line <= 0) return message;
    return "Line " + std::to_string(line) + ": " + message;
  }
};

struct QVParseReport {
  std::vector<QVParseMessage> messages;

  void Add(int severity, int line, std::string message) {
    messages.push_back(QVParseMessage{severity, std::move(message), line});
  }
  void AddError(int line, std::string message) { Add(QV_SEVERITY_ERROR, line, std::move(message)); }
  void AddWarning(int line, std::string message) { Add(QV_SEVERITY_WARNING, line, std::move(message)); }

  // Appends another report's messages, moving each line by lineOffset (for a
  // part of a larger text that was checked on its own).
  void Append(const QVParseReport& other, int lineOffset = 0) {
    for (const QVParseMessage& m : other.messages) {
      QVParseMessage copy = m;
      if (copy.line > 0) copy.line += lineOffset;
      messages.push_back(std::move(copy));
    }
  }

  int ErrorCount() const { return Count(QV_SEVERITY_ERROR); }
  int WarningCount() const { return Count(QV_SEVERITY_WARNING); }
  bool HasErrors() const { return ErrorCount() > 0; }
  bool Empty() const { return messages.empty(); }

 private:
  int Count(int severity) const {
    int n = 0;
    for (const QVParseMessage& m : messages)
      if (m.severity == severity) ++n;
    return n;
  }
};
