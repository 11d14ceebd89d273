// Reads the text of a simulation, library, package or definitions file into
// its contents. Nothing is returned unless the whole file is sound; the
// problem then names the line and what was expected there.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "workbench/files/FileContents.h"
#include "workbench/files/FileProblem.h"

// The deepest folder path a file may give; deeper ones are refused, by the writer too.
inline constexpr std::size_t kMaxFolderDepth = 256;

std::optional<FileContents> ReadFileContents(std::string_view text, const std::string& path, FileProblem& problem);

// Reads the file at path (at most limit bytes: a larger file is refused);
// text, when given, receives the file's bytes.
std::optional<FileContents> ReadFileContentsFrom(const std::string& path, FileProblem& problem,
                                                 std::string* text = nullptr);

// The text of a type as it stands in a file: the comment lines right above
// its keyword (after the last blank line) belong to it.
std::string DefinitionTextFromFile(std::string_view leadingText, std::string_view text);
