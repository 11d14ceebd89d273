#include "app/peers/DrawReplay.h"

#include <QPainter>

namespace {

Qt::PenStyle PenStyleOf(int style) {
  switch (style & 0xF) {
    case PS_DASH: return Qt::DashLine;
    case PS_DOT: return Qt::DotLine;
    case PS_DASHDOT: return Qt::DashDotLine;
    case PS_DASHDOTDOT: return Qt::DashDotDotLine;
    case PS_NULL: return Qt::NoPen;
    default: return Qt::SolidLine;
  }
}

Qt::BrushStyle BrushStyleOf(int hatch) {
  switch (hatch) {
    case HS_HORIZONTAL: return Qt::HorPattern;
    case HS_VERTICAL: return Qt::VerPattern;
    case HS_FDIAGONAL: return Qt::FDiagPattern;
    case HS_BDIAGONAL: return Qt::BDiagPattern;
    case HS_CROSS: return Qt::CrossPattern;
    case HS_DIAGCROSS: return Qt::DiagCrossPattern;
    default: return Qt::SolidPattern;
  }
}

QRect RectOf(const CRect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }

QPen PenOf(const DrawOp& op) {
  QPen pen(ColourOf(op.penColour), std::max(op.penWidth, 1), PenStyleOf(op.penStyle));
  pen.setCapStyle(Qt::FlatCap);
  return pen;
}

QBrush BrushOf(const DrawOp& op) { return QBrush(ColourOf(op.brushColour), BrushStyleOf(op.brushHatch)); }

}  // namespace

QColor ColourOf(COLORREF colour) { return QColor(GetRValue(colour), GetGValue(colour), GetBValue(colour)); }

void ReplayDrawing(QPainter& painter, const CDC& dc) {
  painter.save();
  for (const DrawOp& op : dc.Ops()) {
    switch (op.kind) {
      case DrawOp::Kind::FillRect:
        painter.fillRect(RectOf(op.rect), BrushOf(op));
        break;
      case DrawOp::Kind::FrameRect: {
        QRect r = RectOf(op.rect);
        painter.setPen(QPen(ColourOf(op.brushColour), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(r.adjusted(0, 0, -1, -1));
        break;
      }
      case DrawOp::Kind::Rectangle:
        painter.setPen(PenOf(op));
        painter.setBrush(BrushOf(op));
        painter.drawRect(RectOf(op.rect).adjusted(0, 0, -1, -1));
        break;
      case DrawOp::Kind::Line:
        painter.setPen(PenOf(op));
        painter.drawLine(QPoint(op.from.x, op.from.y), QPoint(op.to.x, op.to.y));
        break;
      case DrawOp::Kind::Text: {
        QFont font = painter.font();
        font.setUnderline(op.underline);
        painter.setFont(font);
        painter.setPen(ColourOf(op.textColour));
        QRect r = RectOf(op.rect);
        QString text = QString::fromStdString(op.text);
        if (r.isEmpty()) {
          painter.drawText(QPoint(op.rect.left, op.rect.top + painter.fontMetrics().ascent()), text);
        } else {
          painter.drawText(r, Qt::AlignLeft | Qt::AlignVCenter, text);
        }
        break;
      }
    }
  }
  painter.restore();
}
