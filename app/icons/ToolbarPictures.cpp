#include "app/icons/ToolbarPictures.h"

#include <functional>

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "app/CommandIds.h"
#include "explorer/resources/CommandIds.h"

namespace {

const QColor kInk(40, 48, 64);
const QColor kTile(52, 110, 200);

void Tile(QPainter& p, const QRectF& r) {
  p.setPen(QPen(kInk, 1));
  p.setBrush(kTile);
  p.drawRect(r);
}

void Line(QPainter& p, qreal x1, qreal y, qreal x2) {
  p.setPen(QPen(kInk, 1.4));
  p.drawLine(QPointF(x1, y), QPointF(x2, y));
}

void LargeIcons(QPainter& p) {
  for (int row = 0; row < 2; ++row) {
    for (int col = 0; col < 2; ++col) Tile(p, QRectF(2.5 + col * 10, 2.5 + row * 10, 7, 6));
  }
}

void SmallIcons(QPainter& p) {
  for (int row = 0; row < 3; ++row) {
    for (int col = 0; col < 2; ++col) {
      Tile(p, QRectF(1.5 + col * 10, 2.5 + row * 5, 3, 3));
      Line(p, 5.5 + col * 10, 4 + row * 5, 9 + col * 10);
    }
  }
}

void List(QPainter& p) {
  for (int row = 0; row < 4; ++row) {
    Tile(p, QRectF(2.5, 1.5 + row * 4, 2.5, 2.5));
    Line(p, 6.5, 2.75 + row * 4, 14);
  }
}

void Details(QPainter& p) {
  p.setPen(QPen(kInk, 1));
  p.setBrush(QColor(220, 225, 235));
  p.drawRect(QRectF(1.5, 1.5, 17, 3));
  for (int row = 0; row < 3; ++row) {
    Tile(p, QRectF(1.5, 6.5 + row * 4, 2.5, 2.5));
    Line(p, 5.5, 7.75 + row * 4, 10);
    Line(p, 12, 7.75 + row * 4, 18);
  }
}

void Refresh(QPainter& p) {
  QPainterPath arc;
  arc.arcMoveTo(QRectF(3, 3, 14, 14), 60);
  arc.arcTo(QRectF(3, 3, 14, 14), 60, 270);
  p.setPen(QPen(QColor(46, 150, 70), 2.2, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawPath(arc);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(46, 150, 70));
  p.drawPolygon(QPolygonF{{10, 0.5}, {15.5, 3.5}, {10, 7.5}});
}

void Options(QPainter& p) {
  p.setPen(QPen(kInk, 1));
  p.setBrush(QColor(245, 245, 240));
  p.drawRect(QRectF(2.5, 2.5, 15, 15));
  for (int row = 0; row < 3; ++row) {
    p.setBrush(row == 1 ? QColor(255, 255, 255) : QColor(46, 150, 70));
    p.drawRect(QRectF(4.5, 4.5 + row * 4.5, 3, 3));
    Line(p, 9.5, 6 + row * 4.5, 15.5);
  }
}

QIcon Paint(const std::function<void(QPainter&)>& draw) {
  QIcon icon;
  for (int size : {20, 40}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 20.0, size / 20.0);
    draw(painter);
    painter.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

}  // namespace

QIcon ToolbarPicture(UINT command) {
  switch (command) {
    case ID_VIEW_LARGE_ICONS: return Paint(LargeIcons);
    case ID_VIEW_SMALL_ICONS: return Paint(SmallIcons);
    case ID_VIEW_LIST: return Paint(List);
    case ID_VIEW_DETAILS: return Paint(Details);
    case ID_VIEW_REFRESH: return Paint(Refresh);
    case ID_VIEW_OPTIONS: return Paint(Options);
    default: return {};
  }
}
