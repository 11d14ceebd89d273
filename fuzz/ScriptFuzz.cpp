// libFuzzer target for the command line's scripts of user actions, run
// against a fresh copy of the sample simulation in a private folder. Any
// script must run, or stop at a line it cannot do, without a crash, a hang,
// a leak or a sanitizer report. Scripts that would save or export outside
// the private folder (a path with "/" or "..") are passed over.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>

#include "app/headless/ScriptRunner.h"
#include "fuzz/FuzzSession.h"

namespace {

// Whether a line names a file (save FILE, answer file PATH) that could lie outside the private folder.
bool NamesFileOutside(std::string_view line) {
  const std::size_t start = line.find_first_not_of(" \t");
  if (start == std::string_view::npos) return false;
  line.remove_prefix(start);
  const bool namesFile = line.substr(0, 4) == "save" || line.substr(0, 6) == "answer";
  return namesFile && (line.find('/') != std::string_view::npos || line.find("..") != std::string_view::npos);
}

bool StaysInside(std::string_view script) {
  std::size_t start = 0;
  while (start <= script.size()) {
    const std::size_t end = std::min(script.find('\n', start), script.size());
    if (NamesFileOutside(script.substr(start, end - start))) return false;
    start = end + 1;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string script(reinterpret_cast<const char*>(data), size);
  if (!StaysInside(script)) return 0;
  // VORTAN_FUZZ_TRACE=1 shows what a script printed and where it stopped (when replaying one by hand).
  static const bool trace = std::getenv("VORTAN_FUZZ_TRACE") != nullptr;
  FuzzSession fuzz;
  ScriptRunner runner(fuzz.Session(), fuzz.UserInterface(), trace ? std::cout : fuzz.Discard());
  std::istringstream in(script);
  (void)runner.Run(in, "fuzz", trace ? std::cerr : fuzz.Discard());
  return 0;
}
