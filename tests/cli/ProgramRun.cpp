#include "tests/cli/ProgramRun.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "tests/support/ScratchDirectory.h"

extern char** environ;

namespace {

// The environment without a display: the command line must not need one. A
// window system asked for anyway would fail to start on the xcb platform.
std::vector<std::string> EnvironmentWithoutDisplay() {
  std::vector<std::string> variables;
  for (char** entry = environ; *entry; ++entry) {
    const std::string variable = *entry;
    if (variable.rfind("DISPLAY=", 0) == 0 || variable.rfind("WAYLAND_DISPLAY=", 0) == 0 ||
        variable.rfind("QT_QPA_PLATFORM=", 0) == 0)
      continue;
    variables.push_back(variable);
  }
  variables.push_back("QT_QPA_PLATFORM=xcb");
  return variables;
}

}  // namespace

const char* ProgramPath() { return VORTAN_BINARY; }

ProgramResult RunProgram(const std::vector<std::string>& args, const std::string& input) {
  ScratchDirectory scratch("cli-run");
  const std::string in = scratch.Write("stdin", input), out = scratch.File("stdout"), err = scratch.File("stderr");

  posix_spawn_file_actions_t files;
  posix_spawn_file_actions_init(&files);
  posix_spawn_file_actions_addopen(&files, 0, in.c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&files, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_addopen(&files, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);

  std::vector<std::string> words{ProgramPath()};
  words.insert(words.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);

  std::vector<std::string> variables = EnvironmentWithoutDisplay();
  std::vector<char*> envp;
  for (std::string& variable : variables) envp.push_back(variable.data());
  envp.push_back(nullptr);

  ProgramResult result;
  pid_t child = 0;
  const int spawned = posix_spawn(&child, ProgramPath(), &files, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&files);
  if (spawned != 0) {
    result.err = "cannot start " + std::string(ProgramPath());
    return result;
  }
  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  if (WIFEXITED(status)) result.exitCode = WEXITSTATUS(status);
  result.out = ReadFileImage(out, 1u << 26).bytes;
  result.err = ReadFileImage(err, 1u << 26).bytes;
  return result;
}
