#include "app/ui/DragLoop.h"

#include <QDrag>
#include <QGuiApplication>
#include <QMimeData>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

#include "app/clipboard/ClipboardMime.h"

namespace {

DragLoop* g_active = nullptr;
QPointer<QWidget> g_pendingSource;
bool g_pendingRight = false;

constexpr int kRepeatMilliseconds = 50;

Qt::DropActions ActionsOf(DROPEFFECT effects) {
  Qt::DropActions actions;
  if (effects & DROPEFFECT_COPY) actions |= Qt::CopyAction;
  if (effects & DROPEFFECT_MOVE) actions |= Qt::MoveAction;
  if (effects & DROPEFFECT_LINK) actions |= Qt::LinkAction;
  return actions;
}

QPixmap DragPicture() {
  QPixmap picture(18, 18);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setPen(QPen(QColor(40, 48, 64), 1, Qt::DashLine));
  painter.setBrush(QColor(150, 190, 240, 140));
  painter.drawRect(1, 1, 15, 15);
  return picture;
}

}  // namespace

DragLoop::DragLoop(const COleDataSource& data, DROPEFFECT allowed, bool rightButton)
    : m_data(data.Copy()), m_session(m_data, allowed), m_rightButton(rightButton), m_previous(g_active) {
  g_active = this;
  m_repeat.setInterval(kRepeatMilliseconds);
  QObject::connect(&m_repeat, &QTimer::timeout, [this] {
    if (m_lastTarget) m_session.MoveTo(m_lastTarget, m_lastPoint, m_lastKeys);
  });
}

DragLoop::~DragLoop() {
  m_repeat.stop();
  m_session.Cancel();
  g_active = m_previous;
}

DragLoop* DragLoop::Active() { return g_active; }

void DragLoop::SetPendingSource(QWidget* source, bool rightButton) {
  g_pendingSource = source;
  g_pendingRight = rightButton;
}

QWidget* DragLoop::PendingSource() { return g_pendingSource; }
bool DragLoop::PendingRightButton() { return g_pendingRight; }

DROPEFFECT DragLoop::Over(HWND target, CPoint point, DWORD keyState) {
  if (m_rightButton) keyState |= MK_RBUTTON;
  m_lastTarget = target;
  m_lastPoint = point;
  m_lastKeys = keyState;
  if (target && !m_repeat.isActive()) m_repeat.start();
  if (!target) m_repeat.stop();
  return m_session.MoveTo(target, point, keyState);
}

void DragLoop::Leave() {
  m_repeat.stop();
  m_lastTarget = nullptr;
  m_session.MoveTo(nullptr, CPoint(), 0);
}

DROPEFFECT DragLoop::Run(QWidget* source) {
  if (source) {
    auto* drag = new QDrag(source);
    drag->setMimeData(MimeDataFromSource(*m_data).release());
    drag->setPixmap(DragPicture());
    Qt::DropActions actions = ActionsOf(DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK);
    drag->exec(actions, Qt::MoveAction);
  }
  return Finish();
}

DROPEFFECT DragLoop::Finish() {
  m_repeat.stop();
  if (!m_dropped) {
    m_session.Cancel();
    return DROPEFFECT_NONE;
  }
  m_dropped = false;
  return m_session.Drop();
}
