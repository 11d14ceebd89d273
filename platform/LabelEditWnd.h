// The in-place editor a control opens over an item's label: a child window of
// the control that holds the text being typed and takes the focus. Enter
// commits, Escape cancels, losing the focus commits (as a person expects when
// clicking elsewhere). The control decides what an end means through its
// end handler, which must call Close when it is done.
#pragma once

#include <functional>
#include <string>

#include "platform/UserInterface.h"
#include "platform/Window.h"

class CLabelEditWnd : public CWnd, public ILabelEdit {
 public:
  // control: the tree or list control the edit belongs to (not owned).
  // onEnd: called once per end request while the edit is open.
  CLabelEditWnd(CWnd& control, std::function<void(bool cancel)> onEnd);

  // Creates the editor window over rect (control client coordinates) holding
  // text and gives it the focus. False when an edit is already open.
  bool Open(const std::string& text, const CRect& rect);
  // Destroys the editor window without asking anyone; the focus goes back to
  // the control when the editor had it.
  void Close();

  // ILabelEdit
  CWnd& Control() override { return m_control; }
  std::string Text() const override { return GetWindowText(); }
  void SetText(const std::string& text) override;
  void End(bool cancel) override;
  bool IsActive() const override { return m_hWnd != nullptr && IsWindow(m_hWnd); }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  CWnd& m_control;
  std::function<void(bool)> m_onEnd;
};
