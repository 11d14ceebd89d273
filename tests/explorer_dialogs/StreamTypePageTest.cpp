// The Stream Properties page: the record's style and colour shown in the two
// drawn combos, written back as the page's style word, and the drawing of
// the combos' items.
#include <gtest/gtest.h>

#include "explorer/dialogs/DrawBrush.h"
#include "explorer/dialogs/DrawColorMenu.h"
#include "explorer/dialogs/DrawLineMenu.h"
#include "explorer/resources/ControlIds.h"
#include "explorer/resources/DialogIds.h"
#include "explorer/resources/StringIds.h"
#include "explorer/dialogs/QVNamedObjectPropertySheet.h"
#include "explorer/dialogs/QVPropPageStreamType.h"
#include "tests/explorer_core/ExplorerCoreTestSupport.h"
#include "tests/explorer_dialogs/DialogsTestSupport.h"

namespace dialogs_test {
namespace {

const CRect kItemRect(0, 0, 100, 14);

class StreamTypePageTest : public DialogsTest {
 protected:
  explorer_test::TestLeaf node{nullptr, nullptr};
  StreamTypePageTest() { node.texts[EOAspectName] = "LiquidLine"; }

  // Runs a stream-type sheet; look sees the stream page, then OK closes the sheet.
  INT_PTR ShowStreamPage(IUnknown* streamType, std::function<void(CPropertySheet&, CPropertyPage&)> look,
                         int readOnly = 0) {
    CQVNamedObjectPropertySheet sheet(IDS_STREAM_TYPE_PROPERTIES, &node, "", readOnly);
    sheet.AddStreamTypePage(streamType);
    ui.AnswerSheet([&](CPropertySheet& running) {
      ASSERT_EQ(running.GetPageCount(), 2);
      ASSERT_TRUE(running.SetActivePage(1));
      look(running, *running.GetActivePage());
      running.PressButton(IDOK);
    });
    return sheet.DoModal();
  }
};

bool HasLine(const CDC& dc, int penStyle, int width) {
  for (const DrawOp& op : dc.Ops())
    if (op.kind == DrawOp::Kind::Line && op.penStyle == penStyle && op.penWidth == width) return true;
  return false;
}

TEST_F(StreamTypePageTest, TheStoredStyleIsShownAndWrittenBackMarked) {
  CComPtr<FakeStreamType> stream = MakeComObject<FakeStreamType>(QVStreamDisplayRecord{0x00000003, 12, true});
  int line = -1, colour = -1, hide = -1;
  bool dashDrawn = false;
  EXPECT_EQ(ShowStreamPage(stream.Get(),
                           [&](CPropertySheet&, CPropertyPage& page) {
                             CDialogItem* lines = page.Item(IDC_LINE_STYLE);
                             line = lines->GetCurSel();
                             colour = page.Item(IDC_LINE_COLOUR)->GetCurSel();
                             hide = page.IsDlgButtonChecked(IDC_HIDE_STREAM_LABELS);
                             dashDrawn = HasLine(lines->DrawItem(line, false, kItemRect), PS_DASH, 1);
                           }),
            IDOK);
  EXPECT_EQ(line, 2);
  EXPECT_EQ(colour, 12);
  EXPECT_EQ(hide, BST_CHECKED);
  EXPECT_TRUE(dashDrawn);
  EXPECT_EQ(stream->writes, 1);
  EXPECT_EQ(stream->record.lineStyle, 3u | 0xF0000u);
  EXPECT_EQ(stream->record.colour, 12u);
  EXPECT_TRUE(stream->record.hideLabels);
}

TEST_F(StreamTypePageTest, ChangingAComboOffersApplyAndWritesTheChoice) {
  CComPtr<FakeStreamType> stream = MakeComObject<FakeStreamType>(QVStreamDisplayRecord{0xF0001, 0, false});
  bool applyBefore = true, applyAfter = false;
  ShowStreamPage(stream.Get(), [&](CPropertySheet& sheet, CPropertyPage& page) {
    applyBefore = sheet.IsButtonUsable(ID_APPLY_NOW);
    page.Item(IDC_LINE_STYLE)->UserSelect(7);
    page.Item(IDC_LINE_COLOUR)->UserSelect(16);
    page.Item(IDC_HIDE_STREAM_LABELS)->UserClick();
    applyAfter = sheet.IsButtonUsable(ID_APPLY_NOW);
    sheet.PressButton(ID_APPLY_NOW);
    EXPECT_EQ(stream->record.lineStyle, 8u | 0xF0000u);
  });
  EXPECT_FALSE(applyBefore);
  EXPECT_TRUE(applyAfter);
  EXPECT_EQ(stream->record.lineStyle, 8u | 0xF0000u);
  EXPECT_EQ(stream->record.colour, 16u);
  EXPECT_TRUE(stream->record.hideLabels);
}

TEST_F(StreamTypePageTest, AStyleOutsideTheListsIsKeptAndAnUnreadableRecordIsNotOverwritten) {
  CComPtr<FakeStreamType> odd = MakeComObject<FakeStreamType>(QVStreamDisplayRecord{0x0009, 40, false});
  int line = 0, colour = 0;
  ShowStreamPage(odd.Get(), [&](CPropertySheet&, CPropertyPage& page) {
    line = page.Item(IDC_LINE_STYLE)->GetCurSel();
    colour = page.Item(IDC_LINE_COLOUR)->GetCurSel();
  });
  EXPECT_EQ(line, CB_ERR);
  EXPECT_EQ(colour, CB_ERR);
  EXPECT_EQ(odd->record.lineStyle, 0x0009u);
  EXPECT_EQ(odd->record.colour, 40u);

  CComPtr<FakeStreamType> unreadable = MakeComObject<FakeStreamType>(QVStreamDisplayRecord{0x0002, 3, true});
  unreadable->readable = false;
  ShowStreamPage(unreadable.Get(), [](CPropertySheet&, CPropertyPage& page) {
    page.Item(IDC_LINE_STYLE)->UserSelect(4);
  });
  EXPECT_EQ(unreadable->writes, 0);
}

TEST_F(StreamTypePageTest, AStreamTypeOfTheStoreIsFoundThroughItsInstance) {
  CStoreType& line = build.Type(Simulation(), StoreKind::Stream, "LiquidLine");
  CComPtr<IQVStreamType> stream = ComQuery<IQVStreamType>(static_cast<IFType*>(&line));
  ASSERT_TRUE(stream);
  ASSERT_EQ(stream->SetDisplayRecord({0xF0005, 9, false}), S_OK);
  app.Document().SetModifiedFlag(false);
  int shown = -1;
  ShowStreamPage(static_cast<IFInstance*>(line.DefaultInstance()), [&](CPropertySheet&, CPropertyPage& page) {
    shown = page.Item(IDC_LINE_STYLE)->GetCurSel();
    page.Item(IDC_LINE_COLOUR)->UserSelect(4);
  });
  EXPECT_EQ(shown, 4);
  QVStreamDisplayRecord record;
  ASSERT_EQ(stream->GetDisplayRecord(&record), S_OK);
  EXPECT_EQ(record.lineStyle, 5u | 0xF0000u);
  EXPECT_EQ(record.colour, 4u);
  // The new style is a change of the simulation, to be saved.
  EXPECT_TRUE(app.Document().IsModified());
}

TEST(StreamStyleCombos, ColourItemsOutsideThePaletteDrawNothing) {
  CDrawColorMenu menu;
  auto draw = [&](int index) {
    CDC dc;
    DRAWITEMSTRUCT item;
    item.itemID = index;
    item.rcItem = CRect(0, 0, 50, 14);
    item.pDC = &dc;
    menu.DrawItem(&item);
    return dc.Ops().size();
  };
  EXPECT_EQ(draw(16), 1u);
  EXPECT_EQ(draw(-1), 0u) << "the empty field";
  EXPECT_EQ(draw(17), 0u) << "past the palette";
}

}  // namespace
}  // namespace dialogs_test
