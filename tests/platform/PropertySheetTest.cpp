#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/TemplateControls.h"
#include "platform/PropertySheet.h"
#include "platform/Resources.h"
#include "tests/support/TestUserInterface.h"

namespace {

using namespace template_controls;

constexpr UINT kGeneralTemplate = 60101;
constexpr UINT kNotesTemplate = 60102;
constexpr UINT kMissingTemplate = 60199;
constexpr UINT kNotesTitleString = 60150;

constexpr int kNameField = 101;
constexpr int kNotesText = 201;

void RegisterTestTemplates() {
  RegisterDialogTemplate({kGeneralTemplate,
                          "General",
                          {200, 80},
                          {Label("&Name", At(7, 9, 30, 8)), Edit(kNameField, At(40, 7, 150, 12))}});
  RegisterDialogTemplate({kNotesTemplate,
                          "Add Notes",
                          {220, 120},
                          {Control(ControlKind::RichEdit, kNotesText, "", At(7, 7, 200, 100),
                                   ES_MULTILINE | ES_WANTRETURN | WS_TABSTOP)}});
  RegisterStrings({{kNotesTitleString, "User Notes"}});
}

// A page that writes down what happens to it in a shared log.
class LoggingPage : public CPropertyPage {
 public:
  LoggingPage(std::string name, UINT templateId, std::vector<std::string>& log, UINT captionId = 0)
      : CPropertyPage(templateId, captionId), m_name(std::move(name)), m_log(log) {}

  bool allowLeave = true;
  bool allowApply = true;
  int inits = 0;

  bool OnInitDialog() override {
    ++inits;
    Log("init");
    return CPropertyPage::OnInitDialog();
  }
  bool OnSetActive() override {
    Log("set-active");
    return true;
  }
  bool OnKillActive() override {
    Log("kill-active");
    return allowLeave && CPropertyPage::OnKillActive();
  }
  bool OnApply() override {
    Log("apply");
    return allowApply;
  }
  void OnReset() override { Log("reset"); }

 protected:
  void Log(const std::string& what) { m_log.push_back(m_name + " " + what); }

 private:
  std::string m_name;
  std::vector<std::string>& m_log;
};

// The notes page asks its rich edit for change events; every change marks it modified.
class NotesPage : public LoggingPage {
 public:
  explicit NotesPage(std::vector<std::string>& log) : LoggingPage("notes", kNotesTemplate, log, kNotesTitleString) {}
  CRichEditCtrl m_notes;
  std::string m_text;

  bool OnInitDialog() override {
    LoggingPage::OnInitDialog();
    m_notes.SetEventMask(ENM_CHANGE);
    return true;
  }

 protected:
  void DoDataExchange(CDataExchange* dx) override {
    DDX_Control(dx, kNotesText, m_notes);
    DDX_Text(dx, kNotesText, m_text);
  }
  bool OnControlCommand(int id, UINT code) override {
    if (id != kNotesText || code != EN_CHANGE) return false;
    SetModified(true);
    return true;
  }
};

// Most tests run a sheet of the general page and the notes page.
class PropertySheetTest : public ::testing::Test {
 protected:
  void AddBothPages(CPropertySheet& sheet) {
    sheet.AddPage(&general);
    sheet.AddPage(&notes);
  }
  const bool registered = (RegisterTestTemplates(), true);
  std::vector<std::string> log;
  TestUserInterface ui;
  LoggingPage general{"general", kGeneralTemplate, log};
  NotesPage notes{log};
};

TEST_F(PropertySheetTest, PagesAreCreatedWhenFirstShownAndDestroyedAtTheEnd) {
  CPropertySheet sheet("Properties");
  AddBothPages(sheet);
  ui.AnswerSheet([&](CPropertySheet& s) {
    EXPECT_TRUE(general.IsCreated());
    EXPECT_FALSE(notes.IsCreated()) << "the second page waits until it is shown";
    EXPECT_TRUE(s.SetActivePage(1));
    EXPECT_TRUE(notes.IsCreated());
    EXPECT_FALSE(general.IsWindowVisible());
    EXPECT_TRUE(s.SetActivePage(0));
  });
  ui.AnswerOk();
  EXPECT_EQ(sheet.DoModal(), IDOK);
  EXPECT_FALSE(general.IsCreated());
  EXPECT_FALSE(notes.IsCreated());
  EXPECT_EQ(sheet.m_hWnd, nullptr);
  EXPECT_EQ(notes.inits, 1) << "switching back does not create a page again";
  EXPECT_EQ(log, (std::vector<std::string>{"general init", "general set-active", "general kill-active", "notes init",
                                           "notes set-active", "notes kill-active", "general set-active",
                                           "general kill-active", "general apply", "notes apply"}));
}

TEST_F(PropertySheetTest, OkAppliesOnlyShownPagesInOrderAndARefusalKeepsTheSheetOpen) {
  LoggingPage first("first", kGeneralTemplate, log);
  LoggingPage second("second", kGeneralTemplate, log);
  LoggingPage third("third", kGeneralTemplate, log);
  CPropertySheet sheet("Properties");
  for (auto* page : {&first, &second, &third}) sheet.AddPage(page);
  sheet.SetActivePage(2);
  ui.AnswerSheet([&](CPropertySheet& s) {
    s.SetActivePage(0);
    first.allowApply = false;
    log.clear();
    EXPECT_TRUE(s.PressButton(IDOK));
    EXPECT_FALSE(s.IsEnded()) << "a page that refuses to apply keeps the sheet open";
    first.allowApply = true;
    first.allowLeave = false;
    EXPECT_FALSE(s.SetActivePage(2)) << "the page refuses to be left";
    EXPECT_EQ(s.GetActiveIndex(), 0);
    s.PressButton(IDOK);
    EXPECT_FALSE(s.IsEnded());
    first.allowLeave = true;
    log.clear();
  });
  ui.AnswerOk();
  EXPECT_EQ(sheet.DoModal(), IDOK);
  EXPECT_EQ(log, (std::vector<std::string>{"first kill-active", "first apply", "third apply"}))
      << "the page never shown is not asked";
}

TEST_F(PropertySheetTest, ApplyFollowsModifiedPagesAndCancelResetsThem) {
  CPropertySheet sheet("Properties", nullptr, 1);
  AddBothPages(sheet);
  ui.AnswerSheet([&](CPropertySheet& s) {
    EXPECT_FALSE(s.IsButtonUsable(ID_APPLY_NOW)) << "Apply starts disabled";
    EXPECT_TRUE(s.GetActivePage()->Item(kNotesText)->UserType("Pump curve\nfrom the vendor"));
    EXPECT_TRUE(notes.IsModified());
    EXPECT_TRUE(s.IsButtonUsable(ID_APPLY_NOW));
    s.SetActivePage(0);
    log.clear();
    EXPECT_TRUE(s.PressButton(ID_APPLY_NOW));
    EXPECT_EQ(log, (std::vector<std::string>{"general kill-active", "notes apply"})) << "only the modified page applies";
    EXPECT_FALSE(notes.IsModified());
    EXPECT_FALSE(s.IsButtonUsable(ID_APPLY_NOW));
    log.clear();
  });
  ui.AnswerCancel();
  EXPECT_EQ(sheet.DoModal(), IDCANCEL);
  EXPECT_EQ(log, (std::vector<std::string>{"general reset", "notes reset"}));
  EXPECT_EQ(notes.m_text, "Pump curve\nfrom the vendor");
}

TEST_F(PropertySheetTest, EnterPressesOkExceptInAnEditThatTakesLineBreaks) {
  CPropertySheet sheet("Properties", nullptr, 1);
  AddBothPages(sheet);
  ui.AnswerSheet([&](CPropertySheet& s) {
    CDialogItem* text = notes.Item(kNotesText);
    text->UserType("line");
    DispatchKeyDown(text->m_hWnd, VK_RETURN);
    EXPECT_FALSE(s.IsEnded());
    s.SetActivePage(0);
    EXPECT_EQ(CWnd::GetFocus(), general.Item(kNameField)) << "the page's first control takes the focus";
    DispatchKeyDown(general.Item(kNameField)->m_hWnd, VK_RETURN);
    EXPECT_TRUE(s.IsEnded());
  });
  EXPECT_EQ(sheet.DoModal(), IDOK);
  ui.AnswerSheet([&](CPropertySheet&) { DispatchKeyDown(general.Item(kNameField)->m_hWnd, VK_ESCAPE); });
  EXPECT_EQ(sheet.DoModal(), IDCANCEL);
}

TEST_F(PropertySheetTest, SheetsWithoutPagesOrWithAMissingTemplateDoNotRun) {
  CPropertySheet empty("Nothing");
  EXPECT_EQ(empty.DoModal(), -1);
  LoggingPage missing("missing", kMissingTemplate, log);
  CPropertySheet broken("Broken");
  broken.AddPage(&missing);
  EXPECT_EQ(broken.DoModal(), -1);
  EXPECT_EQ(broken.m_hWnd, nullptr);
}

TEST_F(PropertySheetTest, APageOutlivingItsSheetIsSafe) {
  LoggingPage first("first", kGeneralTemplate, log);
  LoggingPage second("second", kGeneralTemplate, log);
  {
    CPropertySheet sheet("Properties");
    sheet.AddPage(&first);
    sheet.AddPage(&second);
    sheet.AddPage(&second);
    EXPECT_EQ(sheet.GetPageCount(), 2) << "a page is added once";
    ui.AnswerSheet([&](CPropertySheet& s) { s.SetActivePage(1); });
    ui.AnswerOk();
    EXPECT_EQ(sheet.DoModal(), IDOK);
  }
  first.SetModified(true);  // the sheet is gone
  first.CancelToClose();
  EXPECT_TRUE(first.IsModified());
}

}  // namespace
