// The line editor shown over a tree or list item while its label is edited.
// What is typed becomes the platform editor's text; Enter and Escape go to
// the platform editor as keys (the panes may take them first); leaving the
// editor ends the edit as the platform editor does when it loses the focus.
#pragma once

#include <QLineEdit>

#include "platform/Types.h"

class InPlaceLabelEditor : public QLineEdit {
 public:
  // editorWindow: the platform editor (a CLabelEditWnd) whose text this shows.
  InPlaceLabelEditor(HWND editorWindow, QWidget* host, const QRect& rect);

  HWND EditorWindow() const { return m_editorWindow; }
  // Shows text the program set in the platform editor.
  void SyncFromPlatform();
  // Takes the editor away (the edit has ended); safe to call more than once.
  void Close();
  bool IsClosed() const { return m_closed; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  HWND m_editorWindow;
  bool m_closed = false;
};
