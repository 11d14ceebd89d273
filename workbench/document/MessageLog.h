// The messages window's contents: every OutputMessage text as it came, kept
// in order, with listeners that the desktop program (a window) and the
// command line (printing) attach. Writers put line feeds before or after a
// message as they please ("\nCompiling...", "Error: ...\n"); each message is
// shown on a line of its own all the same.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "platform/Types.h"

struct MessageLogEntry {
  std::string text;
  int kind = -1;
  DWORD flags = 0;
};

class CMessageLog {
 public:
  using Listener = std::function<void(const MessageLogEntry&)>;

  void Append(std::string text, int kind, DWORD flags);
  const std::vector<MessageLogEntry>& Entries() const { return m_entries; }
  // Everything written, one text after another.
  std::string Text() const;
  // Every message's lines, each message starting a line of its own, leaving out empty lines.
  std::vector<std::string> Lines() const;
  // The lines of one message: its text cut at line feeds, without the empty
  // lines before and after it.
  static std::vector<std::string> MessageLines(const std::string& text);
  void Clear() { m_entries.clear(); }

  // Called for each new entry; returns an id for RemoveListener.
  int AddListener(Listener listener);
  void RemoveListener(int id);

 private:
  std::vector<MessageLogEntry> m_entries;
  std::vector<std::pair<int, Listener>> m_listeners;
  int m_nextListener = 1;
};
