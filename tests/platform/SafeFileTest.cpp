// Replacing a file's contents: the new file is whole and its folder is
// flushed after the rename, so that the new name survives a power cut.
#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

#include "platform/SafeFile.h"

namespace {

TEST(SafeFileTest, AReplacementFlushesItsFolderAfterTheRename) {
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("vortan_safefile_" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  const std::string path = (dir / "Plant.vsim").string();
  const unsigned long before = DirectorySyncCount();
  ASSERT_EQ(ReplaceFileContents(path, "first\n"), 0);
  ASSERT_EQ(ReplaceFileContents(path, "second\n"), 0);
  EXPECT_EQ(DirectorySyncCount(), before + 2);
  EXPECT_EQ(ReadFileImage(path, 1024).bytes, "second\n");
  // A failed replacement renames nothing and flushes nothing.
  EXPECT_NE(ReplaceFileContents((dir / "missing" / "x.vsim").string(), "x"), 0);
  EXPECT_EQ(DirectorySyncCount(), before + 2);
  std::filesystem::remove_all(dir);
}

}  // namespace
