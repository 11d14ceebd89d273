// libFuzzer target for the settings file (registry-export text). Any bytes
// must be read without a crash, a hang or a sanitizer report, and these must
// hold:
//   - what was kept, written out again, reads again without a skipped line;
//   - writing that second reading gives the same text (keys, values, their
//     order and spelling survive the round trip).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/RegistryText.h"

namespace {

constexpr std::string_view kRoot = "HKEY_CURRENT_USER";

void Require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  RegistryParseReport report;
  const RegistryKey first = ParseRegistryText(text, kRoot, &report);
  (void)report.Describe();
  const std::string written = FormatRegistryText(first, kRoot);
  RegistryParseReport againReport;
  const RegistryKey again = ParseRegistryText(written, kRoot, &againReport);
  Require(againReport.Clean());
  Require(FormatRegistryText(again, kRoot) == written);
  return 0;
}
