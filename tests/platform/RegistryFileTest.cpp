// The user registry file: its text form, damaged files, and writes that two
// processes make at once or that a crash interrupts.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "platform/Registry.h"
#include "platform/RegistryStore.h"
#include "platform/RegistryText.h"
#include "tests/support/ScopedConfigDir.h"

using namespace std::string_literals;

namespace {

const char kHeader[] = "Windows Registry Editor Version 5.00\n\n";
const char kSettings[] = "Software\\Velloran\\ZNSystem\\38.0\\Explorer\\Settings";

std::string StringValue(const std::string& path, const std::string& name) {
  CRegKey key;
  std::string value = "<missing>";
  if (key.Open(HKEY_CURRENT_USER, path) == ERROR_SUCCESS) key.QueryStringValue(name, value);
  return value;
}

DWORD DwordValue(const std::string& path, const std::string& name) {
  CRegKey key;
  DWORD value = 0xFFFFFFFF;
  if (key.Open(HKEY_CURRENT_USER, path) == ERROR_SUCCESS) key.QueryDWORDValue(name, value);
  return value;
}

std::size_t ValueCount(const std::string& path) {
  CRegKey key;
  if (key.Open(HKEY_CURRENT_USER, path) != ERROR_SUCCESS) return 0;
  std::size_t count = 0;
  std::string name;
  while (key.EnumValueName(static_cast<DWORD>(count), name) == ERROR_SUCCESS) ++count;
  return count;
}

// Runs body in a child process; returns its exit status (body's answer, or what killed it).
int InChild(const std::function<int()>& body) {
  pid_t pid = ::fork();
  if (pid == 0) ::_exit(body());
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

void DieBeforeReplacing() { ::_exit(42); }

}  // namespace

TEST(RegistryFile, TextWithQuotesBackslashesLineBreaksAndUtf8RoundTrips) {
  ScopedConfigDir config;
  const std::string awkward = "C:\\Models\\\"Reactor\" \xC3\xA9t\xC3\xA9\nsecond line\r\n\ttab";
  CRegKey key;
  ASSERT_EQ(key.Create(HKEY_CURRENT_USER, "Software\\Odd ] key"), ERROR_SUCCESS);
  key.SetStringValue("quote\"and\\slash", awkward);
  key.SetStringValue("", "the unnamed value");
  key.SetDWORDValue("max", 0xFFFFFFFF);

  std::string text = config.ReadRegistryFile();
  EXPECT_EQ(text.rfind(kHeader, 0), 0u);
  EXPECT_NE(text.find("\"quote\\\"and\\\\slash\"=\"C:\\\\Models\\\\\\\"Reactor\\\" "), std::string::npos) << text;
  EXPECT_NE(text.find("@=\"the unnamed value\"\n"), std::string::npos) << text;
  EXPECT_NE(text.find("\"max\"=dword:ffffffff\n"), std::string::npos) << text;

  Registry::Reload();
  EXPECT_TRUE(Registry::LastLoadProblem().empty()) << Registry::LastLoadProblem();
  EXPECT_EQ(StringValue("Software\\Odd ] key", "quote\"and\\slash"), awkward);
  EXPECT_EQ(StringValue("Software\\Odd ] key", ""), "the unnamed value");
  EXPECT_EQ(DwordValue("Software\\Odd ] key", "max"), 0xFFFFFFFFu);
  EXPECT_EQ(Registry::ExportUserStore(), text);
}

TEST(RegistryFile, MissingOrEmptyFileIsAnEmptyStore) {
  ScopedConfigDir config;
  EXPECT_EQ(ValueCount(kSettings), 0u);
  EXPECT_TRUE(Registry::LastLoadProblem().empty());
  config.WriteRegistryFile("");
  EXPECT_TRUE(Registry::LastLoadProblem().empty());
  EXPECT_EQ(Registry::ExportUserStore(), kHeader);
  // The directory is made on the first write.
  std::filesystem::remove_all(config.Path());
  CRegKey key;
  ASSERT_EQ(key.Create(HKEY_CURRENT_USER, kSettings), ERROR_SUCCESS);
  EXPECT_EQ(key.SetDWORDValue("ListViewType", 3), ERROR_SUCCESS);
  EXPECT_TRUE(std::filesystem::exists(config.RegistryFile()));
}

TEST(RegistryFile, DamagedFileKeepsTheGoodValuesAndReportsTheRest) {
  ScopedConfigDir config;
  std::string settings = "[HKEY_CURRENT_USER\\Software\\Velloran\\ZNSystem\\38.0\\Explorer\\Settings]\n";
  config.WriteRegistryFile(std::string(kHeader) + settings +
                           "\"ListViewType\"=dword:00000003\n"
                           "this line is garbage\n"
                           "\"SortColumnUp\"=dword:0000zz01\n"
                           "\"Bad\"=\"no closing quote\n"
                           "\"Escape\"=\"bad \\q escape\"\n"
                           "\"Blob\"=hex:01,02\n"
                           "\x00\x01\xFF\xFE binary\n"s +
                           "\"SortColumn\"=\"Name\"\n"
                           "\n"
                           "[HKEY_CURRENT_USER\\Software\\Broken\n"
                           "\"Lost\"=dword:00000001\n"
                           "[HKEY_LOCAL_MACHINE\\Software\\Elsewhere]\n"
                           "\"Foreign\"=dword:00000001\n"
                           "[HKEY_CURRENT_USER\\Software\\Later]\n"
                           "\"After\"=\"kept\"\n"
                           "\"Cut\"=dword:000");  // the last line was cut short
  EXPECT_EQ(DwordValue(kSettings, "ListViewType"), 3u);
  EXPECT_EQ(StringValue(kSettings, "SortColumn"), "Name");
  EXPECT_EQ(StringValue("Software\\Later", "After"), "kept");
  EXPECT_EQ(ValueCount(kSettings), 2u);
  EXPECT_EQ(ValueCount("Software\\Later"), 1u);
  CRegKey broken;
  EXPECT_EQ(broken.Open(HKEY_CURRENT_USER, "Software\\Broken"), ERROR_FILE_NOT_FOUND);

  std::string problem = Registry::LastLoadProblem();
  EXPECT_NE(problem.find("11 damaged lines skipped"), std::string::npos) << problem;
  for (const char* expected :
       {"line 5: not a section or a value", "line 6: bad dword value", "line 7: missing closing quote",
        "line 8: bad escape", "line 9: unsupported value type", "line 10: not a section or a value: ???? binary",
        "line 13: section without closing bracket", "line 14: value outside a readable section",
        "line 15: section outside the root", "line 16: value outside", "line 19: bad dword value"}) {
    EXPECT_NE(problem.find(expected), std::string::npos) << expected << "\n" << problem;
  }

  // The next write rewrites the file with what was readable and keeps the damaged original.
  std::string original = config.ReadRegistryFile();
  CRegKey key;
  ASSERT_EQ(key.Create(HKEY_CURRENT_USER, kSettings), ERROR_SUCCESS);
  EXPECT_EQ(key.SetDWORDValue("SortColumnUp", 1), ERROR_SUCCESS);
  std::ifstream kept(config.RegistryFile() + ".damaged", std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), original);
  EXPECT_NE(Registry::LastLoadProblem().find("kept as registry.reg.damaged"), std::string::npos);
  Registry::Reload();
  EXPECT_TRUE(Registry::LastLoadProblem().empty()) << Registry::LastLoadProblem();
  EXPECT_EQ(ValueCount(kSettings), 3u);
  EXPECT_EQ(StringValue("Software\\Later", "After"), "kept");
}

TEST(RegistryFile, ANonFileAtThePathIsReportedAndNeverOverwritten) {
  ScopedConfigDir config;
  std::filesystem::create_directory(config.RegistryFile());
  Registry::Reload();
  EXPECT_NE(Registry::LastLoadProblem().find("not a regular file"), std::string::npos);
  HKEY key = nullptr;
  EXPECT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, kSettings, &key), ERROR_WRITE_FAULT);
  EXPECT_TRUE(std::filesystem::is_directory(config.RegistryFile()));
}

TEST(RegistryFile, ALinkedFileIsWrittenThroughItsLink) {
  ScopedConfigDir config;
  std::string target = config.Path() + "/dotfiles-registry.reg";
  std::ofstream(target) << kHeader;
  std::filesystem::create_symlink(target, config.RegistryFile());
  Registry::Reload();
  CRegKey key;
  ASSERT_EQ(key.Create(HKEY_CURRENT_USER, kSettings), ERROR_SUCCESS);
  key.SetDWORDValue("ListViewType", 2);
  EXPECT_TRUE(std::filesystem::is_symlink(config.RegistryFile()));
  std::ifstream in(target);
  EXPECT_NE(std::string(std::istreambuf_iterator<char>(in), {}).find("\"ListViewType\"=dword:00000002"),
            std::string::npos);
}

TEST(RegistryFile, TwoProcessesWritingAtOnceKeepEachOthersValues) {
  ScopedConfigDir config;
  CRegKey key;
  ASSERT_EQ(key.Create(HKEY_CURRENT_USER, kSettings), ERROR_SUCCESS);
  key.SetDWORDValue("before", 1);
  key.Close();

  auto writer = [](const std::string& prefix) {
    return [prefix] {
      CRegKey own;
      if (own.Create(HKEY_CURRENT_USER, kSettings) != ERROR_SUCCESS) return 1;
      for (DWORD i = 0; i < 50; ++i) {
        if (own.SetDWORDValue(prefix + std::to_string(i), i) != ERROR_SUCCESS) return 2;
      }
      return 0;
    };
  };
  std::vector<pid_t> children;
  for (const char* prefix : {"first", "second"}) {
    pid_t pid = ::fork();
    if (pid == 0) ::_exit(writer(prefix)());
    children.push_back(pid);
  }
  for (pid_t pid : children) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  }

  Registry::Reload();
  EXPECT_TRUE(Registry::LastLoadProblem().empty()) << Registry::LastLoadProblem();
  EXPECT_EQ(ValueCount(kSettings), 101u);
  for (DWORD i = 0; i < 50; ++i) {
    EXPECT_EQ(DwordValue(kSettings, "first" + std::to_string(i)), i);
    EXPECT_EQ(DwordValue(kSettings, "second" + std::to_string(i)), i);
  }
}

TEST(RegistryFile, AWriterThatDiesBeforeReplacingLeavesTheOldFileIntact) {
  ScopedConfigDir config;
  CRegKey key;
  ASSERT_EQ(key.Create(HKEY_CURRENT_USER, kSettings), ERROR_SUCCESS);
  key.SetStringValue("SortColumn", "Name");
  std::string before = config.ReadRegistryFile();

  int status = InChild([] {
    RegistryTesting::SetBeforeReplaceHook(&DieBeforeReplacing);
    CRegKey own;
    own.Create(HKEY_CURRENT_USER, kSettings);
    own.SetStringValue("SortColumn", std::string(10000, 'x'));
    return 0;  // not reached: the hook ends the process
  });
  EXPECT_EQ(status, 42);
  EXPECT_EQ(config.ReadRegistryFile(), before);

  // The store still reads and writes normally afterwards.
  Registry::Reload();
  EXPECT_TRUE(Registry::LastLoadProblem().empty());
  EXPECT_EQ(StringValue(kSettings, "SortColumn"), "Name");
  key.SetStringValue("SortColumn", "Status");
  Registry::Reload();
  EXPECT_EQ(StringValue(kSettings, "SortColumn"), "Status");
  // The dead writer's temporary file was cleared away by the next write.
  std::vector<std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(config.Path())) {
    files.push_back(entry.path().filename().string());
  }
  std::sort(files.begin(), files.end());
  EXPECT_EQ(files, (std::vector<std::string>{"registry.reg", "registry.reg.lock"}));
}

