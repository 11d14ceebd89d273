// Replays what an owner-drawn control recorded in a CDC (rectangles, lines
// and text with pens and brushes) with a QPainter.
#pragma once

#include <QColor>

#include "platform/Draw.h"

class QPainter;

// The colour of a colour reference (palette-relative references too).
QColor ColourOf(COLORREF colour);

void ReplayDrawing(QPainter& painter, const CDC& dc);
