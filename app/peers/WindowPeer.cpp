#include "app/peers/WindowPeer.h"

WindowPeer::WindowPeer(WindowPeerFactory& factory, CWnd& window, PeerUnits units)
    : m_factory(factory), m_hwnd(window.m_hWnd), m_units(units) {}

WindowPeer::~WindowPeer() { delete m_widget.data(); }

void WindowPeer::SetWidget(QWidget* widget) {
  m_widget = widget;
  if (widget) widget->setProperty("vortanWindow", QVariant::fromValue(reinterpret_cast<quintptr>(m_hwnd)));
}

void WindowPeer::Place() {
  CWnd* window = Window();
  if (!window || !m_widget || m_placedByQt) return;
  QRect rect = WidgetRect(ChildWidgetRect(*window, m_units));
  if (m_widget->geometry() != rect) m_widget->setGeometry(rect);
}

void WindowPeer::Sync() {
  CWnd* window = Window();
  if (!window || !m_widget) return;
  const WindowRecord* record = window->Record();
  Place();
  if (!m_placedByQt && m_widget->isVisibleTo(m_widget->parentWidget()) != record->visible)
    m_widget->setVisible(record->visible);
  if (m_widget->isEnabled() != record->enabled) m_widget->setEnabled(record->enabled);
}
