// libFuzzer target for simulation, library and package files. Any bytes must
// be read without a crash, a hang or a sanitizer report, and these must hold:
//   - a refused file names what was wrong, at a line the file has (0 for the
//     file as a whole);
//   - a file that reads, written out again, reads again to the same contents
//     (except plain definitions that define nothing: they are written as an
//     empty file, which is refused as empty).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "workbench/files/FileReader.h"
#include "workbench/files/FileWriter.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

// A carriage return alone is a line end too, so the file has at most this many lines.
int LineCount(std::string_view text) {
  return static_cast<int>(std::count(text.begin(), text.end(), '\n') + std::count(text.begin(), text.end(), '\r')) + 1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  FileProblem problem;
  const std::optional<FileContents> contents = ReadFileContents(text, "fuzz.vsim", problem);
  if (!contents) {
    Require(!problem.message.empty() && problem.path == "fuzz.vsim");
    Require(problem.line >= 0 && problem.line <= LineCount(text));
    return 0;
  }
  if (contents->kind == FileKind::Definitions && contents->definitions.empty()) return 0;
  std::string written;
  FileProblem writeProblem;
  if (!WriteFileContents(*contents, written, writeProblem)) return 0;
  FileProblem againProblem;
  const std::optional<FileContents> again = ReadFileContents(written, "again.vsim", againProblem);
  Require(again.has_value());
  Require(*again == *contents);
  return 0;
}
