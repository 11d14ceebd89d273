#include "app/icons/IconEmblems.h"

#include <cmath>

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace {

const QColor kOutline(40, 48, 64);
const QColor kBlue(52, 110, 200);
const QColor kLightBlue(150, 190, 240);
const QColor kGreen(46, 150, 70);
const QColor kLightGreen(150, 215, 140);
const QColor kRed(200, 40, 40);
const QColor kOrange(230, 140, 30);
const QColor kYellow(245, 205, 60);
const QColor kPurple(130, 80, 170);
const QColor kGrey(130, 130, 130);
const QColor kPaper(252, 252, 246);
const QColor kFolder(238, 196, 90);
const QColor kFolderDark(200, 150, 50);

// Draws on a 32 x 32 grid mapped onto box for as long as it lives.
class Grid {
 public:
  Grid(QPainter& painter, const QRectF& box) : m_painter(painter) {
    m_painter.save();
    m_painter.translate(box.topLeft());
    m_painter.scale(box.width() / 32.0, box.height() / 32.0);
    m_painter.setRenderHint(QPainter::Antialiasing, true);
    m_painter.setPen(QPen(kOutline, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  }
  ~Grid() { m_painter.restore(); }
  Grid(const Grid&) = delete;
  Grid& operator=(const Grid&) = delete;

 private:
  QPainter& m_painter;
};

void Fill(QPainter& p, const QColor& colour) { p.setBrush(colour); }
void Pen(QPainter& p, const QColor& colour, qreal width = 1.4) {
  p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void Text(QPainter& p, const QRectF& rect, const QString& text, const QColor& colour, qreal size, bool italic = false,
          bool bold = true) {
  QFont font(QStringLiteral("DejaVu Serif"));
  font.setPointSizeF(size);
  font.setItalic(italic);
  font.setBold(bold);
  font.setStyleStrategy(QFont::PreferAntialias);
  p.setFont(font);
  p.setPen(colour);
  p.drawText(rect, Qt::AlignCenter, text);
  Pen(p, kOutline);
}

void Page(QPainter& p, const QRectF& r) {
  QPainterPath path;
  qreal fold = r.width() * 0.28;
  path.moveTo(r.left(), r.top());
  path.lineTo(r.right() - fold, r.top());
  path.lineTo(r.right(), r.top() + fold);
  path.lineTo(r.right(), r.bottom());
  path.lineTo(r.left(), r.bottom());
  path.closeSubpath();
  Fill(p, kPaper);
  p.drawPath(path);
  p.drawLine(QPointF(r.right() - fold, r.top()), QPointF(r.right() - fold, r.top() + fold));
  p.drawLine(QPointF(r.right() - fold, r.top() + fold), QPointF(r.right(), r.top() + fold));
}

void TextLines(QPainter& p, qreal left, qreal right, qreal top, int count, qreal gap = 4) {
  Pen(p, kGrey, 1.2);
  for (int i = 0; i < count; ++i) {
    qreal y = top + i * gap;
    p.drawLine(QPointF(left, y), QPointF(right - (i % 2) * 4, y));
  }
  Pen(p, kOutline);
}

void Cube(QPainter& p, const QColor& colour, qreal x, qreal y, qreal size) {
  qreal d = size * 0.35;
  QPolygonF front{{x, y + d}, {x + size, y + d}, {x + size, y + d + size}, {x, y + d + size}};
  QPolygonF top{{x, y + d}, {x + d, y}, {x + size + d, y}, {x + size, y + d}};
  QPolygonF side{{x + size, y + d}, {x + size + d, y}, {x + size + d, y + size}, {x + size, y + d + size}};
  Fill(p, colour);
  p.drawPolygon(front);
  Fill(p, colour.lighter(140));
  p.drawPolygon(top);
  Fill(p, colour.darker(130));
  p.drawPolygon(side);
}

void Arrow(QPainter& p, QPointF from, QPointF to, const QColor& colour, qreal width) {
  Pen(p, colour, width);
  QPointF direction = to - from;
  qreal length = std::hypot(direction.x(), direction.y());
  if (length <= 0) return;
  QPointF unit = direction / length;
  QPointF normal(-unit.y(), unit.x());
  qreal head = width * 2.2;
  QPointF base = to - unit * head;
  p.drawLine(from, base);
  Pen(p, colour.darker(140), 1.0);
  Fill(p, colour);
  p.drawPolygon(QPolygonF{to, base + normal * head * 0.8, base - normal * head * 0.8});
  Pen(p, kOutline);
}

void Box(QPainter& p, const QRectF& r, const QColor& colour, qreal radius = 2) {
  Fill(p, colour);
  p.drawRoundedRect(r, radius, radius);
}

void Badge(QPainter& p, const QRectF& r, const QColor& colour) {
  Pen(p, Qt::white, 1.2);
  Fill(p, colour);
  p.drawEllipse(r);
}

// ---------------------------------------------------------------- emblems

void Simulation(QPainter& p) {
  QPainterPath flask;
  flask.moveTo(12, 3);
  flask.lineTo(20, 3);
  flask.lineTo(20, 12);
  flask.lineTo(28, 28);
  flask.lineTo(4, 28);
  flask.lineTo(12, 12);
  flask.closeSubpath();
  Fill(p, kPaper);
  p.drawPath(flask);
  QPainterPath liquid;
  liquid.moveTo(8.5, 19);
  liquid.lineTo(23.5, 19);
  liquid.lineTo(28, 28);
  liquid.lineTo(4, 28);
  liquid.closeSubpath();
  Fill(p, kBlue);
  p.drawPath(liquid);
  Fill(p, kLightBlue);
  p.drawEllipse(QPointF(13, 24), 1.6, 1.6);
  p.drawEllipse(QPointF(19, 22), 1.2, 1.2);
  p.drawLine(QPointF(11, 3), QPointF(21, 3));
}

void Library(QPainter& p) {
  const QColor spines[] = {kRed, kBlue, kGreen, kPurple};
  for (int i = 0; i < 4; ++i) {
    qreal x = 4 + i * 6;
    qreal top = i % 2 ? 6 : 4;
    Box(p, QRectF(x, top, 5.5, 28 - top), spines[i], 1);
    Pen(p, kYellow, 1.2);
    p.drawLine(QPointF(x + 1, top + 4), QPointF(x + 4.5, top + 4));
    p.drawLine(QPointF(x + 1, 24), QPointF(x + 4.5, 24));
    Pen(p, kOutline);
  }
  p.drawLine(QPointF(2, 28.5), QPointF(30, 28.5));
}

void OpenBook(QPainter& p) {
  QPainterPath left;
  left.moveTo(16, 9);
  left.cubicTo(12, 6, 6, 6, 2, 8);
  left.lineTo(2, 26);
  left.cubicTo(6, 24, 12, 24, 16, 27);
  left.closeSubpath();
  QPainterPath right;
  right.moveTo(16, 9);
  right.cubicTo(20, 6, 26, 6, 30, 8);
  right.lineTo(30, 26);
  right.cubicTo(26, 24, 20, 24, 16, 27);
  right.closeSubpath();
  Fill(p, kPaper);
  p.drawPath(left);
  p.drawPath(right);
  TextLines(p, 5, 13, 12, 3);
  TextLines(p, 19, 27, 12, 3);
}

void LibraryFile(QPainter& p) {
  OpenBook(p);
  Arrow(p, QPointF(24, 30), QPointF(24, 17), kGreen, 2.6);
}

void Pencil(QPainter& p) {
  QPolygonF body{{8, 26}, {24, 6}, {28, 10}, {12, 30}};
  Fill(p, kYellow);
  p.drawPolygon(body);
  Fill(p, kOrange.darker(120));
  p.drawPolygon(QPolygonF{{8, 26}, {12, 30}, {5, 31}});
  Fill(p, QColor(230, 120, 130));
  p.drawPolygon(QPolygonF{{24, 6}, {26, 3.5}, {30, 7.5}, {28, 10}});
}

void BlockShape(QPainter& p, const QRectF& r, const QColor& colour) {
  Box(p, r, colour, 2.5);
  Pen(p, colour.darker(150), 1.2);
  p.drawLine(QPointF(r.left() + 3, r.center().y()), QPointF(r.right() - 3, r.center().y()));
  Pen(p, kOutline);
}

void Flowsheet(QPainter& p) {
  BlockShape(p, QRectF(2, 4, 11, 10), kOrange);
  BlockShape(p, QRectF(19, 18, 11, 10), kOrange);
  Pen(p, kGreen, 2.2);
  p.drawLine(QPointF(13, 9), QPointF(16, 9));
  p.drawLine(QPointF(16, 9), QPointF(16, 23));
  Arrow(p, QPointF(16, 23), QPointF(19, 23), kGreen, 2.2);
}

void Block(QPainter& p) {
  Arrow(p, QPointF(0, 16), QPointF(8, 16), kGreen, 2.6);
  BlockShape(p, QRectF(8, 6, 16, 20), kOrange);
  Arrow(p, QPointF(24, 16), QPointF(32, 16), kGreen, 2.6);
}

void Stream(QPainter& p) {
  Pen(p, kGreen.darker(140), 1.0);
  Fill(p, kLightGreen);
  p.drawEllipse(QPointF(5, 16), 2.5, 2.5);
  Arrow(p, QPointF(6, 16), QPointF(30, 16), kGreen, 5);
}

void Model(QPainter& p) { Cube(p, kBlue, 4, 6, 18); }

void StreamType(QPainter& p) {
  Cube(p, kPurple, 3, 3, 12);
  Arrow(p, QPointF(2, 24), QPointF(30, 24), kGreen, 4.5);
}

void ControllerType(QPainter& p) {
  Fill(p, kPaper);
  p.drawEllipse(QRectF(3, 5, 26, 26));
  Pen(p, kGrey, 1.4);
  for (int i = 0; i < 5; ++i) {
    qreal angle = (200 - i * 55) * 3.14159265 / 180;
    QPointF c(16, 18);
    p.drawLine(c + QPointF(std::cos(angle) * 9, -std::sin(angle) * 9),
               c + QPointF(std::cos(angle) * 12, -std::sin(angle) * 12));
  }
  Pen(p, kRed, 2.2);
  p.drawLine(QPointF(16, 18), QPointF(23, 10));
  Pen(p, kOutline);
  Fill(p, kOutline);
  p.drawEllipse(QPointF(16, 18), 1.8, 1.8);
}

void Variable(QPainter& p) { Text(p, QRectF(0, 0, 32, 30), QStringLiteral("x"), kBlue.darker(130), 22, true); }

void VariableType(QPainter& p) {
  Box(p, QRectF(3, 3, 26, 26), kPaper, 3);
  Text(p, QRectF(3, 1, 26, 26), QStringLiteral("x"), kBlue.darker(130), 17, true);
  Pen(p, kBlue, 1.6);
  p.drawLine(QPointF(8, 25), QPointF(24, 25));
  Pen(p, kOutline);
}

void PortType(QPainter& p) {
  Box(p, QRectF(3, 9, 14, 14), kGrey.lighter(130), 3);
  Pen(p, kOutline, 2.4);
  p.drawLine(QPointF(17, 12.5), QPointF(27, 12.5));
  p.drawLine(QPointF(17, 19.5), QPointF(27, 19.5));
  Pen(p, kGreen, 2.6);
  p.drawLine(QPointF(0, 16), QPointF(3, 16));
  Pen(p, kOutline);
}

void ParameterType(QPainter& p) {
  Box(p, QRectF(3, 3, 26, 26), kPaper, 3);
  Text(p, QRectF(3, 1, 26, 26), QStringLiteral("p"), kGreen.darker(120), 17, true);
  Pen(p, kGreen, 1.6);
  p.drawLine(QPointF(8, 25), QPointF(24, 25));
  Pen(p, kOutline);
}

void Procedure(QPainter& p) {
  Box(p, QRectF(2, 4, 28, 24), kPaper, 3);
  Text(p, QRectF(2, 2, 28, 24), QStringLiteral("{ }"), kPurple, 14);
}

void Function(QPainter& p) {
  Box(p, QRectF(2, 4, 28, 24), kPaper, 3);
  Text(p, QRectF(2, 2, 28, 24), QStringLiteral("f(x)"), kPurple, 10, true);
}

void ComponentList(QPainter& p) {
  Pen(p, kOutline, 2);
  p.drawLine(QPointF(9, 22), QPointF(16, 10));
  p.drawLine(QPointF(16, 10), QPointF(24, 22));
  Pen(p, kOutline, 1.2);
  Fill(p, kRed);
  p.drawEllipse(QPointF(16, 10), 6, 6);
  Fill(p, kBlue);
  p.drawEllipse(QPointF(8, 23), 5.5, 5.5);
  Fill(p, kGreen);
  p.drawEllipse(QPointF(24, 23), 5.5, 5.5);
}

void ModelText(QPainter& p) {
  Page(p, QRectF(6, 2, 20, 28));
  TextLines(p, 9, 22, 11, 5);
}

void Hierarchy(QPainter& p, qreal dx, qreal dy, const QColor& colour) {
  Pen(p, kOutline, 1.4);
  p.drawLine(QPointF(16 + dx, 10 + dy), QPointF(16 + dx, 15 + dy));
  p.drawLine(QPointF(8 + dx, 15 + dy), QPointF(24 + dx, 15 + dy));
  p.drawLine(QPointF(8 + dx, 15 + dy), QPointF(8 + dx, 19 + dy));
  p.drawLine(QPointF(24 + dx, 15 + dy), QPointF(24 + dx, 19 + dy));
  Box(p, QRectF(11 + dx, 2 + dy, 10, 8), colour, 1.5);
  Box(p, QRectF(3 + dx, 19 + dy, 10, 8), colour.lighter(130), 1.5);
  Box(p, QRectF(19 + dx, 19 + dy, 10, 8), colour.lighter(130), 1.5);
}

void StructureType(QPainter& p) { Hierarchy(p, 0, 1, kBlue); }

void Structures(QPainter& p) {
  Hierarchy(p, 2, 3, kGrey);
  Hierarchy(p, -1, -1, kPurple);
}

void Task(QPainter& p) {
  Fill(p, kPaper);
  p.drawEllipse(QRectF(3, 3, 26, 26));
  Pen(p, kOutline, 2);
  p.drawLine(QPointF(16, 16), QPointF(16, 8));
  p.drawLine(QPointF(16, 16), QPointF(22, 19));
  Pen(p, kGrey, 1.4);
  for (int i = 0; i < 12; ++i) {
    qreal angle = i * 30 * 3.14159265 / 180;
    p.drawPoint(QPointF(16 + std::cos(angle) * 11, 16 + std::sin(angle) * 11));
  }
  Pen(p, kOutline);
}

void Script(QPainter& p) {
  Fill(p, QColor(248, 238, 205));
  p.drawRect(QRectF(7, 5, 18, 22));
  p.drawEllipse(QRectF(4, 2, 6, 6));
  p.drawEllipse(QRectF(22, 24, 6, 6));
  TextLines(p, 10, 22, 11, 4);
}

void Window(QPainter& p, const QRectF& r) {
  Fill(p, kPaper);
  p.drawRect(r);
  Fill(p, kBlue);
  p.drawRect(QRectF(r.left(), r.top(), r.width(), 5));
}

void Form(QPainter& p) {
  Window(p, QRectF(2, 4, 28, 24));
  Pen(p, kGrey, 1.2);
  for (int row = 0; row < 3; ++row) {
    qreal y = 13 + row * 5;
    p.drawLine(QPointF(5, y), QPointF(11, y));
    Pen(p, kOutline, 1.0);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(13, y - 2, 13, 4));
    Pen(p, kGrey, 1.2);
  }
  Pen(p, kOutline);
}

void PlotForm(QPainter& p) {
  Window(p, QRectF(2, 4, 28, 24));
  Pen(p, kGrey, 1.2);
  p.drawLine(QPointF(6, 12), QPointF(6, 25));
  p.drawLine(QPointF(6, 25), QPointF(27, 25));
  Pen(p, kRed, 1.8);
  QPolygonF line{{6, 23}, {11, 17}, {16, 20}, {21, 13}, {26, 15}};
  p.drawPolyline(line);
  Pen(p, kOutline);
}

void Picture(QPainter& p) {
  Fill(p, QColor(200, 230, 250));
  p.drawRect(QRectF(3, 5, 26, 22));
  Fill(p, kYellow);
  Pen(p, kOrange, 1.0);
  p.drawEllipse(QPointF(22, 11), 3, 3);
  Pen(p, kGreen.darker(130), 1.0);
  Fill(p, kGreen);
  p.drawPolygon(QPolygonF{{4, 26}, {12, 14}, {18, 22}, {21, 19}, {28, 26}});
  Pen(p, kOutline);
}

void Help(QPainter& p) {
  Badge(p, QRectF(3, 3, 26, 26), kBlue);
  Text(p, QRectF(3, 3, 26, 26), QStringLiteral("?"), Qt::white, 16);
}

void UnitSet(QPainter& p) {
  p.save();
  p.translate(16, 16);
  p.rotate(-35);
  Box(p, QRectF(-15, -5, 30, 10), kYellow, 1);
  Pen(p, kOutline, 1.0);
  for (int i = 0; i < 7; ++i) {
    qreal x = -12 + i * 4;
    p.drawLine(QPointF(x, -5), QPointF(x, i % 2 ? -2.5 : -0.5));
  }
  p.restore();
}

void Gear(QPainter& p, QPointF c, qreal radius, const QColor& colour) {
  QPainterPath gear;
  const int teeth = 8;
  for (int i = 0; i < teeth * 2; ++i) {
    qreal angle = i * 3.14159265 / teeth;
    qreal r = (i % 2) ? radius * 0.78 : radius;
    qreal a1 = angle - 3.14159265 / teeth / 2, a2 = angle + 3.14159265 / teeth / 2;
    QPointF p1 = c + QPointF(std::cos(a1) * r, std::sin(a1) * r);
    QPointF p2 = c + QPointF(std::cos(a2) * r, std::sin(a2) * r);
    if (i == 0) gear.moveTo(p1); else gear.lineTo(p1);
    gear.lineTo(p2);
  }
  gear.closeSubpath();
  gear.addEllipse(c, radius * 0.3, radius * 0.3);
  gear.setFillRule(Qt::OddEvenFill);
  Fill(p, colour);
  p.drawPath(gear);
}

void SolverOptions(QPainter& p) { Gear(p, QPointF(16, 16), 13, kGrey.lighter(115)); }

void Properties(QPainter& p) {
  QPainterPath beaker;
  beaker.moveTo(7, 4);
  beaker.lineTo(25, 4);
  beaker.lineTo(24, 28);
  beaker.lineTo(8, 28);
  beaker.closeSubpath();
  Fill(p, kPaper);
  p.drawPath(beaker);
  Fill(p, kLightGreen);
  p.drawRect(QRectF(8.5, 16, 15, 11.5));
  Fill(p, Qt::white);
  p.drawEllipse(QPointF(13, 20), 1.6, 1.6);
  p.drawEllipse(QPointF(18, 12), 1.3, 1.3);
  p.drawEllipse(QPointF(15, 8), 1.0, 1.0);
}

void RunOptions(QPainter& p) {
  Pen(p, kGreen.darker(140), 1.2);
  Fill(p, kGreen);
  p.drawPolygon(QPolygonF{{3, 4}, {21, 14}, {3, 24}});
  Pen(p, kOutline);
  Gear(p, QPointF(23, 23), 8, kGrey.lighter(115));
}

void Homotopy(QPainter& p) {
  Pen(p, kPurple, 2.4);
  QPainterPath path;
  path.moveTo(4, 26);
  path.cubicTo(6, 4, 22, 30, 26, 8);
  p.setBrush(Qt::NoBrush);
  p.drawPath(path);
  Pen(p, kOutline, 1.0);
  Fill(p, kBlue);
  p.drawEllipse(QPointF(4, 26), 3, 3);
  Fill(p, kRed);
  p.drawEllipse(QPointF(26, 8), 3, 3);
}

void Snapshots(QPainter& p) {
  Box(p, QRectF(2, 9, 28, 19), kGrey.darker(110), 3);
  Box(p, QRectF(10, 5, 10, 5), kGrey.darker(110), 1);
  Fill(p, kLightBlue);
  p.drawEllipse(QPointF(16, 18.5), 6.5, 6.5);
  Fill(p, kBlue.darker(130));
  p.drawEllipse(QPointF(16, 18.5), 3, 3);
  Fill(p, kYellow);
  p.drawRect(QRectF(24, 11.5, 3, 2));
}

void AccessExtensions(QPainter& p) {
  QPainterPath piece;
  piece.moveTo(4, 10);
  piece.lineTo(12, 10);
  piece.arcTo(QRectF(12, 5, 8, 8), 210, -240);
  piece.lineTo(20, 10);
  piece.lineTo(28, 10);
  piece.lineTo(28, 17);
  piece.arcTo(QRectF(24, 17, 8, 8), 120, -240);
  piece.lineTo(28, 28);
  piece.lineTo(4, 28);
  piece.closeSubpath();
  Fill(p, kBlue.lighter(120));
  p.drawPath(piece);
}

void OnLineLinks(QPainter& p) {
  p.save();
  p.translate(16, 16);
  p.rotate(-40);
  p.setBrush(Qt::NoBrush);
  Pen(p, kGrey.darker(120), 3.2);
  p.drawRoundedRect(QRectF(-14, -5, 17, 10), 5, 5);
  Pen(p, kBlue, 3.2);
  p.drawRoundedRect(QRectF(-3, -5, 17, 10), 5, 5);
  p.restore();
}

void Estimation(QPainter& p) {
  const QColor rings[] = {kRed, Qt::white, kRed, Qt::white};
  for (int i = 0; i < 4; ++i) {
    Fill(p, rings[i]);
    qreal r = 13 - i * 3.2;
    p.drawEllipse(QPointF(16, 16), r, r);
  }
  Fill(p, kRed);
  p.drawEllipse(QPointF(16, 16), 1.6, 1.6);
}

void Optimization(QPainter& p) {
  Pen(p, kGrey, 1.2);
  p.drawLine(QPointF(3, 28), QPointF(29, 28));
  Pen(p, kBlue, 2.2);
  QPainterPath curve;
  curve.moveTo(3, 26);
  curve.cubicTo(10, 26, 12, 6, 16, 6);
  curve.cubicTo(20, 6, 22, 26, 29, 26);
  p.setBrush(Qt::NoBrush);
  p.drawPath(curve);
  Pen(p, kOutline, 1.0);
  Fill(p, kRed);
  p.drawPolygon(QPolygonF{{16, 2}, {22, 4.5}, {16, 7}});
  p.drawLine(QPointF(16, 2), QPointF(16, 8));
}

void Diagnostics(QPainter& p) {
  Page(p, QRectF(2, 2, 20, 26));
  Pen(p, kRed, 1.6);
  p.drawPolyline(QPolygonF{{4, 15}, {8, 15}, {10, 9}, {13, 21}, {15, 15}, {19, 15}});
  Pen(p, kOutline, 3.2);
  p.drawLine(QPointF(24, 24), QPointF(30, 30));
  Pen(p, kOutline, 1.6);
  Fill(p, QColor(220, 235, 255, 200));
  p.drawEllipse(QPointF(20, 20), 6, 6);
}

void Decomposition(QPainter& p) {
  Fill(p, kPaper);
  p.drawRect(QRectF(3, 3, 26, 26));
  Pen(p, kOutline, 1.0);
  Fill(p, kBlue);
  p.drawRect(QRectF(4.5, 4.5, 7, 7));
  Fill(p, kOrange);
  p.drawRect(QRectF(11.5, 11.5, 9, 9));
  Fill(p, kGreen);
  p.drawRect(QRectF(20.5, 20.5, 7, 7));
  Fill(p, kGrey.lighter(140));
  p.drawRect(QRectF(4.5, 11.5, 7, 9));
  p.drawRect(QRectF(11.5, 20.5, 9, 7));
}

void Warning(QPainter& p) {
  Fill(p, kYellow);
  p.drawPolygon(QPolygonF{{16, 3}, {30, 28}, {2, 28}});
  Text(p, QRectF(2, 9, 28, 20), QStringLiteral("!"), kOutline, 14);
}

void GroupBody(QPainter& p) {
  Box(p, QRectF(3, 3, 26, 26), QColor(225, 235, 250), 4);
  Pen(p, kOutline, 1.8);
  for (int row = 0; row < 3; ++row) {
    qreal y = 10 + row * 6;
    p.drawLine(QPointF(9, y - 1.2), QPointF(15, y - 1.2));
    p.drawLine(QPointF(9, y + 1.2), QPointF(15, y + 1.2));
    Pen(p, kBlue, 1.8);
    p.drawLine(QPointF(18, y), QPointF(24, y));
    Pen(p, kOutline, 1.8);
  }
  Pen(p, kOutline);
}

void Group(QPainter& p) { GroupBody(p); }

void TornGroup(QPainter& p) {
  GroupBody(p);
  Pen(p, kRed, 2.2);
  p.setBrush(Qt::NoBrush);
  p.drawPolyline(QPolygonF{{1, 20}, {6, 13}, {11, 20}, {16, 13}, {21, 20}, {26, 13}, {31, 20}});
  Pen(p, kOutline);
}

void EquivalenceSign(QPainter& p, qreal dx, qreal dy, const QColor& colour) {
  Pen(p, colour, 2.6);
  for (int i = 0; i < 3; ++i) p.drawLine(QPointF(8 + dx, 10 + i * 6 + dy), QPointF(24 + dx, 10 + i * 6 + dy));
  Pen(p, kOutline);
}

void Equivalence(QPainter& p) {
  Box(p, QRectF(3, 3, 26, 26), kPaper, 4);
  EquivalenceSign(p, 0, 0, kPurple);
}

void Equivalences(QPainter& p) {
  Box(p, QRectF(6, 2, 24, 22), kPaper.darker(108), 4);
  Box(p, QRectF(2, 8, 24, 22), kPaper, 4);
  EquivalenceSign(p, -2, 3, kPurple);
}

void Equation(QPainter& p) {
  Page(p, QRectF(5, 2, 22, 28));
  Pen(p, kBlue.darker(120), 3);
  p.drawLine(QPointF(10, 14), QPointF(22, 14));
  p.drawLine(QPointF(10, 20), QPointF(22, 20));
  Pen(p, kOutline);
}

// ---------------------------------------------------------------- overlay badges (lower left corner)

const QRectF kBadge(0.5, 15.5, 16, 16);

void ErrorMark(QPainter& p) {
  Badge(p, kBadge, kRed);
  Pen(p, Qt::white, 2.2);
  p.drawLine(QPointF(5, 20), QPointF(12, 27));
  p.drawLine(QPointF(12, 20), QPointF(5, 27));
}

void DefaultMark(QPainter& p) {
  QPolygonF star;
  for (int i = 0; i < 10; ++i) {
    qreal angle = -3.14159265 / 2 + i * 3.14159265 / 5;
    qreal r = i % 2 ? 3.4 : 8;
    star << QPointF(8.5 + std::cos(angle) * r, 24 + std::sin(angle) * r);
  }
  Pen(p, kOrange.darker(130), 1.0);
  Fill(p, kYellow);
  p.drawPolygon(star);
}

void SpareMark(QPainter& p) { Badge(p, QRectF(3, 19, 10, 10), kGrey); }

void AvailableMark(QPainter& p) {
  Badge(p, kBadge, kGreen);
  Pen(p, Qt::white, 2.2);
  p.setBrush(Qt::NoBrush);
  p.drawPolyline(QPolygonF{{4.5, 23.5}, {7.5, 27}, {13, 20}});
}

void ProblemMark(QPainter& p) {
  Badge(p, kBadge, kOrange);
  Text(p, kBadge, QStringLiteral("!"), Qt::white, 9);
}

void EquivalenceMark(QPainter& p) {
  Badge(p, kBadge, kPurple);
  Pen(p, Qt::white, 1.6);
  for (int i = 0; i < 3; ++i) p.drawLine(QPointF(4.5, 20 + i * 3.5), QPointF(12.5, 20 + i * 3.5));
}

void ActiveMark(QPainter& p) {
  Badge(p, kBadge, kGreen.darker(110));
  Pen(p, Qt::white, 1.0);
  Fill(p, Qt::white);
  p.drawPolygon(QPolygonF{{6, 19}, {13.5, 23.5}, {6, 28}});
}

void Halo(QPainter& p) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 236, 150, 150));
  p.drawRoundedRect(QRectF(0, 0, 32, 32), 7, 7);
  Pen(p, kOutline);
}

}  // namespace

void DrawEmblem(QPainter& painter, Emblem emblem, const QRectF& box, bool open) {
  if (emblem == Emblem::None) return;
  Grid grid(painter, box);
  QPainter& p = painter;
  if (open) Halo(p);
  switch (emblem) {
    case Emblem::None: break;
    case Emblem::Simulation: Simulation(p); break;
    case Emblem::Library: open ? OpenBook(p) : Library(p); break;
    case Emblem::LibraryFile: LibraryFile(p); break;
    case Emblem::CustomModeling: Pencil(p); break;
    case Emblem::Flowsheet: Flowsheet(p); break;
    case Emblem::Block: Block(p); break;
    case Emblem::Stream: Stream(p); break;
    case Emblem::Model: Model(p); break;
    case Emblem::StreamType: StreamType(p); break;
    case Emblem::ControllerType: ControllerType(p); break;
    case Emblem::VariableType: VariableType(p); break;
    case Emblem::PortType: PortType(p); break;
    case Emblem::ParameterType: ParameterType(p); break;
    case Emblem::Procedure: Procedure(p); break;
    case Emblem::Function: Function(p); break;
    case Emblem::ComponentList: ComponentList(p); break;
    case Emblem::ModelText: ModelText(p); break;
    case Emblem::StructureType: StructureType(p); break;
    case Emblem::Structures: Structures(p); break;
    case Emblem::Task: Task(p); break;
    case Emblem::Script: Script(p); break;
    case Emblem::Form: Form(p); break;
    case Emblem::PlotForm: PlotForm(p); break;
    case Emblem::Picture: Picture(p); break;
    case Emblem::Help: Help(p); break;
    case Emblem::UnitSet: UnitSet(p); break;
    case Emblem::SolverOptions: SolverOptions(p); break;
    case Emblem::Properties: Properties(p); break;
    case Emblem::RunOptions: RunOptions(p); break;
    case Emblem::Homotopy: Homotopy(p); break;
    case Emblem::Snapshots: Snapshots(p); break;
    case Emblem::AccessExtensions: AccessExtensions(p); break;
    case Emblem::OnLineLinks: OnLineLinks(p); break;
    case Emblem::Estimation: Estimation(p); break;
    case Emblem::Optimization: Optimization(p); break;
    case Emblem::Diagnostics: Diagnostics(p); break;
    case Emblem::Decomposition: Decomposition(p); break;
    case Emblem::Warning: Warning(p); break;
    case Emblem::Group: Group(p); break;
    case Emblem::TornGroup: TornGroup(p); break;
    case Emblem::Equivalences: Equivalences(p); break;
    case Emblem::Equivalence: Equivalence(p); break;
    case Emblem::Variable: Variable(p); break;
    case Emblem::Equation: Equation(p); break;
    case Emblem::ErrorMark: ErrorMark(p); break;
    case Emblem::DefaultMark: DefaultMark(p); break;
    case Emblem::SpareMark: SpareMark(p); break;
    case Emblem::AvailableMark: AvailableMark(p); break;
    case Emblem::ProblemMark: ProblemMark(p); break;
    case Emblem::EquivalenceMark: EquivalenceMark(p); break;
    case Emblem::ActiveMark: ActiveMark(p); break;
  }
}

void DrawFolder(QPainter& painter, const QRectF& box, bool open) {
  Grid grid(painter, box);
  QPainter& p = painter;
  QPainterPath back;
  back.moveTo(2, 7);
  back.lineTo(11, 7);
  back.lineTo(14, 10);
  back.lineTo(29, 10);
  back.lineTo(29, 27);
  back.lineTo(2, 27);
  back.closeSubpath();
  Fill(p, kFolderDark);
  p.drawPath(back);
  if (open) {
    Fill(p, kPaper);
    p.drawRect(QRectF(5, 12, 21, 12));
    Fill(p, kFolder);
    p.drawPolygon(QPolygonF{{7, 15}, {31, 15}, {27, 27}, {2, 27}});
  } else {
    Fill(p, kFolder);
    p.drawRect(QRectF(2, 13, 27, 14));
  }
}

void DrawAddBadge(QPainter& painter, const QRectF& box) {
  Grid grid(painter, box);
  QPainter& p = painter;
  Badge(p, QRectF(17, 0.5, 14.5, 14.5), kGreen);
  Pen(p, Qt::white, 2.6);
  p.drawLine(QPointF(24.25, 3.5), QPointF(24.25, 12));
  p.drawLine(QPointF(20, 7.75), QPointF(28.5, 7.75));
}

void DrawLetterPage(QPainter& painter, const QRectF& box, QChar letter) {
  Grid grid(painter, box);
  QPainter& p = painter;
  Page(p, QRectF(5, 2, 22, 28));
  Text(p, QRectF(5, 6, 22, 22), QString(letter), kGrey.darker(150), 13);
}
