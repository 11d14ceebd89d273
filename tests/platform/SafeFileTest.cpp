// Replacing a file's contents: the new file is whole and its folder is
// flushed after the rename, so that the new name survives a power cut.
#include <gtest/gtest.h>

#include "platform/SafeFile.h"
#include "tests/support/ScratchDirectory.h"

namespace {

TEST(SafeFileTest, AReplacementFlushesItsFolderAfterTheRename) {
  ScratchDirectory dir;
  const std::string path = dir.File("Plant.vsim");
  const unsigned long before = DirectorySyncCount();
  ASSERT_EQ(ReplaceFileContents(path, "first\n"), 0);
  ASSERT_EQ(ReplaceFileContents(path, "second\n"), 0);
  EXPECT_EQ(DirectorySyncCount(), before + 2);
  EXPECT_EQ(ReadFileImage(path, 1024).bytes, "second\n");
  // A failed replacement renames nothing and flushes nothing.
  EXPECT_NE(ReplaceFileContents(dir.File("missing/x.vsim"), "x"), 0);
  EXPECT_EQ(DirectorySyncCount(), before + 2);
}

}  // namespace
