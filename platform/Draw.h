// Drawing for owner-drawn controls. A CDC records what is drawn as a display
// list; the desktop program replays it and tests read it.
#pragma once

#include <string>
#include <vector>

#include "platform/Types.h"

// Pen styles.
constexpr int PS_SOLID = 0;
constexpr int PS_DASH = 1;
constexpr int PS_DOT = 2;
constexpr int PS_DASHDOT = 3;
constexpr int PS_DASHDOTDOT = 4;
constexpr int PS_NULL = 5;
constexpr int PS_GEOMETRIC = 0x00010000;
constexpr int PS_COSMETIC = 0x00000000;

// Hatch styles.
constexpr int HS_HORIZONTAL = 0;
constexpr int HS_VERTICAL = 1;
constexpr int HS_FDIAGONAL = 2;
constexpr int HS_BDIAGONAL = 3;
constexpr int HS_CROSS = 4;
constexpr int HS_DIAGCROSS = 5;
constexpr int HS_SOLID = -1;  // a solid brush

// A palette-relative colour reference (bit 25 set), as the stream-style combos use.
constexpr COLORREF PALETTERGB(BYTE r, BYTE g, BYTE b) { return 0x02000000u | RGB(r, g, b); }

constexpr COLORREF COLOR_WINDOWTEXT_DEFAULT = RGB(0, 0, 0);

class CPen {
 public:
  CPen() = default;
  CPen(int style, int width, COLORREF colour) { CreatePen(style, width, colour); }
  virtual ~CPen() = default;
  bool CreatePen(int style, int width, COLORREF colour) {
    m_style = style;
    m_width = width;
    m_colour = colour;
    m_created = true;
    return true;
  }
  int Style() const { return m_style; }
  int Width() const { return m_width; }
  COLORREF Colour() const { return m_colour; }
  bool IsCreated() const { return m_created; }

 private:
  int m_style = PS_SOLID;
  int m_width = 1;
  COLORREF m_colour = 0;
  bool m_created = false;
};

class CBrush {
 public:
  CBrush() = default;
  explicit CBrush(COLORREF colour) { CreateSolidBrush(colour); }
  virtual ~CBrush() = default;
  bool CreateSolidBrush(COLORREF colour) {
    m_hatch = HS_SOLID;
    m_colour = colour;
    m_created = true;
    return true;
  }
  bool CreateHatchBrush(int hatch, COLORREF colour) {
    m_hatch = hatch;
    m_colour = colour;
    m_created = true;
    return true;
  }
  int Hatch() const { return m_hatch; }
  COLORREF Colour() const { return m_colour; }
  bool IsCreated() const { return m_created; }

 private:
  int m_hatch = HS_SOLID;
  COLORREF m_colour = 0;
  bool m_created = false;
};

// Font weights.
constexpr int FW_NORMAL = 400;
constexpr int FW_BOLD = 700;

// A font by face, height in pixels and weight; a control shows its text in it.
class CFont {
 public:
  bool CreateFont(int height, int weight, const std::string& face) {
    m_height = height;
    m_weight = weight;
    m_face = face;
    m_created = true;
    return true;
  }
  int Height() const { return m_height; }
  int Weight() const { return m_weight; }
  const std::string& Face() const { return m_face; }
  bool IsBold() const { return m_weight >= FW_BOLD; }
  bool IsCreated() const { return m_created; }
  friend bool operator==(const CFont&, const CFont&) = default;

 private:
  int m_height = 0;
  int m_weight = FW_NORMAL;
  std::string m_face;
  bool m_created = false;
};

struct DrawOp {
  enum class Kind { FillRect, FrameRect, Rectangle, Line, Text };
  Kind kind = Kind::FillRect;
  CRect rect;            // FillRect, FrameRect, Rectangle, Text
  CPoint from, to;       // Line
  int penStyle = PS_SOLID;
  int penWidth = 1;
  COLORREF penColour = 0;
  int brushHatch = HS_SOLID;
  COLORREF brushColour = 0;
  std::string text;
  COLORREF textColour = 0;
  bool underline = false;
};

class CDC {
 public:
  // Selecting returns the previously selected object's settings holder.
  void SelectObject(const CPen& pen) { m_pen = pen; }
  void SelectObject(const CBrush& brush) { m_brush = brush; }
  void FillRect(const CRect& rect, const CBrush& brush);
  void FrameRect(const CRect& rect, const CBrush& brush);
  void Rectangle(const CRect& rect);  // outlined with the pen, filled with the brush
  void MoveTo(int x, int y) { m_pos = {x, y}; }
  void LineTo(int x, int y);
  void TextOut(int x, int y, const std::string& text);
  void SetTextColor(COLORREF colour) { m_textColour = colour; }
  void SetUnderline(bool on) { m_underline = on; }

  const std::vector<DrawOp>& Ops() const { return m_ops; }
  const CPen& CurrentPen() const { return m_pen; }

 private:
  std::vector<DrawOp> m_ops;
  CPen m_pen;
  CBrush m_brush;
  CPoint m_pos;
  COLORREF m_textColour = 0;
  bool m_underline = false;
};

// System colours the explorer reads.
constexpr int COLOR_WINDOW = 5;
constexpr int COLOR_WINDOWTEXT = 8;
constexpr int COLOR_HIGHLIGHT = 13;
COLORREF GetSysColor(int index);
