// The modes of the program that need no display:
//   --tree [PATH] [DOC]   the Explorer tree below PATH (default: everything)
//   --list PATH [DOC]     the contents pane of the tree item at PATH
//   --menu PATH [DOC]     the context menu of the node at PATH
//   --script FILE [DOC]   a script of user actions ('-' reads standard input)
// DOC is a simulation file; without it the bundled sample is opened. With a
// single operand after --tree, an existing file is taken as DOC.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

struct HeadlessRequest {
  enum class Kind { Tree, List, Menu, Script };
  Kind kind = Kind::Tree;
  std::string path;      // PATH of --tree, --list and --menu (empty for the whole tree)
  std::string script;    // FILE of --script
  std::string document;  // empty: the bundled sample
};

// True when arg selects one of the modes above.
bool IsHeadlessMode(const std::string& arg);
// Reads args (beginning with the mode). False with problem set when they do not fit the mode.
bool ParseHeadlessArguments(const std::vector<std::string>& args, HeadlessRequest& request, std::string& problem);
// The modes' lines of the program's usage text.
std::string HeadlessUsageText(const std::string& programName);

// Runs request: what it prints goes to out, failures to err. The exit code:
// 0 when all went well, 1 when the document could not be read or an action failed.
int RunHeadless(const HeadlessRequest& request, const std::string& programPath, std::ostream& out, std::ostream& err);
