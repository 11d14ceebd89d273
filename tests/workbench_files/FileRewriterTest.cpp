// Writing contents over the text a file had: what did not change keeps its
// bytes (comments, spacing, record order), what changed is written afresh
// in place, and the result always reads back to the contents.
#include <gtest/gtest.h>

#include "workbench/files/FileReader.h"
#include "workbench/files/FileRewriter.h"
#include "workbench/files/FileWriter.h"

namespace {

const std::string kOriginal =
    "// Vortan library file, format 1.0\n"
    "//\n"
    "// Written by hand: this comment block opens the file.\n"
    "\n"
    "// ---- variables ----\n"
    "\n"
    "// How deep the liquid stands.\n"
    "Variable Depth\n"
    "  Value:   1.0;\n"
    "End\n"
    "\n"
    "Variable Width\n"
    "  Value: 2.0;\n"
    "End\n"
    "\n"
    "// A vessel.\n"
    "Model Vessel\n"
    "  d as Depth;\n"
    "End\n"
    "\n"
    "Section Types\n"
    "  Type \"Vessel\" description=\"Vessel\";\n"
    "  Type \"Depth\"   description=\"Depth\";\n"
    "EndSection\n"
    "\n"
    "// End of Vortan library file\n";

FileContents Read(const std::string& text) {
  FileProblem problem;
  std::optional<FileContents> contents = ReadFileContents(text, "Hand.vlib", problem);
  EXPECT_TRUE(contents) << problem.Describe();
  return contents.value_or(FileContents{});
}

// Writes contents over original, whose contents are taken as they read.
std::string Rewrite(const FileContents& contents, const std::string& original) {
  std::string baseline, text;
  FileProblem problem;
  if (!original.empty()) {
    FileProblem ignored;
    const std::optional<FileContents> before = ReadFileContents(original, "Hand.vlib", ignored);
    if (before) {
      EXPECT_TRUE(WriteFileContents(*before, baseline, problem));
    }
  }
  EXPECT_TRUE(RewriteFileContents(contents, original, baseline, text, problem)) << problem.Describe();
  EXPECT_TRUE(Read(text) == contents) << text;
  return text;
}

FileDefinition* Find(FileContents& contents, const std::string& name) {
  for (FileDefinition& d : contents.definitions)
    if (d.name == name) return &d;
  return nullptr;
}

TEST(FileRewriterTest, UnchangedContentsGiveTheTextBackByteForByte) {
  EXPECT_EQ(Rewrite(Read(kOriginal), kOriginal), kOriginal);
  // Without an earlier text (or with one that no longer reads) the contents are written afresh.
  std::string fresh;
  FileProblem problem;
  ASSERT_TRUE(WriteFileContents(Read(kOriginal), fresh, problem));
  EXPECT_EQ(Rewrite(Read(kOriginal), ""), fresh);
  EXPECT_EQ(Rewrite(Read(kOriginal), "// Vortan library file, format 1.0\nModel"), fresh);
}

TEST(FileRewriterTest, ARemovedTypeTakesOnlyItsOwnLines) {
  FileContents contents = Read(kOriginal);
  std::erase_if(contents.definitions, [](const FileDefinition& d) { return d.name == "Width"; });
  const std::string text = Rewrite(contents, kOriginal);
  std::string expected = kOriginal;
  expected.erase(expected.find("Variable Width"), std::string("Variable Width\n  Value: 2.0;\nEnd\n\n").size());
  EXPECT_EQ(text, expected);
}

TEST(FileRewriterTest, ChangedAttributesRewriteTheirSectionAndKeepTheComments) {
  FileContents contents = Read(kOriginal);
  Find(contents, "Width")->description = "Width";
  const std::string text = Rewrite(contents, kOriginal);
  const std::string head = kOriginal.substr(0, kOriginal.find("Section Types"));
  EXPECT_EQ(text.substr(0, head.size()), head);
  EXPECT_NE(text.find("  Type \"Width\" description=\"Width\";\n"), std::string::npos);
  const std::string tail = "EndSection\n\n// End of Vortan library file\n";
  EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
}

}  // namespace
