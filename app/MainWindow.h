// The main window: the host's frame drawn with Qt. Its MDI area holds the
// child frames (Explorer windows, text editors); its menus are the frame's
// menu (resource IDR_EXPLORER_TEMPLATE), each command routed to the frame, which asks the
// active child frame first, and enabled and checked as the frame answers
// when a menu opens; a toolbar offers the contents pane's four view styles,
// Refresh and Options; the messages window shows the document's output and
// the status bar the prompt of the command under the pointer.
#pragma once

#include <functional>

#include <QMainWindow>

#include "platform/Types.h"

class CMDIFrameWnd;
class CWnd;
class MessageWindow;
class QMdiArea;
class QMenu;
class QToolBar;
class WindowPeerFactory;

class MainWindow : public QMainWindow {
 public:
  MainWindow(CMDIFrameWnd& frame, WindowPeerFactory& peers);
  ~MainWindow() override;

  QMdiArea* MdiArea() const { return m_area; }
  MessageWindow* Messages() const { return m_messages; }
  QToolBar* Toolbar() const { return m_toolbar; }

  // Enables and checks the toolbar's commands as the frame answers; follows the frame's caption.
  void UpdateCommandStates();
  // Runs a command of the menus or the toolbar.
  void Perform(UINT command);

  // Called when the person closes the main window or chooses Exit: the program ends.
  std::function<void()> onExit;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  CMDIFrameWnd* Frame() const;
  void BuildMenus();
  void BuildToolbar();
  void UpdateMenu(QMenu& menu);
  // The command a key stands for in the frame's accelerator table; 0 for none.
  UINT AcceleratorCommand(UINT key, Qt::KeyboardModifiers modifiers) const;

  HWND m_frame;
  WindowPeerFactory& m_peers;
  QMdiArea* m_area = nullptr;
  MessageWindow* m_messages = nullptr;
  QToolBar* m_toolbar = nullptr;
};
