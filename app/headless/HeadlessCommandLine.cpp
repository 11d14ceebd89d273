#include "app/headless/HeadlessCommandLine.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "app/headless/ConsoleUserInterface.h"
#include "app/headless/ExplorerCommandLookup.h"
#include "app/headless/ExplorerPath.h"
#include "app/headless/ExplorerPlace.h"
#include "app/headless/ExplorerPrinters.h"
#include "app/headless/HeadlessSession.h"
#include "app/headless/ScriptRunner.h"
#include "explorer/window/ExplorerFrame.h"
#include "explorer/window/ExplorerListView.h"
#include "explorer/window/ExplorerTreeView.h"

namespace {

bool IsExistingFile(const std::string& path) {
  std::error_code ignored;
  return std::filesystem::is_regular_file(path, ignored);
}

// The item or row PATH names; false with problem set.
bool FindPath(CExplorerFrame& frame, const std::string& path, bool allowRow, ExplorerPlace& place, std::string& problem) {
  return FindExplorerPlace(frame, SplitExplorerPath(path), allowRow, place, problem);
}

bool PrintRequest(const HeadlessRequest& request, CExplorerFrame& frame, std::ostream& out, std::string& problem) {
  ExplorerPlace place;
  switch (request.kind) {
    case HeadlessRequest::Kind::Tree:
      if (!request.path.empty() && !FindPath(frame, request.path, false, place, problem)) return false;
      PrintTree(*frame.GetTreeView(), place.item, out);
      return true;
    case HeadlessRequest::Kind::List:
      if (!FindPath(frame, request.path, false, place, problem)) return false;
      if (!SelectTreeItem(frame, place.item)) {
        problem = "the item cannot be selected";
        return false;
      }
      PrintList(*frame.GetListView(), out);
      return true;
    case HeadlessRequest::Kind::Menu: {
      if (!FindPath(frame, request.path, true, place, problem)) return false;
      // A right-click selects what it hits first: a node may offer commands by where it is selected.
      if (place.row >= 0) frame.GetListView()->UserClick(place.row);
      else SelectTreeItem(frame, place.item);
      CExplorerObject* node = PlaceNode(frame, place);
      if (!node) {
        problem = "the item has no node";
        return false;
      }
      CMenu menu;
      BuildNodeMenu(*node, menu);
      menu.UpdateState(&frame);  // enabled as the window would show it when it opens
      PrintMenu(menu, out);
      return true;
    }
    case HeadlessRequest::Kind::Script:
      break;
  }
  return false;
}

int RunScript(const HeadlessRequest& request, HeadlessSession& session, ConsoleUserInterface& ui, std::ostream& out,
              std::ostream& err) {
  ScriptRunner runner(session, ui, out);
  if (request.script == "-") return runner.Run(std::cin, "stdin", err);
  std::ifstream file(request.script, std::ios::binary);
  if (!file) {
    err << request.script << ": cannot read the script\n";
    return 1;
  }
  return runner.Run(file, request.script, err);
}

}  // namespace

bool IsHeadlessMode(const std::string& arg) {
  return arg == "--tree" || arg == "--list" || arg == "--menu" || arg == "--script";
}

bool ParseHeadlessArguments(const std::vector<std::string>& args, HeadlessRequest& request, std::string& problem) {
  request = HeadlessRequest{};
  if (args.empty() || !IsHeadlessMode(args[0])) {
    problem = "no command-line mode given";
    return false;
  }
  const std::string& mode = args[0];
  std::vector<std::string> operands(args.begin() + 1, args.end());
  for (const std::string& operand : operands) {
    if (operand.size() > 1 && operand[0] == '-') {
      problem = mode + " takes no option " + operand;
      return false;
    }
  }
  const bool optionalPath = mode == "--tree";
  if (operands.size() > 2 || (!optionalPath && operands.empty())) {
    problem = mode + (optionalPath ? " takes [PATH] [DOC]" : mode == "--script" ? " takes FILE [DOC]" : " takes PATH [DOC]");
    return false;
  }
  if (optionalPath && operands.size() == 1 && IsExistingFile(operands[0])) operands.insert(operands.begin(), "");
  if (operands.size() == 2) request.document = operands[1];
  const std::string first = operands.empty() ? std::string() : operands[0];
  if (mode == "--script") {
    request.kind = HeadlessRequest::Kind::Script;
    request.script = first;
  } else {
    request.kind = mode == "--tree" ? HeadlessRequest::Kind::Tree
                   : mode == "--list" ? HeadlessRequest::Kind::List
                                      : HeadlessRequest::Kind::Menu;
    request.path = first;
  }
  return true;
}

std::string HeadlessUsageText(const std::string& programName) {
  return "       " + programName + " --tree [PATH] [DOCUMENT]\n"
         "       " + programName + " --list PATH [DOCUMENT]\n"
         "       " + programName + " --menu PATH [DOCUMENT]\n"
         "       " + programName + " --script FILE [DOCUMENT]\n"
         "\n"
         "Without a display:\n"
         "  --tree [PATH]   print the Explorer tree below PATH, every container expanded\n"
         "  --list PATH     print the contents pane of the tree item at PATH\n"
         "  --menu PATH     print the context menu of the node at PATH (the last label\n"
         "                  may name a row of its parent's contents pane)\n"
         "  --script FILE   run a script of user actions ('-' reads standard input)\n"
         "  PATH is the labels from the root down joined by \"/\" (Simulation/Flowsheet);\n"
         "  write a \"/\" inside a label as \"\\/\".\n";
}

int RunHeadless(const HeadlessRequest& request, const std::string& programPath, std::ostream& out, std::ostream& err) {
  ConsoleUserInterface ui(out);
  HeadlessSession session(ui);
  std::string problem;
  if (!session.Open(request.document, programPath, problem)) {
    err << problem << '\n';
    return 1;
  }
  CExplorerFrame* frame = session.OpenExplorer();
  if (!frame) {
    err << "no Explorer window could be opened" << (ui.HasProblem() ? ": " + ui.TakeProblem() : std::string()) << '\n';
    return 1;
  }
  if (request.kind == HeadlessRequest::Kind::Script) return RunScript(request, session, ui, out, err);
  const bool printed = PrintRequest(request, *frame, out, problem);
  if (ui.HasProblem()) problem = ui.TakeProblem();
  if (!printed || !problem.empty()) {
    out.flush();
    err << problem << '\n';
    return 1;
  }
  return 0;
}
