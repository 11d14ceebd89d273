// Writes file contents as text that ReadFileContents reads back to the same
// contents. Type texts are written as they stand, each after a blank line;
// a text that would not read back byte for byte among others (no End line,
// comments separated by blank lines, no final line feed, a header that names
// another type) is written whole as a text block of the "Types" section.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "workbench/files/FileContents.h"
#include "workbench/files/FileProblem.h"

// One part of a written file: the header line, a type, a section or the
// closing line, each with the blank line that sets it apart from the one before.
struct FilePiece {
  std::string key;  // what the piece holds: kHeaderPiece, TypePieceKey(name), SectionPieceKey(name), kClosingPiece
  std::string text;
};
inline constexpr std::string_view kHeaderPiece = "Header";
inline constexpr std::string_view kClosingPiece = "Closing";
// A type's definition, whether written as it stands or as a text block of a "Types" section.
std::string TypePieceKey(std::string_view typeName);
// A section of records ("Types" is the one with the types' attributes).
std::string SectionPieceKey(std::string_view sectionName);

// The file's text in pieces, in the order they are written; joined they are the text WriteFileContents gives.
std::vector<FilePiece> WriteFilePieces(const FileContents& contents);

// Fails (with problem naming what) when a text is not UTF-8, which no file could hold.
bool WriteFileContents(const FileContents& contents, std::string& text, FileProblem& problem);

// Writes the file at path atomically: afterwards it is either the old file or the whole new one.
bool SaveFileContents(const FileContents& contents, const std::string& path, FileProblem& problem);

// Whether a type text can stand in a file as it is and be read back unchanged under name.
bool CanWriteDefinitionAsIs(const std::string& name, DefinitionKind kind, const std::string& text);
