// The file types of the program and the fixed lines of its files.
//
// Simulations (.vsim), libraries (.vlib) and model packages (.rmplz, .msi,
// .dll) are UTF-8 text in the modelling language: a header line naming the
// kind of file and the format version, the type definitions as written, named
// sections for everything else, and a closing line. Plain definition files
// (.ktrf) hold definitions only.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "workbench/files/FileContents.h"

inline constexpr std::string_view kSimulationExtension = "vsim";
inline constexpr std::string_view kLibraryExtension = "vlib";
inline constexpr std::string_view kLanguageExtension = "ktrf";
inline constexpr std::string_view kModelExportPackageExtension = "rmplz";
inline constexpr std::string_view kInstallationPackageExtension = "msi";
inline constexpr std::string_view kLibraryPackageExtension = "dll";

// The format this program writes. Files of a later minor version are read,
// skipping the sections this program does not know; a later major version is refused.
inline constexpr FileFormatVersion kFileFormatVersion{1, 0};

// "simulation", "library", "package" (empty for plain definitions).
std::string_view FileKindWord(FileKind kind);
// "// Vortan simulation file, format 1.0"
std::string FileHeaderLine(FileKind kind, FileFormatVersion version = kFileFormatVersion);
// "// End of Vortan simulation file"
std::string FileClosingLine(FileKind kind);
// Whether the line is meant as a header (begins with "// Vortan "), whatever it says after.
bool LooksLikeFileHeader(std::string_view line);
// The kind and version a header line names; nothing when it is not one.
std::optional<std::pair<FileKind, FileFormatVersion>> ReadFileHeaderLine(std::string_view line);

// The extension of a path without the dot, in lower case ("" when none).
std::string PathExtension(std::string_view path);

// Form kinds by word in files: "Table", "Plot", "Profile", "Custom", "ModelHelp";
// any other kind is written as its class identifier.
std::string FormKindText(const CLSID& kind);
std::optional<CLSID> FormKindFromText(std::string_view text);
