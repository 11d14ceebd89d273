#include "app/headless/ConsoleUserInterface.h"

#include <memory>
#include <ostream>

#include "platform/Ole.h"
#include "platform/Types.h"

namespace {

std::string ButtonsText(UINT type) {
  switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL: return "OK Cancel";
    case MB_ABORTRETRYIGNORE: return "Abort Retry Ignore";
    case MB_YESNOCANCEL: return "Yes No Cancel";
    case MB_YESNO: return "Yes No";
    case MB_RETRYCANCEL: return "Retry Cancel";
    default: return "OK";
  }
}

// Each line of a message's text, indented under its caption.
void AddIndentedText(const std::string& text, std::vector<std::string>& lines) {
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back("  " + line);
    start = end + 1;
  }
}

}  // namespace

ConsoleUserInterface::ConsoleUserInterface(std::ostream& out) : m_out(out) {
  leaveLabelEditsOpen = true;  // "rename TEXT" types into an edit a command opened
  onProblem = [this](const std::string& problem) {
    if (m_problem.empty()) m_problem = problem;
  };
  onPrompt = [this](const UiPrompt& prompt) {
    for (const std::string& line : DescribePrompt(prompt)) m_out << line << '\n';
  };
  onAnnounce = [this](const std::string& line) { m_out << line << '\n'; };
}

std::string ConsoleUserInterface::TakeProblem() {
  std::string problem;
  problem.swap(m_problem);
  return problem;
}

DROPEFFECT ConsoleUserInterface::DoDragDrop(COleDataSource& data, DROPEFFECT allowed) {
  if (!m_drag) return m_lastDropEffect = ScriptedUserInterface::DoDragDrop(data, allowed);
  const DragAnswer drag = *m_drag;
  m_drag.reset();
  DragDropSession session(std::make_shared<COleDataSource>(data), allowed);
  session.MoveTo(drag.target, drag.point, drag.keyState);
  return m_lastDropEffect = session.Drop();
}

std::vector<std::string> ConsoleUserInterface::DescribePrompt(const UiPrompt& prompt) {
  std::vector<std::string> lines;
  if (prompt.kind == "message") {
    lines.push_back("message box: " + prompt.caption);
    AddIndentedText(prompt.text, lines);
    lines.push_back("  [" + ButtonsText(prompt.style) + "]");
  } else if (prompt.kind == "dialog" || prompt.kind == "sheet") {
    lines.push_back(prompt.kind + ": " + prompt.caption);
    // The description may begin with the caption itself; it is shown once.
    auto first = prompt.details.begin();
    if (first != prompt.details.end() && *first == prompt.caption) ++first;
    lines.insert(lines.end(), first, prompt.details.end());
  } else if (prompt.kind == "file") {
    lines.push_back("file dialog: " + prompt.caption);
    lines.push_back("  File name: " + prompt.text);
    for (const std::string& filter : prompt.details) lines.push_back("  " + filter);
  } else if (prompt.kind == "menu") {
    lines.push_back("menu:");
    for (const std::string& item : prompt.details) lines.push_back("  " + item);
  }
  // Drags and label edits are the script's own actions: nothing to show.
  return lines;
}
