#include "app/peers/PeerGeometry.h"

#include <cmath>

#include <QApplication>
#include <QFontMetricsF>

#include "platform/Dialog.h"

DialogUnitScale CurrentDialogUnitScale() {
  static const DialogUnitScale scale = [] {
    QFontMetricsF metrics(QApplication::font());
    const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    double average = metrics.horizontalAdvance(alphabet) / alphabet.size();
    DialogUnitScale s;
    if (average > 0 && metrics.height() > 0) {
      s.x = average / 4.0;
      s.y = metrics.height() / 8.0;
    }
    return s;
  }();
  return scale;
}

QRect DialogUnitsToPixels(const CRect& rect, DialogUnitScale scale) {
  int left = static_cast<int>(std::lround(rect.left * scale.x));
  int top = static_cast<int>(std::lround(rect.top * scale.y));
  int right = static_cast<int>(std::lround(rect.right * scale.x));
  int bottom = static_cast<int>(std::lround(rect.bottom * scale.y));
  return QRect(left, top, std::max(right - left, 0), std::max(bottom - top, 0));
}

QSize DialogUnitsToPixels(const CSize& size, DialogUnitScale scale) {
  return DialogUnitsToPixels(CRect(0, 0, size.cx, size.cy), scale).size();
}

QRect ChildWidgetRect(const CWnd& window, PeerUnits parentUnits) {
  const WindowRecord* record = window.Record();
  if (!record) return {};
  const CRect& rect = record->rect;
  if (parentUnits == PeerUnits::DialogUnits) return DialogUnitsToPixels(rect);
  if (const auto* item = dynamic_cast<const CDialogItem*>(&window); item && rect == item->TemplateRect())
    return DialogUnitsToPixels(rect);
  return ToQRect(rect);
}
