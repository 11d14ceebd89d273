#include "platform/OsVersion.h"

namespace {

OsVersionAnswers g_answers;

void Fill(OSVERSIONINFO& info) {
  info.dwMajorVersion = g_answers.major;
  info.dwMinorVersion = g_answers.minor;
  info.dwBuildNumber = g_answers.build;
  info.dwPlatformId = VER_PLATFORM_WIN32_NT;
  info.szCSDVersion.clear();
}

}  // namespace

bool GetVersionEx(OSVERSIONINFO* info) {
  if (!info || !g_answers.basicQueryWorks) return false;
  Fill(*info);
  info->dwOSVersionInfoSize = sizeof(OSVERSIONINFO);
  return true;
}

bool GetVersionEx(OSVERSIONINFOEX* info) {
  if (!info || !g_answers.extendedQueryWorks) return false;
  Fill(*info);
  info->dwOSVersionInfoSize = sizeof(OSVERSIONINFOEX);
  info->wServicePackMajor = 0;
  info->wServicePackMinor = 0;
  info->wSuiteMask = 0;
  info->wProductType = VER_NT_WORKSTATION;
  return true;
}

namespace OsVersion {
const OsVersionAnswers& Answers() { return g_answers; }
void SetAnswers(const OsVersionAnswers& answers) { g_answers = answers; }
void ResetAnswers() { g_answers = OsVersionAnswers{}; }
}  // namespace OsVersion
