#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/TemplateControls.h"
#include "platform/Dialog.h"
#include "platform/UserInterface.h"
#include "tests/support/TestUserInterface.h"

namespace {

using namespace template_controls;

constexpr UINT kNameTemplate = 60001;
constexpr UINT kControlsTemplate = 60002;
constexpr UINT kNumberTemplate = 60003;
constexpr UINT kMissingTemplate = 60099;

constexpr int kNameEdit = 101;
// Controls of the controls template.
constexpr int kCheck = 201;
constexpr int kRadioA1 = 211, kRadioA2 = 212, kRadioA3 = 213;
constexpr int kRadioB1 = 221, kRadioB2 = 222;
constexpr int kSortedList = 231;
constexpr int kQuietList = 232;
constexpr int kCombo = 233;
constexpr int kCheckList = 234;
constexpr int kLimited = 241;
constexpr int kReadOnly = 242;
constexpr int kNotes = 243;
constexpr int kHiddenButton = 251;
constexpr int kDrawnCombo = 261;
constexpr int kScroll = 271;
constexpr int kNumberEdit = 301;

void RegisterTestTemplates() {
  RegisterDialogTemplate({kNameTemplate,
                          "<Specify Object Name>",
                          {125, 52},
                          {Label("&Name", At(7, 10, 26, 8)), Edit(kNameEdit, At(35, 7, 83, 14)),
                           DefaultButton(IDOK, "OK", At(7, 31, 50, 14), WS_DISABLED | WS_GROUP),
                           Button(IDCANCEL, "Cancel", At(68, 31, 50, 14))}});

  ControlTemplate sorted = Control(ControlKind::ListBox, kSortedList, "", At(7, 100, 80, 40), LBS_SORT | LBS_NOTIFY);
  sorted.items = {"pear", "Apple", "fig"};
  ControlTemplate combo = Control(ControlKind::ComboBox, kCombo, "", At(7, 150, 80, 40), CBS_DROPDOWNLIST);
  combo.items = {"Solid", "Dot", "Dash"};
  ControlTemplate drawn =
      Control(ControlKind::ComboBox, kDrawnCombo, "", At(7, 200, 80, 40), CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED);
  drawn.items = NumberedItems(3);
  RegisterDialogTemplate(
      {kControlsTemplate,
       "Controls",
       {200, 260},
       {CheckBox(kCheck, "Hide stream &labels", At(7, 7, 100, 10)),
        Radio(kRadioA1, "Integer", At(7, 20, 60, 10), WS_GROUP), Radio(kRadioA2, "Logical", At(7, 30, 60, 10)),
        Radio(kRadioA3, "Real", At(7, 40, 60, 10), WS_DISABLED),
        Radio(kRadioB1, "List", At(7, 50, 60, 10), WS_GROUP), Radio(kRadioB2, "Set", At(7, 60, 60, 10)),
        Label("Fruit", At(7, 90, 60, 8)), sorted,
        Control(ControlKind::ListBox, kQuietList, "", At(90, 100, 80, 40)),
        Label("Line style :", At(7, 142, 60, 8)), combo,
        Control(ControlKind::CheckListBox, kCheckList, "", At(90, 150, 80, 40), LBS_SORT | LBS_NOTIFY | WS_GROUP),
        Label("Short", At(7, 170, 40, 8)), Edit(kLimited, At(50, 170, 80, 12)),
        Label("Fixed", At(7, 184, 40, 8)), ReadOnlyField(kReadOnly, At(50, 184, 80, 12)),
        Control(ControlKind::RichEdit, kNotes, "", At(7, 215, 180, 30), ES_MULTILINE | ES_WANTRETURN),
        Hidden(Button(kHiddenButton, "Secret", At(140, 7, 50, 14))), drawn,
        Control(ControlKind::ScrollBar, kScroll, "", At(190, 0, 10, 200), SBS_VERT)}});

  RegisterDialogTemplate({kNumberTemplate,
                          "Watch Group",
                          {120, 50},
                          {Label("Group :", At(7, 9, 30, 8)), Edit(kNumberEdit, At(40, 7, 60, 12)),
                           DefaultButton(IDOK, "OK", At(7, 30, 50, 14)),
                           Button(IDCANCEL, "Cancel", At(60, 30, 50, 14))}});
}

class DialogTest : public ::testing::Test {
 protected:
  void SetUp() override { RegisterTestTemplates(); }
};

// A name dialog as the explorer's Add entries use it: OK follows the edit's
// line length, and a name the dialog refuses keeps it open.
class NameDialog : public CDialog {
 public:
  NameDialog() : CDialog(kNameTemplate) {}
  std::string m_name;
  CEdit m_edit;
  CButton m_ok;
  int m_initCount = 0;

 protected:
  void DoDataExchange(CDataExchange* dx) override {
    DDX_Control(dx, IDOK, m_ok);
    DDX_Control(dx, kNameEdit, m_edit);
    DDX_Text(dx, kNameEdit, m_name);
  }
  bool OnInitDialog() override {
    ++m_initCount;
    CDialog::OnInitDialog();
    SetWindowText("Create Model");
    GotoDlgCtrl(&m_edit);
    return false;
  }
  bool OnControlCommand(int id, UINT code) override {
    if (id != kNameEdit || code != EN_CHANGE) return false;
    m_ok.EnableWindow(m_edit.LineLength() > 0);
    return true;
  }
  void OnOK() override {
    UpdateData(true);
    if (m_name.find(' ') != std::string::npos) {
      AfxMessageBox("Invalid name", MB_OK | MB_ICONEXCLAMATION);
      m_ok.EnableWindow(false);
      return;
    }
    EndDialog(IDOK);
  }
};

// Opens the controls template as a modeless dialog and records its notifications.
class RecordingDialog : public CDialog {
 public:
  explicit RecordingDialog(UINT id = kControlsTemplate) : CDialog(id) {}
  std::vector<std::pair<int, UINT>> commands;

 protected:
  bool OnControlCommand(int id, UINT code) override {
    commands.emplace_back(id, code);
    return false;
  }
};

using Commands = std::vector<std::pair<int, UINT>>;

// ---------------------------------------------------------------- name dialog and the provider

TEST_F(DialogTest, CancelAndMissingTemplatesAndAProviderThatGivesUp) {
  {
    TestUserInterface ui;
    NameDialog dialog;
    ui.AnswerCancel();
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    ui.AnswerName("Again");
    EXPECT_EQ(dialog.DoModal(), IDOK) << "the same object runs a second time";
    EXPECT_EQ(dialog.m_name, "Again");
    EXPECT_EQ(dialog.m_initCount, 2);
  }
  {
    CDialog missing(kMissingTemplate);
    EXPECT_EQ(missing.DoModal(), -1);
    EXPECT_FALSE(missing.CreateFromTemplate(nullptr, false));
  }
  {
    struct GivesUp : ScriptedUserInterface {
      void RunModalDialog(CDialog& dialog) override { dialog.Item(kNameEdit)->UserType("x"); }
    } provider;
    ScopedUserInterface scope(provider);
    NameDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL) << "returning with the dialog open cancels it";
  }
}

TEST_F(DialogTest, ChildDialogLivesInItsParentAndGoesWithIt) {
  CWnd frame;
  ASSERT_TRUE(frame.Create("Frame", "Frame", WS_VISIBLE, CRect(0, 0, 300, 300), nullptr, 0));
  RecordingDialog form;
  ASSERT_TRUE(form.CreateFromTemplate(&frame, true));
  EXPECT_EQ(form.GetParent(), &frame);
  EXPECT_TRUE(form.Item(kCheck)->UserClick()) << "a child dialog is shown with its parent";
  EXPECT_EQ(form.commands, (Commands{{kCheck, BN_CLICKED}}));
  EXPECT_FALSE(form.CreateFromTemplate(&frame, true)) << "already created";
  frame.DestroyWindow();
  EXPECT_EQ(form.m_hWnd, nullptr);
  EXPECT_TRUE(form.Items().empty());
}

// ---------------------------------------------------------------- controls as a person uses them

TEST_F(DialogTest, RadioGroupsAreExclusivePerGroupAndDisabledRadiosIgnoreClicks) {
  RecordingDialog dialog;
  ASSERT_TRUE(dialog.CreateFromTemplate(nullptr, false));
  for (int id : {kRadioB1, kRadioA1, kRadioA2}) EXPECT_TRUE(dialog.Item(id)->UserClick());
  EXPECT_EQ(dialog.IsDlgButtonChecked(kRadioA1), BST_UNCHECKED);
  EXPECT_EQ(dialog.IsDlgButtonChecked(kRadioA2), BST_CHECKED);
  EXPECT_EQ(dialog.IsDlgButtonChecked(kRadioB1), BST_CHECKED) << "the other group keeps its choice";
  EXPECT_FALSE(dialog.Item(kRadioA3)->UserClick()) << "disabled";
  EXPECT_EQ(dialog.IsDlgButtonChecked(kRadioA2), BST_CHECKED);
  EXPECT_EQ(dialog.commands, (Commands{{kRadioB1, BN_CLICKED}, {kRadioA1, BN_CLICKED}, {kRadioA2, BN_CLICKED}}));

  // Programmatic checks do not notify and do not touch the group.
  dialog.commands.clear();
  dialog.CheckDlgButton(kRadioA1, BST_CHECKED);
  EXPECT_EQ(dialog.IsDlgButtonChecked(kRadioA2), BST_CHECKED);
  dialog.CheckRadioButton(kRadioA1, kRadioA3, kRadioA3);
  EXPECT_EQ(dialog.IsDlgButtonChecked(kRadioA1), BST_UNCHECKED);
  EXPECT_EQ(dialog.IsDlgButtonChecked(kRadioA3), BST_CHECKED);
  EXPECT_TRUE(dialog.commands.empty());

  for (int i = 0; i < 3; ++i) EXPECT_TRUE(dialog.Item(kCheck)->UserClick());
  EXPECT_EQ(dialog.IsDlgButtonChecked(kCheck), BST_CHECKED) << "an automatic check box toggles";
  EXPECT_EQ(dialog.commands.size(), 3u);
}

TEST_F(DialogTest, DdxRadioReadsThePositionInTheGroupAndMinusOneClearsIt) {
  struct KindDialog : RecordingDialog {
    int kind = -1;
    void DoDataExchange(CDataExchange* dx) override { DDX_Radio(dx, kRadioA1, kind); }
  } dialog;
  ASSERT_TRUE(dialog.CreateFromTemplate(nullptr, false));
  EXPECT_EQ(dialog.IsDlgButtonChecked(kRadioA1), BST_UNCHECKED) << "kind -1 checks no button";
  dialog.Item(kRadioA2)->UserClick();
  ASSERT_TRUE(dialog.UpdateData(true));
  EXPECT_EQ(dialog.kind, 1);
  dialog.kind = 2;
  dialog.UpdateData(false);
  EXPECT_EQ(dialog.IsDlgButtonChecked(kRadioA3), BST_CHECKED);
  EXPECT_EQ(dialog.IsDlgButtonChecked(kRadioA2), BST_UNCHECKED);
  EXPECT_EQ(dialog.IsDlgButtonChecked(kRadioB1), BST_UNCHECKED) << "the next group is not part of it";
  dialog.kind = -1;
  dialog.UpdateData(false);
  for (int id : {kRadioA1, kRadioA2, kRadioA3}) EXPECT_EQ(dialog.IsDlgButtonChecked(id), BST_UNCHECKED);
  dialog.kind = 7;
  dialog.UpdateData(true);
  EXPECT_EQ(dialog.kind, -1);
}

TEST_F(DialogTest, EditsNotifyChangesAndHonourLimitsReadOnlyAndLines) {
  RecordingDialog dialog;
  ASSERT_TRUE(dialog.CreateFromTemplate(nullptr, false));
  CDialogItem& limited = *dialog.Item(kLimited);
  dialog.SetDlgItemText(kLimited, "set by the program, not cut");
  EXPECT_EQ(dialog.commands, (Commands{{kLimited, EN_CHANGE}}));
  limited.SetLimitText(4);
  EXPECT_TRUE(limited.UserType("Réacteur"));
  EXPECT_EQ(limited.GetWindowText(), "Réac") << "typing stops at the limit, counted in characters";
  EXPECT_TRUE(limited.UserType("ab\ncd"));
  EXPECT_EQ(limited.GetWindowText(), "ab") << "a single-line edit keeps the first line";
  EXPECT_EQ(limited.LineLength(), 2);

  EXPECT_FALSE(dialog.Item(kReadOnly)->UserType("x"));
  EXPECT_EQ(dialog.GetDlgItemText(kReadOnly), "");
}

TEST_F(DialogTest, ListsSortSelectAndNotifyAsWin32Does) {
  RecordingDialog dialog;
  ASSERT_TRUE(dialog.CreateFromTemplate(nullptr, false));
  CDialogItem& sorted = *dialog.Item(kSortedList);
  ASSERT_EQ(sorted.GetCount(), 3);
  EXPECT_EQ(sorted.GetItemText(0), "Apple");
  EXPECT_EQ(sorted.GetItemText(2), "pear");
  EXPECT_EQ(sorted.AddString("banana"), 1) << "sorted ignoring case";

  EXPECT_TRUE(sorted.UserSelect(3));
  EXPECT_EQ(sorted.AddString("apricot"), 1);
  EXPECT_EQ(sorted.GetCurSel(), 4) << "the selection stays on its item";
  EXPECT_EQ(sorted.SetCurSel(9), LB_ERR);
  EXPECT_EQ(sorted.GetItemData(42), 0u);
  EXPECT_FALSE(sorted.UserSelect(99));

  CDialogItem& quiet = *dialog.Item(kQuietList);
  quiet.AddString("one");
  EXPECT_TRUE(quiet.UserSelect(0));
  EXPECT_EQ(quiet.GetCurSel(), 0);

  CDialogItem& combo = *dialog.Item(kCombo);
  combo.SetWindowText("dash");
  EXPECT_EQ(combo.GetCurSel(), 2) << "a drop-down list selects the item with the text";

  EXPECT_EQ(dialog.commands, (Commands{{kSortedList, LBN_SELCHANGE}}))
      << "programmatic changes and a list without LBS_NOTIFY stay quiet";
}

TEST_F(DialogTest, HiddenOrDisabledControlsIgnoreWhatAPersonDoes) {
  RecordingDialog dialog;
  ASSERT_TRUE(dialog.CreateFromTemplate(nullptr, false));
  EXPECT_FALSE(dialog.PressButton(kHiddenButton));
  EXPECT_FALSE(dialog.IsButtonUsable(kHiddenButton));
  dialog.Item(kHiddenButton)->ShowWindow(SW_SHOW);
  EXPECT_TRUE(dialog.PressButton(kHiddenButton));
  dialog.Item(kCombo)->EnableWindow(false);
  EXPECT_FALSE(dialog.Item(kCombo)->UserSelect(1));
  dialog.Item(kLimited)->EnableWindow(false);
  EXPECT_FALSE(dialog.Item(kLimited)->UserType("x"));
  dialog.ShowWindow(SW_HIDE);
  EXPECT_FALSE(dialog.Item(kCheck)->UserClick()) << "a hidden dialog hides its controls";
  EXPECT_EQ(dialog.commands, (Commands{{kHiddenButton, BN_CLICKED}}));
  EXPECT_FALSE(dialog.PressButton(4242));
}

// ---------------------------------------------------------------- data exchange and buttons

TEST_F(DialogTest, NumberThatDoesNotParseKeepsTheDialogOpenWithAMessage) {
  struct NumberDialog : CDialog {
    NumberDialog() : CDialog(kNumberTemplate) {}
    int group = 4;
    void DoDataExchange(CDataExchange* dx) override { DDX_Text(dx, kNumberEdit, group); }
  } dialog;
  TestUserInterface ui;
  ui.AnswerDialog([](CDialog& d) {
    EXPECT_EQ(d.GetDlgItemText(kNumberEdit), "4");
    d.Item(kNumberEdit)->UserType("12x");
    d.PressButton(IDOK);
    EXPECT_FALSE(d.IsEnded());
    EXPECT_EQ(d.FocusedItem(), d.Item(kNumberEdit));
  });
  ui.AnswerOk();  // "Please enter an integer."
  ui.AnswerDialog([](CDialog& d) {
    d.Item(kNumberEdit)->UserType(" -12 ");
    d.PressButton(IDOK);
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dialog.group, -12);
  EXPECT_EQ(ui.Prompts()[1].text, kEnterIntegerMessage);
}

TEST_F(DialogTest, EnterPressesTheDefaultButtonAndEscapeOrCloseCancel) {
  NameDialog dialog;
  ASSERT_TRUE(dialog.CreateFromTemplate(nullptr, false));
  DispatchKeyDown(dialog.Item(kNameEdit)->m_hWnd, VK_RETURN);
  EXPECT_FALSE(dialog.IsEnded()) << "OK is disabled";
  dialog.Item(kNameEdit)->UserType("Reactor");
  DispatchKeyDown(dialog.Item(kNameEdit)->m_hWnd, VK_RETURN);
  EXPECT_TRUE(dialog.IsEnded());
  EXPECT_EQ(dialog.Result(), IDOK);
  dialog.DestroyWindow();

  ASSERT_TRUE(dialog.CreateFromTemplate(nullptr, false));
  EXPECT_FALSE(dialog.IsEnded());
  DispatchKeyDown(dialog.Item(kNameEdit)->m_hWnd, VK_ESCAPE);
  EXPECT_EQ(dialog.Result(), IDCANCEL);
  dialog.DestroyWindow();

  ASSERT_TRUE(dialog.CreateFromTemplate(nullptr, false));
  dialog.Item(IDCANCEL)->EnableWindow(false);
  dialog.SendMessage(WM_CLOSE);
  EXPECT_FALSE(dialog.IsEnded()) << "a disabled Cancel keeps the close box from cancelling";
}

// ---------------------------------------------------------------- owner-drawn combos

// Draws each item as a swatch, so that a call to a wrapper that is gone would show.
class SwatchCombo : public CComboBox {
 public:
  void DrawItem(DRAWITEMSTRUCT* item) override {
    item->pDC->FillRect(item->rcItem, CBrush(PALETTERGB(0, 0, static_cast<BYTE>(item->itemID))));
  }
};

TEST_F(DialogTest, OwnerDrawnComboForgetsItsWrapperWhicheverGoesFirst) {
  struct StreamDialog : RecordingDialog {
    SwatchCombo colours;
    void DoDataExchange(CDataExchange* dx) override { DDX_Control(dx, kDrawnCombo, colours); }
  };
  // Drawing through a bound combo is the stream type page's tests' case.
  {
    StreamDialog dialog;
    ASSERT_TRUE(dialog.CreateFromTemplate(nullptr, false));
    EXPECT_EQ(dialog.Item(kDrawnCombo)->OwnerDraw(), &dialog.colours);
    dialog.DestroyWindow();
    EXPECT_EQ(dialog.colours.GetCount(), 0) << "a wrapper whose control is gone answers empty";
    EXPECT_EQ(dialog.colours.GetCurSel(), CB_ERR);
  }
  RecordingDialog dialog;
  ASSERT_TRUE(dialog.CreateFromTemplate(nullptr, false));
  {
    SwatchCombo colours;
    ASSERT_TRUE(colours.SubclassDlgItem(kDrawnCombo, &dialog));
    EXPECT_EQ(dialog.Item(kDrawnCombo)->OwnerDraw(), &colours);
    SwatchCombo plain;
    ASSERT_TRUE(plain.SubclassDlgItem(kCombo, &dialog));
    EXPECT_EQ(dialog.Item(kCombo)->OwnerDraw(), nullptr) << "a plain combo draws itself";
  }
  EXPECT_EQ(dialog.Item(kDrawnCombo)->OwnerDraw(), nullptr) << "the wrapper went first";
  EXPECT_TRUE(dialog.Item(kDrawnCombo)->DrawItem(0, false, CRect(0, 0, 40, 14)).Ops().empty());
}

// ---------------------------------------------------------------- description

TEST_F(DialogTest, DescribeDialogReadsLikeTheScreen) {
  RecordingDialog dialog;
  ASSERT_TRUE(dialog.CreateFromTemplate(nullptr, false));
  dialog.CheckDlgButton(kCheck, BST_CHECKED);
  dialog.Item(kRadioB2)->UserClick();
  dialog.Item(kSortedList)->SetCurSel(1);
  dialog.Item(kCombo)->SetCurSel(2);
  dialog.Item(kCheckList)->AddString("Stream");
  dialog.Item(kCheckList)->AddString("Block");
  dialog.Item(kCheckList)->SetItemCheck(1, BST_CHECKED);
  dialog.SetDlgItemText(kLimited, "abc");
  dialog.SetDlgItemText(kReadOnly, "7");
  dialog.SetDlgItemText(kNotes, "one\r\ntwo");
  dialog.Item(kScroll)->SetScrollRange(0, 6);
  EXPECT_EQ(DescribeDialog(dialog), (std::vector<std::string>{
                                        "Controls",
                                        "  [x] Hide stream labels",
                                        "  ( ) Integer",
                                        "  ( ) Logical",
                                        "  ( ) Real (disabled)",
                                        "  ( ) List",
                                        "  (o) Set",
                                        "  Fruit:",
                                        "      Apple",
                                        "    > fig",
                                        "      pear",
                                        "  ListBox 232:",
                                        "  Line style: Dash",
                                        "      Solid",
                                        "      Dot",
                                        "    > Dash",
                                        "  CheckListBox 234:",
                                        "      [ ] Block",
                                        "      [x] Stream",
                                        "  Short: abc",
                                        "  Fixed: 7",
                                        "  RichEdit 243: one\\ntwo",
                                        "  ComboBox 261: ",
                                        "      0",
                                        "      1",
                                        "      2",
                                        "  Scroll bar: 0 (0-6)",
                                    }));
}

}  // namespace
