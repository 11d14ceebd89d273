// What a node asks the host to open: views of its type by names or by
// descriptor, the editor, table and plot views; and a node's messages to a
// window that is gone.
#include "explorer/core/ExplorerMessages.h"
#include "host/framework/CorvaneViewContext.h"
#include "host/model/IQVDataSource.h"
#include "host/store/HostClassIds.h"
#include "tests/explorer_core/ExplorerStoreTestSupport.h"

namespace {

using namespace explorer_test;

class ViewRequestsTest : public ExplorerStoreTest {
 protected:
  ViewRequestsTest() {
    previousMain = AfxGetMainWnd();
    AfxSetMainWnd(&main);
    main.onMessage = [this](const RecordedMessage& m) {
      if (m.message == WM_SHOW_CORVANEVIEW) requests.push_back(*reinterpret_cast<tag_CorvaneViewContext*>(m.lParam));
    };
  }
  ~ViewRequestsTest() override { AfxSetMainWnd(previousMain); }

  RecordingWindow main;
  CWnd* previousMain = nullptr;
  std::vector<tag_CorvaneViewContext> requests;
};

// A data source that says whether it has anything to show.
class Source : public CComObject<IQVDataSource> {
 public:
  explicit Source(bool empty) : m_empty(empty) {}
  HRESULT IsEmpty(bool* empty) override {
    *empty = m_empty;
    return S_OK;
  }

 private:
  bool m_empty;
};

TEST_F(ViewRequestsTest, ViewsAreAskedForByNamesByDescriptorOrAsEditorAndTables) {
  CStoreType& tank = build.Model(Simulation(), "Tank");
  TestLeaf node(InstanceOf(tank), nullptr);
  const GUID iconEditor = CLSID_QVIconEditorView;

  node.OpenView(iconEditor, 0, "mode", nullptr, "ignored", 0);
  node.OpenView(iconEditor, 1, "", nullptr, "", 0);
  node.OpenView(CLSID_QVTextEditorView, 0, "Tank", nullptr, "Tank", 0);
  CComPtr<IQVDataSource> full = MakeComObject<Source>(false);
  CComPtr<IQVDataSource> empty = MakeComObject<Source>(true);
  node.OpenView(CLSID_QVFormView, 0, "History", full, "T101", 0);
  node.OpenView(CLSID_QVFormView, 0, "Plot", empty, "T101", 0);
  node.OpenView(CLSID_QVFormView, 0, "Plot", full, "T101", 1);
  ASSERT_EQ(requests.size(), 6u);

  // By names: the library (here the simulation's own types) and the type.
  EXPECT_EQ(requests[0].viewClass, iconEditor);
  EXPECT_EQ(requests[0].typeName, "Tank");
  EXPECT_FALSE(requests[0].libraryName.empty());
  EXPECT_EQ(requests[0].text, "mode");
  EXPECT_FALSE(requests[0].typeDesc);
  // By descriptor.
  EXPECT_TRUE(requests[1].typeName.empty());
  EXPECT_TRUE(IsSameObject(requests[1].typeDesc, static_cast<IFType*>(&tank)));
  // The editor: no names, no descriptor, its option word.
  EXPECT_TRUE(requests[2].typeName.empty());
  EXPECT_TRUE(requests[2].libraryName.empty());
  EXPECT_FALSE(requests[2].typeDesc);
  EXPECT_EQ(requests[2].optionWord, 31u);
  EXPECT_EQ(requests[2].text, "Tank");
  // Tables and plots: the name only when there is something to show and a name is wanted.
  EXPECT_EQ(requests[3].libraryName, "T101");
  EXPECT_TRUE(IsSameObject(requests[3].dataSource, full));
  EXPECT_EQ(requests[3].text, "History");
  EXPECT_TRUE(requests[4].libraryName.empty());
  EXPECT_TRUE(requests[5].libraryName.empty());
  EXPECT_EQ(requests[5].optionWord, 0u);
}

TEST_F(ViewRequestsTest, MessagesToAWindowThatIsGoneAreDropped) {
  auto frame = std::make_unique<RecordingWindow>();
  TestLeaf node(nullptr, frame.get());
  EXPECT_EQ(node.GetOwner(), frame.get());
  node.PostToOwner(EXPLORER_CONTENTS_CHANGED, 0, 0);
  frame.reset();
  EXPECT_EQ(node.GetOwner(), nullptr);
  node.PostToOwner(EXPLORER_CONTENTS_CHANGED, 0, 0);
  MessageQueue::Pump();  // nothing reaches the destroyed window
}

}  // namespace
