// The Qt side of one platform window. A peer owns the widget that draws its
// window, keeps it in step with the window (Sync: place, visibility, enabled
// state, text and whatever the kind of window shows) and turns what a person
// does on the widget into the window's own User... actions. Peers name their
// window by handle and look it up each time, so a window that is gone is
// simply not found.
#pragma once

#include <QPointer>
#include <QWidget>

#include "app/peers/PeerGeometry.h"
#include "platform/Window.h"

class WindowPeerFactory;

class WindowPeer {
 public:
  // units: how this window's rectangle is measured inside its parent.
  WindowPeer(WindowPeerFactory& factory, CWnd& window, PeerUnits units);
  virtual ~WindowPeer();
  WindowPeer(const WindowPeer&) = delete;
  WindowPeer& operator=(const WindowPeer&) = delete;

  HWND Handle() const { return m_hwnd; }
  // The window's receiver while the window lives, else null.
  CWnd* Window() const { return CWnd::FromHandle(m_hwnd); }

  // The widget that stands for the window (null once Qt deleted it).
  QWidget* Widget() const { return m_widget; }
  // Where the widgets of child windows go; null when children are not drawn.
  virtual QWidget* ChildArea() const { return Widget(); }
  // How the rectangles of child windows are measured.
  virtual PeerUnits ChildUnits() const { return m_units; }

  // Brings the widget up to date with the window.
  virtual void Sync();
  // A child window changed (a splitter redraws its bars, a sheet its tabs).
  virtual void ChildChanged(WindowPeer& /*child*/) {}
  // Pending model work done now, so that the widget and the control agree.
  virtual void Flush() {}
  // For a control editing a label in place: the widget to put the editor on
  // and the rectangle (in that widget) of the label; null when not editing.
  virtual QWidget* LabelEditHost(QRect* /*rect*/) const { return nullptr; }

  // Windows whose place Qt decides (top-level and MDI child windows) are not
  // moved from their platform rectangle.
  bool IsPlacedByQt() const { return m_placedByQt; }

 protected:
  // Takes the widget (parented by the caller); the peer deletes it unless Qt already did.
  void SetWidget(QWidget* widget);
  void SetPlacedByQt(bool placed) { m_placedByQt = placed; }
  // Sets the widget's geometry from the window's rectangle.
  void Place();
  // The widget rectangle for the window's rectangle (a drop-down list's
  // template height includes its open list; the closed field is shorter).
  virtual QRect WidgetRect(const QRect& windowRect) const { return windowRect; }

  WindowPeerFactory& m_factory;
  HWND m_hwnd;
  PeerUnits m_units;

 private:
  QPointer<QWidget> m_widget;
  bool m_placedByQt = false;
};
