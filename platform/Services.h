// Small process services: clock and sleep (injectable, so tests never wait),
// the process id, the busy cursor and the beep.
#pragma once

#include <functional>

#include "platform/Types.h"

// Milliseconds since an arbitrary start; wraps like the Win32 tick count.
DWORD GetTickCount();
void Sleep(DWORD milliseconds);
DWORD GetCurrentProcessId();

namespace Clock {
// Replaces the tick source; pass nullptr to restore the real clock.
void SetTickSource(std::function<DWORD()> source);
// Replaces sleeping; pass nullptr to restore real sleeping.
void SetSleeper(std::function<void(DWORD)> sleeper);

// A manual clock for tests: Sleep advances it instead of waiting.
class ManualClock {
 public:
  explicit ManualClock(DWORD start = 1000);
  ~ManualClock();
  ManualClock(const ManualClock&) = delete;
  ManualClock& operator=(const ManualClock&) = delete;
  void Advance(DWORD ms) { m_now += ms; }
  DWORD Now() const { return m_now; }
  DWORD TotalSlept() const { return m_slept; }

 private:
  DWORD m_now;
  DWORD m_slept = 0;
};
}  // namespace Clock

// Shows the busy cursor for its lifetime (nestable).
class CWaitCursor {
 public:
  CWaitCursor();
  ~CWaitCursor();
  CWaitCursor(const CWaitCursor&) = delete;
  CWaitCursor& operator=(const CWaitCursor&) = delete;
  void Restore() {}
  static int Depth();
};

// Goes to the user-interface provider, which makes it audible or records it.
bool MessageBeep(UINT type);
