#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "platform/Services.h"
#include "platform/UserInterface.h"
#include "platform/Window.h"
#include "tests/support/TestUserInterface.h"

namespace {

// A test cannot pass by a prompt nobody expected, an answer that does not fit,
// or an answer left unused.
TEST(ScriptedUserInterface, UnexpectedUnfitAndUnusedAnswersFailTheTest) {
  EXPECT_NONFATAL_FAILURE(
      {
        TestUserInterface ui;
        EXPECT_EQ(MessageBox(nullptr, "Surprise", "Sorry!", MB_YESNOCANCEL), IDCANCEL);
      },
      "unexpected message");
  EXPECT_NONFATAL_FAILURE(
      {
        TestUserInterface ui;
        ui.AnswerYes();
        EXPECT_EQ(MessageBox(nullptr, "Only OK here", "Explorer", MB_OK), IDOK);
      },
      "does not fit");
  EXPECT_NONFATAL_FAILURE({ TestUserInterface ui; ui.AnswerOk(); }, "answers left unused");
}

class BusyRecorder : public ScriptedUserInterface {
 public:
  std::vector<bool> busy;
  void SetBusy(bool on) override { busy.push_back(on); }
};

TEST(Services, WaitCursorNestsAndReportsOnlyTheOuterChange) {
  BusyRecorder recorder;
  ScopedUserInterface scope(recorder);
  {
    CWaitCursor outer;
    {
      CWaitCursor inner;
      EXPECT_EQ(CWaitCursor::Depth(), 2);
    }
  }
  EXPECT_EQ(recorder.busy, (std::vector<bool>{true, false}));
}

}  // namespace
