// Runs a script of user actions against the Explorers of a headless session,
// one action per line ("#" starts a comment):
//   select PATH | row NAME | do COMMAND | key KEYS | sort COLUMN | rename TEXT
//   answer yes|no|ok|cancel | answer name TEXT | answer file PATH | answer menu TEXT
//   answer fields LABEL=VALUE; ...  (a dialog's fields by their labels, then OK)
//   drag SOURCE to TARGET [copy|move|link] | explore | window N
//   tree [PATH] | list | menu | messages | registry | save [FILE]
//   windows  (the windows left open beside the Explorers, such as an equation's residual text)
//   toolbar [LIBRARY]  (the Model Libraries toolbar: tabs with their models, stream types)
//   view [N]  (prints host view N, the latest opened when not given: a table as
//             tab-separated text, a history or plot as CSV, a profile's points, a finder's results)
//   find PATTERN  (the variables matching PATTERN below the latest finder's block, or in the
//             whole flowsheet when no finder was opened; "*" and "?" wildcards)
//   set VARIABLE VALUE  (a fixed or initial value, typed in the units the views show)
// A command that opens a host view (Show as &Plot, &Find...) prints "view N: TITLE".
//   simulate steady|initialization|dynamic [END_TIME]  (runs to the end, prints its summary line)
// "menu" on a tree item is what a right-click there opens ("Go to first unconverged" then acts).
// "explore" prints "window N: CAPTION" for the window it opened, so that a
// script knows which N to come back to. The first action that cannot be done
// stops the script with a message that names its line.
#pragma once

#include <iosfwd>
#include <string>

class CExplorerFrame;
class CExplorerObject;
class ConsoleUserInterface;
class HeadlessSession;

class ScriptRunner {
 public:
  ScriptRunner(HeadlessSession& session, ConsoleUserInterface& ui, std::ostream& out);

  // Runs every line of script (named scriptName in messages). 0 when all
  // went well; 1 after the first failure, which is written to err.
  int Run(std::istream& script, const std::string& scriptName, std::ostream& err);
  // Runs one action; false with problem set when it could not be done.
  bool RunAction(const std::string& line, std::string& problem);

 private:
  bool Select(const std::string& path, std::string& problem);
  bool Row(const std::string& name, std::string& problem);
  bool Do(const std::string& command, std::string& problem);
  // Presses KEYS ("Del", "Ctrl+X") as a person at the desktop would.
  bool Key(const std::string& keys, std::string& problem);
  bool Answer(const std::string& what, std::string& problem);
  bool AnswerFields(const std::string& text, std::string& problem);
  bool Sort(const std::string& column, std::string& problem);
  bool Rename(const std::string& text, std::string& problem);
  bool Drag(const std::string& what, std::string& problem);
  bool Explore(std::string& problem);
  bool Window(const std::string& number, std::string& problem);
  bool Tree(const std::string& path, std::string& problem);
  bool List(std::string& problem);
  bool Menu(std::string& problem);
  void Messages();
  void Registry();
  void Windows();
  bool Save(const std::string& file, std::string& problem);
  bool View(const std::string& number, std::string& problem);
  bool Find(const std::string& pattern, std::string& problem);
  bool Set(const std::string& what, std::string& problem);
  // Fails only when the run could not start; a run that does not converge still prints its line.
  bool Simulate(const std::string& what, std::string& problem);

  // The Explorer the script acts in; null with problem set when it was closed.
  CExplorerFrame* Frame(std::string& problem);
  CExplorerObject* CurrentObject(std::string& problem);

  HeadlessSession& m_session;
  ConsoleUserInterface& m_ui;
  std::ostream& m_out;
  CExplorerFrame* m_frame = nullptr;
};
