#include "workbench/files/FileFormat.h"

#include "host/store/HostClassIds.h"
#include "workbench/language/TextCase.h"

namespace {

constexpr std::string_view kHeaderStart = "// Vortan ";
constexpr std::string_view kHeaderMiddle = " file, format ";

std::optional<int> ReadSmallNumber(std::string_view text) {
  if (text.empty() || text.size() > 4) return std::nullopt;
  int value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

}  // namespace

std::string_view FileKindWord(FileKind kind) {
  switch (kind) {
    case FileKind::Simulation: return "simulation";
    case FileKind::Library: return "library";
    case FileKind::Package: return "package";
    case FileKind::Definitions: break;
  }
  return {};
}

std::string FileHeaderLine(FileKind kind, FileFormatVersion version) {
  return Concat({kHeaderStart, FileKindWord(kind), kHeaderMiddle, std::to_string(version.major), ".",
                 std::to_string(version.minor)});
}

std::string FileClosingLine(FileKind kind) { return Concat({"// End of Vortan ", FileKindWord(kind), " file"}); }

bool LooksLikeFileHeader(std::string_view line) { return line.substr(0, kHeaderStart.size()) == kHeaderStart; }

std::optional<std::pair<FileKind, FileFormatVersion>> ReadFileHeaderLine(std::string_view line) {
  while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t')) line.remove_suffix(1);
  if (!LooksLikeFileHeader(line)) return std::nullopt;
  line.remove_prefix(kHeaderStart.size());
  const std::size_t middle = line.find(kHeaderMiddle);
  if (middle == std::string_view::npos) return std::nullopt;
  const std::string_view word = line.substr(0, middle);
  std::optional<FileKind> kind;
  for (const FileKind k : {FileKind::Simulation, FileKind::Library, FileKind::Package})
    if (word == FileKindWord(k)) kind = k;
  const std::string_view number = line.substr(middle + kHeaderMiddle.size());
  const std::size_t dot = number.find('.');
  if (!kind || dot == std::string_view::npos) return std::nullopt;
  const std::optional<int> major = ReadSmallNumber(number.substr(0, dot));
  const std::optional<int> minor = ReadSmallNumber(number.substr(dot + 1));
  if (!major || !minor) return std::nullopt;
  return std::make_pair(*kind, FileFormatVersion{*major, *minor});
}

std::string PathExtension(std::string_view path) {
  const std::size_t slash = path.find_last_of("/\\");
  const std::size_t dot = path.rfind('.');
  if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash)) return {};
  return LowerAscii(path.substr(dot + 1));
}

namespace {

struct FormKindName {
  const CLSID* kind;
  std::string_view word;
};

const FormKindName kFormKinds[] = {{&CLSID_QVTableForm, "Table"},
                                   {&CLSID_QVPlotForm, "Plot"},
                                   {&CLSID_QVProfileForm, "Profile"},
                                   {&CLSID_QVCustomForm, "Custom"},
                                   {&CLSID_QVModelHelpForm, "ModelHelp"}};

}  // namespace

std::string FormKindText(const CLSID& kind) {
  for (const FormKindName& k : kFormKinds)
    if (*k.kind == kind) return std::string(k.word);
  return kind.ToString();
}

std::optional<CLSID> FormKindFromText(std::string_view text) {
  for (const FormKindName& k : kFormKinds)
    if (EqualsNoCase(k.word, text)) return *k.kind;
  return GUID::Parse(text);
}
