// The operating system's version as the Win32 version queries report it. This
// platform answers as a current system (major version 10); tests and the
// command line replace the answers to take the paths of older systems, or of
// a system whose version cannot be read.
#pragma once

#include <string>

#include "platform/Types.h"

struct OSVERSIONINFO {
  DWORD dwOSVersionInfoSize = 0;
  DWORD dwMajorVersion = 0;
  DWORD dwMinorVersion = 0;
  DWORD dwBuildNumber = 0;
  DWORD dwPlatformId = 0;
  std::string szCSDVersion;
};

// The extended structure adds the service pack and the product kind.
struct OSVERSIONINFOEX : OSVERSIONINFO {
  WORD wServicePackMajor = 0;
  WORD wServicePackMinor = 0;
  WORD wSuiteMask = 0;
  BYTE wProductType = 0;
};

constexpr DWORD VER_PLATFORM_WIN32_NT = 2;
constexpr BYTE VER_NT_WORKSTATION = 1;

// False when the query fails; the structure is then left as it was.
bool GetVersionEx(OSVERSIONINFO* info);
bool GetVersionEx(OSVERSIONINFOEX* info);

// What the two queries answer.
struct OsVersionAnswers {
  bool extendedQueryWorks = true;
  bool basicQueryWorks = true;
  DWORD major = 10;
  DWORD minor = 0;
  DWORD build = 19045;
};

namespace OsVersion {
const OsVersionAnswers& Answers();
void SetAnswers(const OsVersionAnswers& answers);
// Back to the answers of a current system.
void ResetAnswers();

// Replaces the answers for its lifetime.
class ScopedAnswers {
 public:
  explicit ScopedAnswers(const OsVersionAnswers& answers) : m_previous(Answers()) { SetAnswers(answers); }
  ~ScopedAnswers() { SetAnswers(m_previous); }
  ScopedAnswers(const ScopedAnswers&) = delete;
  ScopedAnswers& operator=(const ScopedAnswers&) = delete;

 private:
  OsVersionAnswers m_previous;
};
}  // namespace OsVersion
