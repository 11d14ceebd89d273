#include "platform/Draw.h"

void CDC::FillRect(const CRect& rect, const CBrush& brush) {
  DrawOp op;
  op.kind = DrawOp::Kind::FillRect;
  op.rect = rect;
  op.brushHatch = brush.Hatch();
  op.brushColour = brush.Colour();
  m_ops.push_back(op);
}

void CDC::FrameRect(const CRect& rect, const CBrush& brush) {
  DrawOp op;
  op.kind = DrawOp::Kind::FrameRect;
  op.rect = rect;
  op.brushHatch = brush.Hatch();
  op.brushColour = brush.Colour();
  m_ops.push_back(op);
}

void CDC::Rectangle(const CRect& rect) {
  DrawOp op;
  op.kind = DrawOp::Kind::Rectangle;
  op.rect = rect;
  op.penStyle = m_pen.Style();
  op.penWidth = m_pen.Width();
  op.penColour = m_pen.Colour();
  op.brushHatch = m_brush.Hatch();
  op.brushColour = m_brush.Colour();
  m_ops.push_back(op);
}

void CDC::LineTo(int x, int y) {
  DrawOp op;
  op.kind = DrawOp::Kind::Line;
  op.from = m_pos;
  op.to = {x, y};
  op.penStyle = m_pen.Style();
  op.penWidth = m_pen.Width();
  op.penColour = m_pen.Colour();
  m_ops.push_back(op);
  m_pos = {x, y};
}

void CDC::TextOut(int x, int y, const std::string& text) {
  DrawOp op;
  op.kind = DrawOp::Kind::Text;
  op.rect = CRect(x, y, x, y);
  op.text = text;
  op.textColour = m_textColour;
  op.underline = m_underline;
  m_ops.push_back(op);
}

COLORREF GetSysColor(int index) {
  switch (index) {
    case COLOR_WINDOW: return RGB(255, 255, 255);
    case COLOR_WINDOWTEXT: return RGB(0, 0, 0);
    case COLOR_HIGHLIGHT: return RGB(0, 120, 215);
    default: return RGB(192, 192, 192);
  }
}
