#include "workbench/document/MessageLog.h"

void CMessageLog::Append(std::string text, int kind, DWORD flags) {
  m_entries.push_back(MessageLogEntry{std::move(text), kind, flags});
  // A listener may add or remove listeners; walk a copy.
  const auto listeners = m_listeners;
  const MessageLogEntry entry = m_entries.back();
  for (const auto& [id, listener] : listeners)
    if (listener) listener(entry);
}

std::string CMessageLog::Text() const {
  std::string out;
  for (const MessageLogEntry& e : m_entries) out += e.text;
  return out;
}

std::vector<std::string> CMessageLog::Lines() const {
  std::vector<std::string> lines;
  for (const MessageLogEntry& e : m_entries) {
    for (std::string& line : MessageLines(e.text))
      if (!line.empty()) lines.push_back(std::move(line));
  }
  return lines;
}

std::vector<std::string> CMessageLog::MessageLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty() || !lines.empty()) lines.push_back(std::move(line));  // none before the first
    start = end + 1;
  }
  while (!lines.empty() && lines.back().empty()) lines.pop_back();
  return lines;
}

int CMessageLog::AddListener(Listener listener) {
  const int id = m_nextListener++;
  m_listeners.emplace_back(id, std::move(listener));
  return id;
}

void CMessageLog::RemoveListener(int id) {
  std::erase_if(m_listeners, [id](const auto& entry) { return entry.first == id; });
}
