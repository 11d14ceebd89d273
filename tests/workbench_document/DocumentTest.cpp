// The document's own behaviour: the messages log, broadcasts, statistics from
// the compiled texts, unit sets, generated code, inserting files,
// rebuilding and settings kept in the file. The host actions it records are
// read by the Explorer tests that cause them.
#include <gtest/gtest.h>

#include "host/framework/UpdateHints.h"
#include "host/model/IRModel.h"
#include "host/store/Status.h"
#include "tests/workbench_document/DocumentTestSupport.h"
#include "workbench/document/WorkbenchApp.h"
#include "workbench/store/StoreInstance.h"
#include "workbench/store/StorePalette.h"
#include "workbench/store/StoreType.h"

namespace {

// A view that remembers the hints it was sent.
class HintView : public CView {
 public:
  void OnUpdate(CView*, LPARAM hint, void*) override { hints.push_back(hint); }
  CWnd* ViewWindow() override { return nullptr; }
  std::vector<LPARAM> hints;
};

// A frame that counts one registered message.
class CountingFrame : public CFrameWnd {
 public:
  explicit CountingFrame(UINT message) : m_message(message) { SetAutoDelete(false); }
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == m_message) ++received;
    return CFrameWnd::WindowProc(message, wParam, lParam);
  }
  int received = 0;

 private:
  UINT m_message;
};

using DocumentTest = SampleDocumentTest;

TEST_F(DocumentTest, MessagesAreKeptInOrderAndHeardByListeners) {
  std::vector<std::string> heard;
  const int id = Doc().Messages().AddListener([&](const MessageLogEntry& e) { heard.push_back(e.text); });
  Doc().OutputMessage("\nCompiling...", -1, 0);
  Doc().OutputMessage("\nCompilation completed. 0 error(s), 1 warning(s)\n", -1, 0);
  Doc().Messages().RemoveListener(id);
  Doc().OutputMessage("after\n", 2, 7);
  EXPECT_EQ(heard.size(), 2u);
  EXPECT_EQ(Doc().Messages().Lines(),
            (std::vector<std::string>{"Compiling...", "Compilation completed. 0 error(s), 1 warning(s)", "after"}));
  EXPECT_EQ(Doc().Messages().Entries().back().kind, 2);
  EXPECT_EQ(Doc().Messages().Entries().back().flags, 7u);
  int shown = 0;
  Doc().onShowMessages = [&] { ++shown; };
  Doc().ShowOutputWindow(1);
  Doc().ShowOutputWindow(0);
  EXPECT_EQ(shown, 1);
}

TEST_F(DocumentTest, EachMessageStartsALineWhateverLineFeedsItsWriterPutAroundIt) {
  Doc().OutputMessage("\nCompiling Reactor...", -1, 0);
  Doc().OutputMessage("Error: Line 6: unknown type 'Pressur'\n", -1, 0);
  Doc().OutputMessage("\n\nTwo lines\n\nof one message\n\n", -1, 0);
  Doc().OutputMessage("\n", -1, 0);
  EXPECT_EQ(Doc().Messages().Lines(), (std::vector<std::string>{"Compiling Reactor...",
                                                                "Error: Line 6: unknown type 'Pressur'", "Two lines",
                                                                "of one message"}));
  EXPECT_EQ(CMessageLog::MessageLines("\r\nTwo lines\r\n\r\nof one message\r\n"),
            (std::vector<std::string>{"Two lines", "", "of one message"}));
  EXPECT_TRUE(CMessageLog::MessageLines("\n\n").empty());
}

TEST_F(DocumentTest, BroadcastReachesTopLevelWindowsAndTheirFrames) {
  const UINT message = RegisterWindowMessage("VORTAN_TEST_BROADCAST");
  CWorkbenchMainFrame* main = app.CreateMainWindow();
  ASSERT_NE(main, nullptr);
  CountingFrame child(message), alone(message), other(RegisterWindowMessage("VORTAN_TEST_OTHER"));
  ASSERT_TRUE(child.LoadFrame(0, WS_CHILD | WS_VISIBLE, main->MDIClient(), nullptr));
  ASSERT_TRUE(alone.LoadFrame(0, WS_VISIBLE, nullptr, nullptr));
  ASSERT_TRUE(other.LoadFrame(0, WS_VISIBLE, nullptr, nullptr));
  Doc().Broadcast(message, 0, 0, 0);
  EXPECT_EQ((std::vector{child.received, alone.received, other.received}), (std::vector{1, 1, 0}));
  alone.DestroyWindow();
  Doc().Broadcast(message, 0, 0, 0);
  EXPECT_EQ((std::vector{child.received, alone.received}), (std::vector{2, 1}));
  child.DestroyWindow();
  other.DestroyWindow();
}

// The sample flowsheet's statistics are checked against hand counts with the flowsheet;
// here what only a type's own default instance gives.
TEST_F(DocumentTest, ModelStatisticsComeFromTheCompiledTexts) {
  CComPtr<IRModel> tank = ComQuery<IRModel>(static_cast<IFInstance*>(Type("BufferTank").DefaultInstance()));
  ASSERT_TRUE(tank);
  int equations = 0, variables = 0, dof = 0, unknowns = 0;
  ASSERT_EQ(Doc().GetModelStatistics(tank, equations, variables, unknowns, dof), S_OK);
  EXPECT_EQ(unknowns, 6);

  // A model based on another counts the base's members too.
  CComPtr<IRModel> product = ComQuery<IRModel>(static_cast<IFInstance*>(Type("ProductTank").DefaultInstance()));
  ASSERT_EQ(Doc().GetModelStatistics(product, equations, variables, dof), S_OK);
  EXPECT_EQ(variables, 10);
  EXPECT_LT(Doc().GetModelStatistics(nullptr, equations, variables, dof), 0);
}

// Choosing a set is the unit-set node tests' and making a task the Add Task entry's;
// here the views are told of a new set.
TEST_F(DocumentTest, ChoosingAUnitSetTellsTheViews) {
  HintView view;
  Doc().AddView(&view);
  ASSERT_EQ(Doc().SelectUOMSet("us"), S_OK);
  EXPECT_EQ(view.hints, (std::vector<LPARAM>{QV_HINT_UNITS_CHANGED}));
  Doc().RemoveView(&view);
}

TEST_F(DocumentTest, GeneratedCodeDeclaresTheProcedures) {
  ASSERT_EQ(Doc().GenerateProcedures(Doc().Store().SimulationPalette(), nullptr), S_OK);
  const std::string& code = Doc().GeneratedCode();
  EXPECT_NE(code.find("void pump_curve(const double* inputs /* VolumeFlowRate, SpeedRatio */, double* outputs /* "
                      "Length */);"),
            std::string::npos)
      << code;
  EXPECT_NE(code.find("double valve_gain(const double* inputs /* Opening */);"), std::string::npos) << code;
  EXPECT_NE(Doc().Messages().Text().find("Code generated for 'PumpCurve'."), std::string::npos);
}

TEST_F(DocumentTest, InsertAddsTheDefinitionsOfAFile) {
  ScratchDirectory dir("insert");
  const std::string path = dir.Write("More.ktrf", "Variable Depth\n  Value: 2;\nEnd\n\nModel BufferTank\nEnd\n\n"
                                                  "Model Heater\n  Q as Power (1000, Fixed);\n  x as Nothing;\nEnd\n");
  ui.Ui().AnswerFile(path);
  HintView view;
  Doc().AddView(&view);
  Doc().Insert();
  Doc().RemoveView(&view);
  CStorePalette& own = *Doc().Store().SimulationPalette();
  ASSERT_NE(own.Find("Depth"), nullptr);
  ASSERT_NE(own.Find("Heater"), nullptr);
  EXPECT_TRUE(own.Find("Heater")->HasErrors());
  const std::string log = Doc().Messages().Text();
  EXPECT_NE(log.find("Cannot insert 'BufferTank': a definition with this name already exists."), std::string::npos);
  EXPECT_NE(log.find("Error: Heater: Line 3:"), std::string::npos) << log;
  EXPECT_NE(log.find("Inserted 2 definition(s) from " + path + ", 2 with errors."), std::string::npos) << log;
  EXPECT_EQ(view.hints, (std::vector<LPARAM>{QV_HINT_TYPES_CHANGED}));
}

TEST_F(DocumentTest, RebuildRecompilesEveryDefinition) {
  ASSERT_EQ(Doc().RebuildLibrary(Doc().Store().SimulationPalette(), nullptr, true), S_OK);
  const std::string log = Doc().Messages().Text();
  EXPECT_NE(log.find("Error: BrokenMixer has 1 error(s)"), std::string::npos) << log;
  EXPECT_NE(log.find(" with errors\n"), std::string::npos) << log;
  EXPECT_FALSE(Type("BufferTank").HasErrors());
  EXPECT_TRUE(Type("BrokenMixer").HasErrors());
}

TEST_F(DocumentTest, SettingsTravelWithTheFile) {
  ScratchDirectory dir("settings");
  Doc().m_ApplicationSettings.m_iGroupsPerPage = 50;
  Doc().m_ApplicationSettings.m_iTaskDoubleClick = 1;
  CRQVDocument::m_bCustomModeling = false;
  FileProblem problem;
  ASSERT_TRUE(Doc().SaveAs(dir.File("Settings.vsim"), problem)) << problem.Describe();
  EXPECT_FALSE(Doc().IsModified());
  CRQVDocument::m_bCustomModeling = true;
  CWorkbenchApp other;
  ASSERT_TRUE(other.OpenDocument(dir.File("Settings.vsim"), problem)) << problem.Describe();
  EXPECT_EQ(other.Document().m_ApplicationSettings.m_iGroupsPerPage, 50);
  EXPECT_EQ(other.Document().m_ApplicationSettings.m_iTaskDoubleClick, 1);
  EXPECT_FALSE(CRQVDocument::m_bCustomModeling);
  CRQVDocument::m_bCustomModeling = true;
}

}  // namespace
