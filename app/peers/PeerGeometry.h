// Where a platform window's widget goes. Windows inside frames are measured
// in pixels; the controls of a dialog template, and every window of a dialog
// or property sheet being run, are measured in dialog units, which the font
// turns into pixels (a quarter of the average character width across, an
// eighth of the character height down).
#pragma once

#include <QRect>
#include <QSize>

#include "platform/Types.h"

class CWnd;

enum class PeerUnits { Pixels, DialogUnits };

struct DialogUnitScale {
  double x = 1.5;
  double y = 1.625;
};

// The scale of the application font (measured once).
DialogUnitScale CurrentDialogUnitScale();

QRect DialogUnitsToPixels(const CRect& rect, DialogUnitScale scale = CurrentDialogUnitScale());
QSize DialogUnitsToPixels(const CSize& size, DialogUnitScale scale = CurrentDialogUnitScale());

// The widget rectangle of window inside its parent's widget. A dialog
// control that was never moved since the template placed it keeps dialog
// units even among pixel-measured windows (a form view's controls).
QRect ChildWidgetRect(const CWnd& window, PeerUnits parentUnits);

inline CRect ToCRect(const QRect& r) { return CRect(r.left(), r.top(), r.left() + r.width(), r.top() + r.height()); }
inline QRect ToQRect(const CRect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }
