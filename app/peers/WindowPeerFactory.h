// Watches the platform's windows and gives each one that is drawn a Qt peer:
// MDI child frames become sub-windows of the main window's MDI area,
// splitters, form views, tree and list controls and dialog controls become
// widgets inside their parent's widget. A window is drawn when its parent is
// drawn; top-level dialogs and sheets are drawn when the user-interface
// provider runs them (AdoptTopLevel). Peers go when their windows go.
#pragma once

#include <functional>
#include <memory>
#include <unordered_map>

#include <QPointer>

#include "app/peers/InPlaceLabelEditor.h"
#include "app/peers/PeerGeometry.h"
#include "platform/Window.h"

class QMdiArea;
class QWidget;
class WindowPeer;
class ILabelEdit;

class WindowPeerFactory : public WindowObserver {
 public:
  WindowPeerFactory();
  ~WindowPeerFactory() override;
  WindowPeerFactory(const WindowPeerFactory&) = delete;
  WindowPeerFactory& operator=(const WindowPeerFactory&) = delete;

  // The factory in use (null when none exists).
  static WindowPeerFactory* Current();

  WindowPeer* PeerOf(HWND window) const;
  // The peer whose widget is widget or holds it (nearest first); null when none.
  WindowPeer* PeerOfWidget(const QWidget* widget) const;
  std::size_t PeerCount() const { return m_peers.size(); }

  // The main window's MDI area draws the MDI client window (and its child frames).
  WindowPeer* AdoptMdiClient(CWnd& client, QMdiArea& area);
  // Draws a top-level window (a dialog or sheet being run) and its children
  // inside host, measured in units (dialog units for dialogs). Returns its peer.
  WindowPeer* AdoptTopLevel(CWnd& window, QWidget& host, PeerUnits units = PeerUnits::DialogUnits);
  // Removes the peers of window and of everything below it.
  void Release(HWND window);

  // Carries out the models' pending resets (before mapping a point to an item).
  void FlushAll();
  // Gives the Qt focus to the peer of the window the platform last focused,
  // when that changed since the last call.
  void SyncFocus();

  // In-place label editing: the editor over the item a control is editing.
  void OpenLabelEditor(ILabelEdit& edit);
  InPlaceLabelEditor* LabelEditor() const { return m_labelEditor; }

  // Told about each top-level window (a dialog or sheet) that appears without
  // a parent peer; the provider decides whether to show it as modeless.
  std::function<void(HWND)> onTopLevelWindow;

  // WindowObserver
  void WindowCreated(CWnd& window) override;
  void WindowDestroying(CWnd& window) override;
  void WindowChanged(CWnd& window) override;

 private:
  std::unique_ptr<WindowPeer> MakePeer(CWnd& window, WindowPeer& parent);
  WindowPeer* Add(std::unique_ptr<WindowPeer> peer);
  // Makes peers for the window's children that have none yet (depth first).
  void AdoptChildren(CWnd& window);
  void CloseLabelEditor(HWND editorWindow);
  WindowPeer* PreviousSiblingPeer(const CWnd& window) const;

  std::unordered_map<HWND, std::unique_ptr<WindowPeer>> m_peers;
  HWND m_lastFocus = nullptr;
  QPointer<InPlaceLabelEditor> m_labelEditor;
};
