// The desktop program's user-interface provider: every point where the
// platform asks a person goes to Qt here — message boxes, popup menus,
// dialogs and property sheets drawn from their templates, file dialogs,
// drags, in-place label edits, the busy cursor, progress, beeps and the
// host's announcements (shown in the status bar).
#pragma once

#include <functional>
#include <map>
#include <string>

#include <QPointer>

#include "app/ui/ProgressDisplay.h"
#include "platform/UserInterface.h"

class QWidget;
class QDialog;
class WindowPeerFactory;

class QtUserInterface : public IUserInterface {
 public:
  explicit QtUserInterface(WindowPeerFactory& peers);
  ~QtUserInterface() override;

  // The window dialogs and menus belong to (the main window).
  void SetMainWindow(QWidget* window);
  // Where announcements go (the main window's status bar).
  std::function<void(const std::string&)> onAnnounce;

  int MessageBox(const MessageBoxRequest& request) override;
  UINT ChooseFromMenu(const CMenu& menu, CPoint screenPoint, CWnd* owner) override;
  void RunModalDialog(CDialog& dialog) override;
  void RunModalSheet(CPropertySheet& sheet) override;
  void RunFileDialog(CFileDialog& dialog) override;
  DROPEFFECT DoDragDrop(COleDataSource& data, DROPEFFECT allowed) override;
  void LabelEditStarted(ILabelEdit& edit) override;
  void Beep(UINT type) override;
  void SetBusy(bool busy) override;
  void Progress(const std::string& what, int percent) override;
  void Announce(const std::string& line) override;

 private:
  QWidget* DialogParent() const;
  // Where a menu asked for at a platform screen point opens on the screen.
  QPoint MenuPosition(CPoint screenPoint, CWnd* owner) const;
  // A dialog created by the program and left open without being run: shown as a modeless window.
  void ShowIfModeless(HWND window);

  WindowPeerFactory& m_peers;
  QPointer<QWidget> m_mainWindow;
  ProgressDisplay m_progress;
  std::map<HWND, QPointer<QDialog>> m_modeless;
};
