// Writes file contents over the text the file had when it was read, so that
// saving keeps what the user wrote: an unchanged file gives its own bytes back,
// and a change replaces only the types and sections that say something else
// now. Comments and blank lines stay where they stood; the opening comment
// block and the closing lines are kept as written.
#pragma once

#include <string>
#include <string_view>

#include "workbench/files/FileContents.h"
#include "workbench/files/FileProblem.h"

// Like WriteFileContents, but over original, the earlier text of the file.
// baseline is what the program made of original, as WriteFileContents wrote
// it: a type or section that the contents write as the baseline does keeps
// original's bytes. Without a readable original and baseline the contents
// are written afresh; so they are when the kept text would not read back to
// what it should.
bool RewriteFileContents(const FileContents& contents, std::string_view original, std::string_view baseline,
                         std::string& text, FileProblem& problem);

// Writes the file at path atomically with RewriteFileContents; text is what was written.
bool SaveFileContentsOver(const FileContents& contents, std::string_view original, std::string_view baseline,
                          const std::string& path, std::string& text, FileProblem& problem);
