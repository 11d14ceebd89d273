// The first reading of a file: its header, then the definitions and sections
// in the order they stand, each with its file line, without interpreting what
// the sections say. Everything that makes a file unreadable as a whole (not
// UTF-8, empty, an unknown header, a definition or section cut short, a
// missing closing line) is found here.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "workbench/files/FileContents.h"
#include "workbench/files/FileProblem.h"
#include "workbench/files/Record.h"
#include "workbench/language/DefinitionSplitter.h"

struct FileSection {
  std::string name;
  int line = 0;
  std::vector<Record> records;
};

// Where an item stands in the text: its leading comments and blank lines
// from begin, the item itself (a definition's keyword, a section's
// 'Section' line) from body up to end, just after its last line.
struct FileItemSpan {
  std::size_t begin = 0;
  std::size_t body = 0;
  std::size_t end = 0;
};

struct FileLayout {
  FileKind kind = FileKind::Definitions;
  FileFormatVersion version;
  // Definitions carry their file line; their leading text is what stood between the previous item and the keyword.
  std::vector<std::variant<SourceDefinition, FileSection>> items;
  // Where each of items stands, in the same order.
  std::vector<FileItemSpan> spans;
  // The end of the header line (0 for a file without one).
  std::size_t headerEnd = 0;
};

// Fills problem.line and problem.message on failure (problem.path is the caller's).
std::optional<FileLayout> ReadFileLayout(std::string_view text, FileProblem& problem);
