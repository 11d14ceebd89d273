#include "app/peers/SplitterPeer.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>

#include "platform/Splitter.h"

namespace {

// Draws the bars and lets a person drag them.
class SplitterWidget : public QWidget {
 public:
  SplitterWidget(SplitterPeer& peer, QWidget* parent) : QWidget(parent), m_peer(peer) { setMouseTracking(true); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    for (const SplitterPeer::Bar& bar : m_peer.Bars()) {
      painter.fillRect(bar.rect, palette().window());
      if (bar.rect.width() >= 3 && bar.rect.height() >= 3) {
        QStyleOption option;
        option.initFrom(this);
        option.rect = bar.rect;
        option.state |= bar.vertical ? QStyle::State_Horizontal : QStyle::State_None;
        style()->drawControl(QStyle::CE_Splitter, &option, &painter, this);
      }
    }
    if (m_dragging) painter.fillRect(TrackerRect(), QColor(0, 0, 0, 90));
  }

  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() != Qt::LeftButton) return;
    if (auto bar = BarAt(event->position().toPoint())) {
      m_dragging = true;
      m_bar = *bar;
      m_position = Along(event->position().toPoint());
      m_grabOffset = m_position - (m_bar.vertical ? m_bar.rect.left() : m_bar.rect.top());
      update();
    }
  }

  void mouseMoveEvent(QMouseEvent* event) override {
    QPoint point = event->position().toPoint();
    if (m_dragging) {
      m_position = Along(point);
      update();
      return;
    }
    auto bar = BarAt(point);
    if (bar) setCursor(bar->vertical ? Qt::SplitHCursor : Qt::SplitVCursor);
    else unsetCursor();
  }

  void mouseReleaseEvent(QMouseEvent* event) override {
    if (!m_dragging || event->button() != Qt::LeftButton) return;
    m_dragging = false;
    update();
    m_peer.DragBar(m_bar, std::max(Along(event->position().toPoint()) - m_grabOffset, 0));
  }

 private:
  std::optional<SplitterPeer::Bar> BarAt(QPoint point) const {
    for (const SplitterPeer::Bar& bar : m_peer.Bars()) {
      // Thin bars get a few pixels more to aim at.
      QRect target = bar.vertical ? bar.rect.adjusted(-2, 0, 2, 0) : bar.rect.adjusted(0, -2, 0, 2);
      if (target.contains(point)) return bar;
    }
    return std::nullopt;
  }

  int Along(QPoint point) const { return m_bar.vertical ? point.x() : point.y(); }

  QRect TrackerRect() const {
    int start = m_position - m_grabOffset;
    return m_bar.vertical ? QRect(start, 0, std::max(m_bar.rect.width(), 3), height())
                          : QRect(0, start, width(), std::max(m_bar.rect.height(), 3));
  }

  SplitterPeer& m_peer;
  bool m_dragging = false;
  SplitterPeer::Bar m_bar;
  int m_position = 0;
  int m_grabOffset = 0;
};

}  // namespace

SplitterPeer::SplitterPeer(WindowPeerFactory& factory, CSplitterWnd& splitter, QWidget* parentArea, PeerUnits units)
    : WindowPeer(factory, splitter, units) {
  SetWidget(new SplitterWidget(*this, parentArea));
}

CSplitterWnd* SplitterPeer::Splitter() const { return dynamic_cast<CSplitterWnd*>(Window()); }

std::vector<SplitterPeer::Bar> SplitterPeer::Bars() const {
  std::vector<Bar> bars;
  CSplitterWnd* splitter = Splitter();
  if (!splitter) return bars;
  CRect client;
  splitter->GetClientRect(&client);
  int x = 0;
  for (int col = 0; col + 1 < splitter->m_nCols && col < static_cast<int>(splitter->m_pColInfo.size()); ++col) {
    x += splitter->m_pColInfo[col].nCurSize;
    bars.push_back(Bar{col, true, QRect(x, 0, splitter->m_cxSplitterGap, client.Height())});
    x += splitter->m_cxSplitterGap;
  }
  int y = 0;
  for (int row = 0; row + 1 < splitter->m_nRows && row < static_cast<int>(splitter->m_pRowInfo.size()); ++row) {
    y += splitter->m_pRowInfo[row].nCurSize;
    bars.push_back(Bar{row, false, QRect(0, y, client.Width(), splitter->m_cySplitterGap)});
    y += splitter->m_cySplitterGap;
  }
  return bars;
}

void SplitterPeer::DragBar(const Bar& bar, int position) {
  if (CSplitterWnd* splitter = Splitter()) splitter->UserDragBar(bar.index, position);
}

void SplitterPeer::Sync() {
  WindowPeer::Sync();
  if (QWidget* widget = Widget()) widget->update();
}

void SplitterPeer::ChildChanged(WindowPeer&) {
  if (QWidget* widget = Widget()) widget->update();
}
