#include <gtest/gtest.h>

#include <functional>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTabBar>
#include <QTimer>

#include "app/EventPump.h"
#include "app/ui/QtUserInterface.h"
#include "explorer/dialogs/ExplorerObjectNameDialog.h"
#include "explorer/resources/ExplorerResources.h"
#include "platform/TemplateControls.h"
#include "platform/PropertySheet.h"
#include "tests/app/AppTestSupport.h"

namespace {

// A test that stopped half-way must not leave the program waiting in a modal window.
void CloseLater(QWidget* window) {
  QPointer<QWidget> modal = window;
  QTimer::singleShot(3000, [modal] {
    if (modal && modal->isVisible()) modal->close();
  });
}

// Runs action once the modal window the program is about to open is showing.
void WhenModalOpens(std::function<void(QWidget&)> action) {
  QTimer::singleShot(0, [action] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) {
      ADD_FAILURE() << "no modal window opened";
      return;
    }
    CloseLater(modal);
    action(*modal);
  });
}

QPushButton* ButtonNamed(QWidget& window, const QString& text) {
  for (QPushButton* button : window.findChildren<QPushButton*>()) {
    if (button->text().remove('&') == text) return button;
  }
  return nullptr;
}

class DialogRendererTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TestApplication();
    RegisterExplorerResources();
  }
  WindowPeerFactory peers;
  QtUserInterface ui{peers};
  ScopedUserInterface installed{ui};
};

TEST_F(DialogRendererTest, TheNameDialogIsDrawnFromItsTemplateAndOkFollowsTyping) {
  CQVExplorerObjectNameDialog dialog(0, nullptr);
  bool checked = false;
  WhenModalOpens([&](QWidget& window) {
    auto edits = window.findChildren<QLineEdit*>();
    ASSERT_EQ(edits.size(), 1);
    QPushButton* ok = ButtonNamed(window, "OK");
    ASSERT_NE(ok, nullptr);
    ASSERT_NE(ButtonNamed(window, "Cancel"), nullptr);
    EXPECT_FALSE(ok->isEnabled()) << "OK waits for a name";
    QLabel* label = window.findChild<QLabel*>();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->buddy(), edits[0]) << "\"&Name\" names the edit after it";
    edits[0]->setFocus();
    TypeText(edits[0], "Reactor");
    EXPECT_TRUE(ok->isEnabled()) << "typing a name enables OK";
    edits[0]->clear();
    TypeText(edits[0], "R");
    PressKey(edits[0], Qt::Key_Backspace);
    EXPECT_FALSE(ok->isEnabled()) << "an empty name disables OK again";
    TypeText(edits[0], "Reactor");
    checked = true;
    ok->click();
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_TRUE(checked);
  EXPECT_EQ(dialog.m_strName, "Reactor");
}

// The host's naming rule answers a bad name with a message box run inside the
// dialog's loop; the dialog stays, the name has the keyboard, Escape cancels.
TEST_F(DialogRendererTest, ABadNameIsRefusedWithAMessageBoxAndTheNameHasTheFocusAgain) {
  EventPump pump;  // the desktop's idle work: the Qt focus follows the platform's
  pump.AddIdleTask([this] { peers.SyncFocus(); });
  CQVExplorerObjectNameDialog dialog(0, nullptr);
  bool focused = false, enabledAgain = false;
  QString shown, caption;
  WhenModalOpens([&](QWidget& window) {
    QLineEdit* edit = window.findChild<QLineEdit*>();
    QPushButton* ok = ButtonNamed(window, "OK");
    ASSERT_NE(edit, nullptr);
    ASSERT_NE(ok, nullptr);
    edit->setFocus();
    TypeText(edit, "1st");
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      CloseLater(box);
      shown = box->text();
      caption = box->windowTitle();
      EXPECT_EQ(box->icon(), QMessageBox::Warning);
      box->button(QMessageBox::Ok)->click();
    });
    ok->setFocus();
    ok->click();  // the person clicks OK rather than pressing Enter
    // The person's next key comes after the program has gone idle.
    QTimer::singleShot(100, [&, edit, ok, dialogWindow = &window] {
      // The dialog's own focus: without a window manager the dialog is not made active again.
      focused = dialogWindow->focusWidget() == edit;
      EXPECT_TRUE(dialogWindow->isVisible()) << "the dialog stays after a refused name";
      EXPECT_FALSE(ok->isEnabled());
      TypeText(edit, "x");
      enabledAgain = ok->isEnabled();
      PressKey(edit, Qt::Key_Escape);
    });
  });
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_TRUE(shown.contains("must begin with a letter")) << shown.toStdString();
  EXPECT_EQ(caption, "Invalid Name");
  EXPECT_TRUE(focused) << "the name field has the keyboard again";
  EXPECT_TRUE(enabledAgain) << "typing reaches the name and enables OK";
}

// A page with a check box and a page with an edit, on templates of their own.
constexpr UINT kFirstPage = 39901;
constexpr UINT kSecondPage = 39902;

void RegisterPages() {
  using namespace template_controls;
  RegisterDialogTemplate({kFirstPage, "Style", {180, 80}, {CheckBox(501, "&Hide stream labels", CRect(7, 7, 150, 17))}});
  RegisterDialogTemplate({kSecondPage, "Notes", {180, 80},
                          {Control(ControlKind::Edit, 502, "", CRect(7, 7, 170, 60),
                                   ES_MULTILINE | ES_WANTRETURN | WS_TABSTOP)}});
}

class NotesPage : public CPropertyPage {
 public:
  NotesPage() : CPropertyPage(kSecondPage) {}
  std::string notes;
  bool OnApply() override {
    notes = GetDlgItemText(502);
    return true;
  }
};

TEST_F(DialogRendererTest, ASheetShowsATabPerPageAndItsButtonsWorkThePages) {
  RegisterPages();
  CPropertyPage style(kFirstPage);
  NotesPage notes;
  CPropertySheet sheet("Stream Properties");
  sheet.AddPage(&style);
  sheet.AddPage(&notes);
  WhenModalOpens([&](QWidget& window) {
    EXPECT_EQ(window.windowTitle(), "Stream Properties");
    QTabBar* tabs = window.findChild<QTabBar*>();
    ASSERT_NE(tabs, nullptr);
    ASSERT_EQ(tabs->count(), 2);
    EXPECT_EQ(tabs->tabText(0), "Style");
    EXPECT_EQ(tabs->tabText(1), "Notes");
    QCheckBox* hide = window.findChild<QCheckBox*>();
    ASSERT_NE(hide, nullptr);
    hide->click();
    EXPECT_EQ(style.IsDlgButtonChecked(501), BST_CHECKED) << "the click checked the page's control";
    ClickAt(tabs, tabs->tabRect(1).center());
    EXPECT_EQ(sheet.GetActiveIndex(), 1);
    EXPECT_EQ(tabs->currentIndex(), 1);
    EXPECT_FALSE(hide->isVisible()) << "the first page is hidden with its tab";
    QPlainTextEdit* edit = window.findChild<QPlainTextEdit*>();
    ASSERT_NE(edit, nullptr);
    edit->setFocus();
    TypeText(edit, "ab");
    PressKey(edit, Qt::Key_Return, Qt::NoModifier, "\r");
    TypeText(edit, "c");
    EXPECT_TRUE(window.isVisible()) << "Enter in a multi-line edit that wants it is a line break";
    QPushButton* ok = ButtonNamed(window, "OK");
    ASSERT_NE(ok, nullptr);
    ok->click();
  });
  EXPECT_EQ(sheet.DoModal(), IDOK);
  EXPECT_EQ(notes.notes, "ab\nc");
}

// An owner-drawn combo whose entries are coloured bars.
class ColourCombo : public CComboBox {
 public:
  void DrawItem(DRAWITEMSTRUCT* item) override {
    static const COLORREF colours[] = {RGB(255, 0, 0), RGB(0, 160, 0), RGB(0, 0, 255)};
    if (item->itemID < 0 || item->itemID > 2) return;
    CRect bar = item->rcItem;
    bar.DeflateRect(2, 2);
    item->pDC->FillRect(bar, CBrush(colours[item->itemID]));
  }
};

constexpr UINT kComboDialog = 39903;

class ColourDialog : public CDialog {
 public:
  ColourDialog() : CDialog(kComboDialog) {}
  ColourCombo combo;

 protected:
  bool OnInitDialog() override {
    CDialog::OnInitDialog();
    combo.SubclassOwnerDraw(601, this);
    combo.SetCurSel(2);
    return true;
  }
};

TEST_F(DialogRendererTest, AnOwnerDrawnComboShowsWhatItsDrawerDraws) {
  ControlTemplate combo = template_controls::Control(ControlKind::ComboBox, 601, "", CRect(7, 7, 110, 80),
                                                     CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | WS_TABSTOP);
  combo.items = {"Red", "Green", "Blue"};
  RegisterDialogTemplate({kComboDialog, "Colour", {120, 60}, {combo}});
  ColourDialog dialog;
  WhenModalOpens([&](QWidget& window) {
    QComboBox* box = window.findChild<QComboBox*>();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->count(), 3);
    EXPECT_EQ(box->currentIndex(), 2);
    EXPECT_LT(box->height(), 60) << "the closed field is one line high, not the template's list height";
    QImage field = box->grab().toImage();
    QColor centre = field.pixelColor(field.width() / 3, field.height() / 2);
    EXPECT_GT(centre.blue(), 200) << "the selected entry is drawn as its drawer draws it";
    EXPECT_LT(centre.red(), 60);
    Q_EMIT box->activated(1);
    EXPECT_EQ(dialog.combo.GetCurSel(), 1);
    PressKey(box, Qt::Key_Escape);
  });
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

}  // namespace
