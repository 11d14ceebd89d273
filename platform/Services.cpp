#include "platform/Services.h"

#include <unistd.h>

#include <chrono>
#include <thread>

#include "platform/UserInterface.h"

namespace {
std::function<DWORD()> g_tickSource;
std::function<void(DWORD)> g_sleeper;
int g_waitDepth = 0;
}  // namespace

DWORD GetTickCount() {
  if (g_tickSource) return g_tickSource();
  using namespace std::chrono;
  return static_cast<DWORD>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

void Sleep(DWORD milliseconds) {
  if (g_sleeper) return g_sleeper(milliseconds);
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

DWORD GetCurrentProcessId() { return static_cast<DWORD>(::getpid()); }

namespace Clock {
void SetTickSource(std::function<DWORD()> source) { g_tickSource = std::move(source); }
void SetSleeper(std::function<void(DWORD)> sleeper) { g_sleeper = std::move(sleeper); }

ManualClock::ManualClock(DWORD start) : m_now(start) {
  SetTickSource([this] { return m_now; });
  SetSleeper([this](DWORD ms) {
    m_now += ms;
    m_slept += ms;
  });
}

ManualClock::~ManualClock() {
  SetTickSource(nullptr);
  SetSleeper(nullptr);
}
}  // namespace Clock

CWaitCursor::CWaitCursor() {
  if (g_waitDepth++ == 0) UI().SetBusy(true);
}

CWaitCursor::~CWaitCursor() {
  if (--g_waitDepth == 0) UI().SetBusy(false);
}

int CWaitCursor::Depth() { return g_waitDepth; }

bool MessageBeep(UINT type) {
  UI().Beep(type);
  return true;
}
