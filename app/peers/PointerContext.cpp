#include "app/peers/PointerContext.h"

#include <QElapsedTimer>

namespace {

// What counts as "just": the platform answers a click within the same event.
constexpr qint64 kRecentMilliseconds = 700;

QElapsedTimer& LastAction() {
  static QElapsedTimer timer;
  return timer;
}

}  // namespace

void NotePointerAction() { LastAction().start(); }

bool PointerActionJustHappened() { return LastAction().isValid() && LastAction().elapsed() <= kRecentMilliseconds; }
