// The application: SHOW_CORVANEVIEW opens editors, form views and frames of
// registered templates.
#include <gtest/gtest.h>

#include "host/framework/CRDocTemplate.h"
#include "host/framework/HostMessages.h"
#include "host/store/HostClassIds.h"
#include "tests/workbench_document/DocumentTestSupport.h"
#include "workbench/document/WorkbenchApp.h"
#include "workbench/store/StorePalette.h"
#include "workbench/store/StoreType.h"

namespace {

const CLSID kTestViewClass = GUID::FromString("{7E5A00F0-3C2B-4A8D-B0F1-6D2C9A4E8B01}");

// A child frame that keeps what its document says when it is made.
class RecordingFrame : public CMDIChildWnd {
 public:
  static inline std::string lastText;
  static inline bool hadRoot = false;
  bool OnCreateClient(CREATESTRUCT*, CCreateContext* context) override {
    auto* document = context ? dynamic_cast<CRDocument*>(context->m_pCurrentDoc) : nullptr;
    if (!document || !document->GetViewContext()) return false;
    lastText = document->GetViewContext()->text;
    CComPtr<IUnknown> root;
    hadRoot = SUCCEEDED(document->GetRootModel(&root)) && root;
    return true;
  }
};

class ApplicationTest : public SampleDocumentTest {
 protected:
  void SetUp() override {
    SampleDocumentTest::SetUp();
    ASSERT_NE(main = app.CreateMainWindow(), nullptr);
  }
  LRESULT Show(const tag_CorvaneViewContext& context) {
    return AfxGetMainWnd()->SendMessage(RegisterWindowMessage(SHOW_CORVANEVIEW), 0, reinterpret_cast<LPARAM>(&context));
  }

  CWorkbenchMainFrame* main = nullptr;
};

TEST_F(ApplicationTest, TheEditorViewOpensASessionOnTheNamedType) {
  tag_CorvaneViewContext context;
  context.viewClass = CLSID_QVTextEditorView;
  context.typeName = "BufferTank";
  EXPECT_EQ(Show(context), 1);
  EXPECT_TRUE(ui.Announced("editor: BufferTank"));
  CEditorSession* session = app.Editor().FindSession("BufferTank");
  ASSERT_NE(session, nullptr);
  EXPECT_EQ(session->Text(), app.Document().Store().SimulationPalette()->Find("BufferTank")->Text());
  EXPECT_FALSE(session->IsReadOnly());

  // A library type opens read-only.
  context.libraryName = "ProcessUnits";
  context.typeName = "Valve";
  EXPECT_EQ(Show(context), 1);
  ASSERT_NE(app.Editor().FindSession("Valve"), nullptr);
  EXPECT_TRUE(app.Editor().FindSession("Valve")->IsReadOnly());
}

TEST_F(ApplicationTest, RegisteredTemplatesOpenFramesWithTheRequest) {
  app.AddDocTemplate(std::make_unique<CRDocTemplate>(
      kTestViewClass, 0, [] { return std::make_unique<CRDocument>(); }, [] { return new RecordingFrame; }));
  tag_CorvaneViewContext context;
  context.viewClass = kTestViewClass;
  context.text = "{A93D72D1-75CD-11D0-8D84-00C0DF469D39}";
  const std::size_t before = main->ChildFrames().size();
  EXPECT_EQ(Show(context), 1);
  EXPECT_EQ(main->ChildFrames().size(), before + 1);
  EXPECT_EQ(RecordingFrame::lastText, context.text);
  EXPECT_TRUE(RecordingFrame::hadRoot);
  // A class nobody registered opens nothing.
  context.viewClass = GUID::FromString("{7E5A00F1-3C2B-4A8D-B0F1-6D2C9A4E8B01}");
  EXPECT_EQ(Show(context), 0);
  EXPECT_EQ(main->ChildFrames().size(), before + 1);
}

}  // namespace
