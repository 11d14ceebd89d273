// The person at the command line: every message box, dialog, sheet, file
// dialog and menu that opens is printed as it opens (caption, text, then each
// control's label and value) and answered from the queue of the script's
// "answer" lines. Host actions without a dialog of their own, and beeps, are
// printed as one line each. A prompt with no answer waiting, or an answer
// that does not fit it, is kept as the session's problem; the script stops on it.
#pragma once

#include <optional>
#include <iosfwd>
#include <string>
#include <vector>

#include "platform/UserInterface.h"

class ConsoleUserInterface : public ScriptedUserInterface {
 public:
  explicit ConsoleUserInterface(std::ostream& out);

  // The first problem since the last TakeProblem (empty: none).
  bool HasProblem() const { return !m_problem.empty(); }
  std::string TakeProblem();

  // The next drag goes to drag's target: the script names it with the drag
  // itself, ahead of any answers already waiting for the drop's questions.
  void ArmDrag(std::optional<DragAnswer> drag) { m_drag = drag; }
  DROPEFFECT DoDragDrop(COleDataSource& data, DROPEFFECT allowed) override;
  // What the last drag's drop did (DROPEFFECT_NONE when it was refused or no drag ran).
  DROPEFFECT LastDropEffect() const { return m_lastDropEffect; }
  void ResetDropEffect() { m_lastDropEffect = DROPEFFECT_NONE; }

  // Lines the prompts print, without the stream (the tests read them).
  static std::vector<std::string> DescribePrompt(const UiPrompt& prompt);

 private:
  std::ostream& m_out;
  std::string m_problem;
  std::optional<DragAnswer> m_drag;
  DROPEFFECT m_lastDropEffect = DROPEFFECT_NONE;
};
