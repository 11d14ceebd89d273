// A save the file system refuses is reported with the file's name, and the
// file that was there stays whole, with no temporary file left beside it.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <string>

#include <sys/resource.h>
#include <unistd.h>

#include "platform/SafeFile.h"
#include "tests/support/ScratchDirectory.h"
#include "tests/workbench_files/FileTestSupport.h"
#include "workbench/files/FileReader.h"
#include "workbench/files/FileWriter.h"

namespace {

namespace fs = std::filesystem;

class FailedSaveTest : public ::testing::Test {
 protected:
  // A read-only folder is made writable again so that the scratch directory can go.
  void TearDown() override { fs::permissions(dir, fs::perms::owner_all); }

  // The save fails, names the file and says why.
  void ExpectRefused(const fs::path& path) {
    FileProblem problem;
    EXPECT_FALSE(SaveFileContents(RichContents(), path.string(), problem)) << path;
    EXPECT_EQ(problem.path, path.string());
    EXPECT_NE(problem.Describe().find("cannot be written"), std::string::npos) << problem.Describe();
  }
  // What a previous save left: the old contents, readable, and nothing else in the folder.
  void ExpectOldFileAlone(const fs::path& path, const std::string& old) {
    FileImage image = ReadFileImage(path.string(), 1 << 20);
    EXPECT_EQ(image.bytes, old);
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(path.parent_path())) ++entries;
    EXPECT_EQ(entries, 1) << "a temporary file was left behind";
  }
  std::string SaveSmall(const fs::path& path) {
    FileContents small;
    small.kind = FileKind::Simulation;
    small.definitions.push_back(MakeDefinition("A", DefinitionKind::Model, "Model A\nEnd\n"));
    FileProblem problem;
    EXPECT_TRUE(SaveFileContents(small, path.string(), problem)) << problem.Describe();
    return ReadFileImage(path.string(), 1 << 20).bytes;
  }

  ScratchDirectory scratch{"failed-save"};
  fs::path dir{scratch.Path()};
};

TEST_F(FailedSaveTest, APathThatCannotHoldAFileIsRefused) {
  scratch.Write("notes.txt", "a file, not a folder");
  ExpectRefused(dir / "notes.txt" / "Plant.vsim");
  ExpectRefused(dir / "missing" / "Plant.vsim");
  fs::create_directories(dir / "Plant.vsim");
  ExpectRefused(dir / "Plant.vsim");
  EXPECT_TRUE(fs::is_directory(dir / "Plant.vsim")) << "a folder in the file's place stays";
}

TEST_F(FailedSaveTest, AFullDiskLeavesTheOldFileWhole) {
  const fs::path path = dir / "Plant.vsim";
  const std::string old = SaveSmall(path);
  ASSERT_FALSE(old.empty());
  // The file system takes no more than the old file's size.
  rlimit previous{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &previous), 0);
  rlimit small = previous;
  small.rlim_cur = old.size() + 16;
  auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  ExpectRefused(path);
  ::setrlimit(RLIMIT_FSIZE, &previous);
  std::signal(SIGXFSZ, previousHandler);
  ExpectOldFileAlone(path, old);
  FileProblem problem;
  EXPECT_TRUE(ReadFileContentsFrom(path.string(), problem)) << problem.Describe();
}

TEST_F(FailedSaveTest, AReadOnlyFolderLeavesTheOldFileWhole) {
  const fs::path path = dir / "Plant.vsim";
  const std::string old = SaveSmall(path);
  fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
  if (::access(dir.c_str(), W_OK) == 0) GTEST_SKIP() << "this user writes into read-only folders";
  ExpectRefused(path);
  ExpectOldFileAlone(path, old);
}

}  // namespace
