#include <gtest/gtest.h>

#include "explorer/resources/MenuIds.h"
#include "explorer/resources/StringIds.h"
#include "host/framework/CQVHelpPropertySheet.h"
#include "host/framework/CRDocTemplate.h"
#include "host/framework/CRDocument.h"
#include "host/framework/CRQVMDIChildFrame.h"
#include "platform/Dialog.h"
#include "tests/host/FakeHost.h"
#include "tests/support/TestUserInterface.h"

namespace {

const CLSID kExplorerClass = GUID::FromString("{0B1E5C11-0000-4000-8000-00000000C001}");

class TestFrame : public CRQVMDIChildFrame {
 public:
  static inline int alive = 0;
  static inline bool failClient = false;
  static inline std::vector<std::string> events;
  CRQVMDIChildFrame* closeOnPause = nullptr;

  TestFrame() {
    ++alive;
    m_nViewType = QV_VIEWTYPE_EXPLORER;
  }
  ~TestFrame() override { --alive; }
  bool OnCreateClient(CREATESTRUCT*, CCreateContext*) override { return !failClient; }
  void RunPaused() override {
    events.push_back("paused " + GetWindowText());
    if (closeOnPause) closeOnPause->DestroyWindow();
  }
  void RevertToOriginalWindowLayout(long withScrollBar) override {
    events.push_back("layout " + std::to_string(withScrollBar));
  }
};

class FrameworkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TestFrame::alive = 0;
    TestFrame::failClient = false;
    TestFrame::events.clear();
    ASSERT_TRUE(client.Create("MDIClient", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 800, 600), nullptr, 1));
  }
  void TearDown() override {
    for (CRQVMDIChildFrame* frame : CRQVMDIChildFrame::OpenFrames()) frame->DestroyWindow();
    client.DestroyWindow();
    EXPECT_EQ(TestFrame::alive, 0) << "frames delete themselves when their windows go";
    EXPECT_TRUE(CRQVMDIChildFrame::OpenFrames().empty());
  }
  CRDocTemplate MakeTemplate() {
    return CRDocTemplate(kExplorerClass, IDR_EXPLORER_TEMPLATE, [] { return std::make_unique<CRDocument>(); },
                         [] { return new TestFrame; });
  }
  CWnd client;
};

TEST_F(FrameworkTest, FrameThatRefusesItsClientIsGone) {
  CRDocTemplate explorer = MakeTemplate();
  TestFrame::failClient = true;
  EXPECT_EQ(explorer.CreateNewFrame(nullptr, &client, false), nullptr);
  EXPECT_EQ(TestFrame::alive, 0);
  EXPECT_TRUE(CRQVMDIChildFrame::OpenFrames().empty()) << "a refused frame never stays among the open frames";
}

TEST_F(FrameworkTest, OpenFramesHearOfPausesAndLayoutUntilTheyClose) {
  CRDocTemplate explorer = MakeTemplate();
  auto* first = static_cast<TestFrame*>(explorer.CreateNewFrame(nullptr, &client, true));
  auto* second = static_cast<TestFrame*>(explorer.CreateNewFrame(nullptr, &client, true));
  ASSERT_TRUE(first && second);
  first->SetWindowText("first");
  second->SetWindowText("second");
  CRQVMDIChildFrame::NotifyRunPaused();
  CRQVMDIChildFrame::RevertAllToOriginalWindowLayout(1);
  EXPECT_EQ(TestFrame::events, (std::vector<std::string>{"paused first", "paused second", "layout 1", "layout 1"}));

  // A frame that closes another while handling the pause: the closed one is skipped.
  TestFrame::events.clear();
  first->closeOnPause = second;
  CRQVMDIChildFrame::NotifyRunPaused();
  EXPECT_EQ(TestFrame::events, (std::vector<std::string>{"paused first"}));
  EXPECT_EQ(CRQVMDIChildFrame::OpenFrames().size(), 1u);
}

TEST(HelpPropertySheetTest, HelpButtonShowsTheTopic) {
  DialogTemplate page;
  page.id = 0xB1E5;
  page.caption = "General";
  page.size = CSize(100, 50);
  RegisterDialogTemplate(page);

  fake::App app;
  TestUserInterface ui;
  CQVHelpPropertySheet sheet("Model Properties");
  sheet.SetHelpTopic(IDS_HELP_FILE, IDS_HELP_MODEL_PROPERTIES);
  CPropertyPage general(page.id);
  sheet.AddPage(&general);
  ui.AnswerSheet([](CPropertySheet& running) {
    running.PressButton(IDHELP);
    running.PressButton(IDOK);
  });
  EXPECT_EQ(sheet.DoModal(), IDOK);
  EXPECT_EQ(app.helpShown, (std::vector<std::pair<UINT, UINT>>{{IDS_HELP_FILE, IDS_HELP_MODEL_PROPERTIES}}));

  sheet.SetHelpTopic(0, 0);
  EXPECT_FALSE(sheet.OnHelp()) << "a sheet without a topic shows nothing";
  EXPECT_EQ(app.helpShown.size(), 1u);
}

}  // namespace
