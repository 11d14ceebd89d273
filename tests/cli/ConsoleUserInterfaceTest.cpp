#include "app/headless/ConsoleUserInterface.h"

#include <gtest/gtest.h>

#include <sstream>

using Lines = std::vector<std::string>;

TEST(ConsoleUserInterface, PromptsAreDescribedWithCaptionTextAndControls) {
  EXPECT_EQ(ConsoleUserInterface::DescribePrompt({"message", "Explorer", "First line\r\nSecond line", MB_YESNOCANCEL, {}}),
            (Lines{"message box: Explorer", "  First line", "  Second line", "  [Yes No Cancel]"}));
  // A sheet's description that repeats its caption shows it once.
  EXPECT_EQ(ConsoleUserInterface::DescribePrompt({"sheet", "Properties", "", 0, {"Properties", "  Name: Tank"}}),
            (Lines{"sheet: Properties", "  Name: Tank"}));
  EXPECT_EQ(ConsoleUserInterface::DescribePrompt({"file", "Export", "Tank.vlib", 0, {"Libraries (*.vlib)"}}),
            (Lines{"file dialog: Export", "  File name: Tank.vlib", "  Libraries (*.vlib)"}));
  EXPECT_EQ(ConsoleUserInterface::DescribePrompt({"menu", "", "", 0, {"&Copy Here", "-"}}),
            (Lines{"menu:", "  &Copy Here", "  -"}));
  EXPECT_TRUE(ConsoleUserInterface::DescribePrompt({"drag", "", "", 0, {}}).empty()) << "the script's own action";
}

// How prompts, announcements and beeps read in a script's output is the command line scripts' case.
TEST(ConsoleUserInterface, PrintsAsPromptsOpenAndKeepsTheFirstProblemUntilTaken) {
  std::ostringstream out;
  ConsoleUserInterface ui(out);
  ScopedUserInterface installed(ui);

  ui.AnswerNo();
  EXPECT_EQ(AfxMessageBox("Delete it?", MB_YESNO, "Confirm"), IDNO);
  EXPECT_FALSE(ui.HasProblem());

  EXPECT_EQ(AfxMessageBox("Nobody answers", MB_OKCANCEL, "First"), IDCANCEL) << "dismissed";
  ui.AnswerName("Tank");  // a name does not fit a message box
  AfxMessageBox("Second", MB_OK, "Second");
  ASSERT_TRUE(ui.HasProblem());
  const std::string problem = ui.TakeProblem();
  EXPECT_NE(problem.find("First"), std::string::npos) << problem;
  EXPECT_FALSE(ui.HasProblem());
  EXPECT_NE(out.str().find("message box: Second\n  Second\n  [OK]\n"), std::string::npos)
      << "printed as it opened, answered or not";
}
