// Command state updates: the update side of command routing. A menu, toolbar
// or accelerator asks the window that routes a command whether it is enabled,
// checked or needs another text.
#pragma once

#include <optional>
#include <string>

#include "platform/Types.h"

class CWnd;

class CCmdUI {
 public:
  explicit CCmdUI(UINT id) : m_nID(id) {}
  virtual ~CCmdUI() = default;

  UINT m_nID = 0;

  virtual void Enable(bool on = true) { m_enabled = on; m_handled = true; }
  virtual void SetCheck(int check = 1) { m_check = check; m_handled = true; }
  virtual void SetText(const std::string& text) { m_text = text; m_handled = true; }

  bool IsEnabled() const { return m_enabled; }
  int GetCheck() const { return m_check; }
  const std::optional<std::string>& GetText() const { return m_text; }
  // True once a handler said anything about the command.
  bool WasHandled() const { return m_handled; }

 private:
  bool m_enabled = true;
  int m_check = 0;
  std::optional<std::string> m_text;
  bool m_handled = false;
};

struct CommandState {
  bool enabled = false;
  int check = 0;
  std::optional<std::string> text;
};

// Asks target for the state of command id. A command nobody answers for is
// disabled, as a menu item without a handler would be.
CommandState QueryCommandState(CWnd* target, UINT id);

// Performs command id on target (WM_COMMAND with the id). False when target is null or dead.
bool PerformCommand(CWnd* target, UINT id);
