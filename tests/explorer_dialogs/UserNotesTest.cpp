// The User Notes page: lines beginning with EndText are refused with a
// message naming them, the sheet comes back on the notes page with the text
// as typed, and only accepted notes are stored.
#include "explorer/resources/ControlIds.h"
#include "explorer/resources/DialogIds.h"
#include "explorer/resources/StringIds.h"
#include "explorer/dialogs/QVComponentListPropertySheet.h"
#include "explorer/dialogs/QVModelInstanceObjectPropertySheet.h"
#include "explorer/dialogs/QVPropPageUserNotes.h"
#include "host/services/IQVPhysicalProperties.h"
#include "tests/explorer_dialogs/DialogsTestSupport.h"

namespace dialogs_test {
namespace {

class UserNotesTest : public DialogsTest {
 protected:
  // The person opens the notes page, types text and presses OK.
  void TypeNotesAndPressOK(const std::string& text) {
    ui.AnswerSheet([text](CPropertySheet& sheet) {
      ASSERT_TRUE(sheet.SetActivePage(1));
      ASSERT_TRUE(sheet.GetActivePage()->Item(IDC_USER_NOTES)->UserType(text));
      ASSERT_TRUE(sheet.PressButton(IDOK));
    });
  }
};

TEST_F(UserNotesTest, EndTextAtTheStartOfALineIsRefusedInAnyCase) {
  for (const char* text : {"endtext", "ENDTEXT", "EndText", "  eNdTeXt  ", "EndText and more", "ok\nEndText"})
    EXPECT_FALSE(CQVPropPageUserNotes::CheckEndText(text, false)) << text;
  for (const char* text : {"", "EndTe", "ENDTEX", "endtex", "Some EndText", "note: endtext", "End Text here",
                           "EndTex\nt"})
    EXPECT_TRUE(CQVPropPageUserNotes::CheckEndText(text, false)) << text;
  EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(UserNotesTest, TheMessageNamesEachOffendingLine) {
  ui.AnswerOk();
  EXPECT_FALSE(CQVPropPageUserNotes::CheckEndText("first\n  endtext one\r\nmiddle\nENDTEXT\n", true));
  ui.AnswerOk();
  EXPECT_FALSE(CQVPropPageUserNotes::CheckEndText("EndText", true));
  std::vector<UiPrompt> messages = ui.Messages();
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0].caption, "Error");
  EXPECT_EQ(messages[0].style & MB_ICONMASK, MB_ICONEXCLAMATION);
  EXPECT_EQ(messages[0].text,
            "String/substring \"EndText\" (no case) at the begining of a line is an error!"
            "\nPlease edit lines:\n    endtext one\n    ENDTEXT");
  EXPECT_EQ(messages[1].text,
            "String/substring \"EndText\" (no case) at the begining of a line is an error!"
            "\nPlease edit line:\n    EndText");
}

TEST_F(UserNotesTest, RefusedNotesReopenTheSheetOnTheNotesPageAndAreNotStored) {
  CComPtr<FakeNotes> notes = MakeComObject<FakeNotes>("old notes");
  CComPtr<FakeBlock> block = MakeComObject<FakeBlock>(notes.Get());
  CQVModelInstanceObjectPropertySheet sheet(IDS_BLOCK_PROPERTIES, block.Get(), "Block", "B1", "BufferTank", 1);

  TypeNotesAndPressOK("Check level\nendtext");
  ui.AnswerOk();  // the message
  std::string shownAgain;
  int activeAgain = -1;
  ui.AnswerSheet([&](CPropertySheet& again) {
    activeAgain = again.GetActiveIndex();
    shownAgain = ActiveText(again, IDC_USER_NOTES);
    EXPECT_EQ(notes->writes, 0);
    EXPECT_FALSE(app.Document().IsModified());
    again.GetActivePage()->Item(IDC_USER_NOTES)->UserType("Check level daily");
    again.PressButton(IDOK);
  });

  EXPECT_EQ(sheet.DoModal(), IDOK);
  EXPECT_EQ(activeAgain, 1);
  EXPECT_EQ(shownAgain, "Check level\nendtext");
  EXPECT_EQ(notes->writes, 1);
  EXPECT_EQ(notes->value, "Check level daily");
  EXPECT_TRUE(app.Document().IsModified());
  ASSERT_EQ(ui.Messages().size(), 1u);
}

TEST_F(UserNotesTest, NotesAreShownAndUntouchedNotesAreNotWrittenBack) {
  CComPtr<FakeNotes> notes = MakeComObject<FakeNotes>("Installed 2019");
  CComPtr<FakeBlock> block = MakeComObject<FakeBlock>(notes.Get());
  CQVModelInstanceObjectPropertySheet sheet("Block Properties", block.Get(), "Block", "B1", "BufferTank", 1);
  std::string shown;
  int limit = 0;
  ui.AnswerSheet([&](CPropertySheet& running) {
    running.SetActivePage(1);
    shown = ActiveText(running, IDC_USER_NOTES);
    limit = running.GetActivePage()->Item(IDC_USER_NOTES)->GetLimitText();
    running.PressButton(IDOK);
  });
  EXPECT_EQ(sheet.DoModal(), IDOK);
  EXPECT_EQ(shown, "Installed 2019");
  EXPECT_EQ(limit, CQVPropPageUserNotes::kNotesLimit);
  EXPECT_EQ(notes->writes, 0);
  EXPECT_FALSE(app.Document().IsModified());
}

TEST_F(UserNotesTest, ANoteTheHostRefusesIsReportedAndOfferedAgain) {
  CComPtr<FakeNotes> notes = MakeComObject<FakeNotes>("");
  notes->writeResult = E_ACCESSDENIED;
  CComPtr<FakeBlock> block = MakeComObject<FakeBlock>(notes.Get());
  CQVModelInstanceObjectPropertySheet sheet(IDS_BLOCK_PROPERTIES, block.Get(), "Block", "B1", "BufferTank", 1);
  TypeNotesAndPressOK("keep me");
  ui.AnswerOk();
  std::string shownAgain;
  ui.AnswerSheet([&](CPropertySheet& again) {
    shownAgain = ActiveText(again, IDC_USER_NOTES);
    notes->writeResult = S_OK;
    again.PressButton(IDOK);
  });
  EXPECT_EQ(sheet.DoModal(), IDOK);
  EXPECT_EQ(shownAgain, "keep me");
  ASSERT_EQ(ui.Messages().size(), 1u);
  EXPECT_EQ(ui.Messages()[0].caption, "Operation Failed");
  // OK on the page shown again stores the text without typing it again.
  EXPECT_EQ(notes->writes, 1);
  EXPECT_EQ(notes->value, "keep me");
}

TEST_F(UserNotesTest, WithoutANotesObjectTheNotesCannotBeTyped) {
  CComPtr<FakeBlock> block = MakeComObject<FakeBlock>(nullptr);
  CQVModelInstanceObjectPropertySheet sheet(IDS_BLOCK_PROPERTIES, block.Get(), "Block", "B1", "BufferTank", 1);
  bool typed = true;
  ui.AnswerSheet([&](CPropertySheet& running) {
    running.SetActivePage(1);
    typed = running.GetActivePage()->Item(IDC_USER_NOTES)->UserType("lost?");
    running.PressButton(IDOK);
  });
  EXPECT_EQ(sheet.DoModal(), IDOK);
  EXPECT_FALSE(typed);
}

TEST_F(UserNotesTest, ComponentListNotesAreKeptUnderTheListName) {
  CComPtr<IQVPhysicalProperties> lists;
  ASSERT_EQ(app.Document().GetProperties(&lists), S_OK);
  ASSERT_EQ(lists->CreateComponentList("Water", false), S_OK);
  ASSERT_EQ(lists->SetNotes("Water", std::string(1500, 'w')), S_OK);

  CQVComponentListPropertySheet sheet(IDS_COMPONENT_LIST_PROPERTIES, lists.Get(), "Water");
  std::string name, shown;
  int limit = 0;
  ui.AnswerSheet([&](CPropertySheet& running) {
    name = ActiveText(running, IDC_OBJECT_NAME);
    EXPECT_FALSE(ActiveVisible(running, IDC_DESCRIPTION));
    running.SetActivePage(1);
    shown = ActiveText(running, IDC_USER_NOTES);
    limit = running.GetActivePage()->Item(IDC_USER_NOTES)->GetLimitText();
    running.GetActivePage()->Item(IDC_USER_NOTES)->UserType("pure water");
    running.PressButton(IDOK);
  });
  EXPECT_EQ(sheet.DoModal(), IDOK);
  EXPECT_EQ(name, "Water");
  EXPECT_EQ(shown, std::string(CQVPropPageUserNotes::kKeyedNotesLimit, 'w'));
  EXPECT_EQ(limit, CQVPropPageUserNotes::kKeyedNotesLimit);
  std::string stored;
  ASSERT_EQ(lists->GetNotes("Water", stored), S_OK);
  EXPECT_EQ(stored, "pure water");
  EXPECT_TRUE(app.Document().IsModified());
}

}  // namespace
}  // namespace dialogs_test
