// Dialogs built from templates. A template lists controls with id, kind, text,
// style and rectangle in dialog units. A running dialog holds one CDialogItem
// window per control; dialog classes read and write them through data
// exchange or the typed control wrappers, and react to control notifications.
// Dialogs are tested headless by setting control values and pressing buttons,
// exactly as the user-interface provider does.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Draw.h"
#include "platform/Scroll.h"
#include "platform/Window.h"

enum class ControlKind {
  Static,
  Edit,
  PushButton,
  DefPushButton,
  CheckBox,
  RadioButton,
  GroupBox,
  ComboBox,      // drop-down list
  ListBox,
  CheckListBox,  // list box with a check mark per item
  ScrollBar,
  RichEdit,
  Icon,
};

const char* ControlKindName(ControlKind kind);

// Control styles that matter to behaviour.
constexpr DWORD ES_MULTILINE = 0x0004;
constexpr DWORD ES_AUTOHSCROLL = 0x0080;
constexpr DWORD ES_READONLY = 0x0800;
constexpr DWORD ES_WANTRETURN = 0x1000;
// Button types (the low four bits). Check boxes and radio buttons are
// automatic unless their style names the manual type.
constexpr DWORD BS_TYPEMASK = 0x000F;
constexpr DWORD BS_DEFPUSHBUTTON = 0x0001;
constexpr DWORD BS_CHECKBOX = 0x0002;
constexpr DWORD BS_AUTOCHECKBOX = 0x0003;
constexpr DWORD BS_RADIOBUTTON = 0x0004;
constexpr DWORD BS_AUTORADIOBUTTON = 0x0009;
constexpr DWORD CBS_DROPDOWNLIST = 0x0003;
constexpr DWORD CBS_OWNERDRAWFIXED = 0x0010;
constexpr DWORD CBS_OWNERDRAWVARIABLE = 0x0020;
constexpr DWORD CBS_SORT = 0x0100;
constexpr DWORD CBS_HASSTRINGS = 0x0200;
constexpr DWORD LBS_NOTIFY = 0x0001;  // without it a list box does not report selection changes
constexpr DWORD LBS_SORT = 0x0002;
constexpr DWORD LBS_OWNERDRAWFIXED = 0x0010;
constexpr DWORD LBS_HASSTRINGS = 0x0040;
constexpr DWORD SBS_HORZ = 0x0000;
constexpr DWORD SBS_VERT = 0x0001;

// Control notification codes (HIWORD of WM_COMMAND's wParam).
constexpr UINT BN_CLICKED = 0;
constexpr UINT EN_SETFOCUS = 0x0100;
constexpr UINT EN_KILLFOCUS = 0x0200;
constexpr UINT EN_CHANGE = 0x0300;
constexpr UINT CBN_SELCHANGE = 1;
constexpr UINT LBN_SELCHANGE = 1;
constexpr UINT CLBN_CHKCHANGE = 40;

// Check states.
constexpr int BST_UNCHECKED = 0;
constexpr int BST_CHECKED = 1;

constexpr int CB_ERR = -1;
constexpr int LB_ERR = -1;

// Rich edit event mask bit for EN_CHANGE (plain edits always report changes).
constexpr DWORD ENM_CHANGE = 0x00000001;

// File-name field of a file dialog.
constexpr int edt1 = 0x0480;  // 1152

struct ControlTemplate {
  ControlKind kind = ControlKind::Static;
  int id = -1;             // -1 for static labels and group boxes
  std::string text;
  CRect rect;              // dialog units: left, top, right, bottom
  DWORD style = WS_CHILD | WS_VISIBLE;
  std::vector<std::string> items;  // initial list or combo items (the template's initial data)

  bool StartsGroup() const { return style & WS_GROUP; }
  bool InitiallyDisabled() const { return style & WS_DISABLED; }
  bool InitiallyVisible() const { return style & WS_VISIBLE; }
};

struct DialogTemplate {
  UINT id = 0;
  std::string caption;
  CSize size;  // dialog units
  std::vector<ControlTemplate> controls;
};

// Resource side: templates are registered by the module that owns them.
void RegisterDialogTemplate(DialogTemplate dialogTemplate);
const DialogTemplate* FindDialogTemplate(UINT id);

class CComboBox;

// One control of a running dialog. It keeps the control's state and, for
// what a person does, notifies its parent as the Win32 control would
// (WM_COMMAND with MAKEWPARAM(id, code) and the control's handle).
class CDialogItem : public CWnd {
 public:
  explicit CDialogItem(const ControlTemplate& t);

  ControlKind Kind() const { return m_kind; }
  const CRect& TemplateRect() const { return m_templateRect; }
  bool IsButton() const;         // push, default, check and radio buttons
  bool IsAutomatic() const;      // check boxes and radio buttons that change themselves when clicked
  bool IsDefaultButton() const;  // DefPushButton kind or BS_DEFPUSHBUTTON
  bool HasItems() const;         // combo, list and check-list boxes
  bool IsEditKind() const { return m_kind == ControlKind::Edit || m_kind == ControlKind::RichEdit; }
  // An edit that takes Enter as a line break rather than as the default button.
  bool WantsReturn() const { return IsEditKind() && (GetStyle() & ES_WANTRETURN); }
  // Enabled and visible (with every parent): a person can act on it.
  bool IsUsable() const;
  // The controls of this control's group (from a WS_GROUP control up to the
  // next one), in template order.
  std::vector<CDialogItem*> GroupMembers() const;

  // Programmatic state (no notification except where Win32 sends one:
  // setting a single-line edit's text sends EN_CHANGE).
  int GetCheck() const { return m_check; }
  void SetCheck(int state);
  int GetCurSel() const { return m_curSel; }
  int SetCurSel(int index);  // CB_ERR for an index out of range (selection cleared when -1)
  int AddString(const std::string& text);  // sorted boxes (LBS_SORT, CBS_SORT) insert in order
  int InsertString(int index, const std::string& text);  // -1 appends; LB_ERR past the end
  int DeleteString(int index);  // the count left, or LB_ERR
  void ResetContent();
  int GetCount() const { return static_cast<int>(m_entries.size()); }
  std::string GetItemText(int index) const;  // empty for an index out of range
  std::uintptr_t GetItemData(int index) const;  // 0 for an index out of range
  int SetItemData(int index, std::uintptr_t data);
  int GetItemCheck(int index) const;
  void SetItemCheck(int index, int check);
  int FindStringExact(const std::string& text) const;  // ignoring case; LB_ERR when absent
  // Text limit in characters for what a person types (0: none). Text set by
  // the program is not cut, as with Win32 edits.
  void SetLimitText(int limit) { m_limit = limit < 0 ? 0 : limit; }
  int GetLimitText() const { return m_limit; }
  bool IsReadOnly() const { return GetStyle() & ES_READONLY; }
  // Length in characters of the line holding character charIndex (-1: the line holding the caret).
  int LineLength(int charIndex = -1) const;
  // Selection of an edit in characters; the caret is at its end.
  void SetSel(int start, int end);
  int SelStart() const { return m_selStart; }
  int SelEnd() const { return m_selEnd; }
  // Replaces the selection (limited like typing) and sends EN_CHANGE.
  void ReplaceSel(const std::string& text);
  // Rich edits report EN_CHANGE only when their event mask asks for it.
  void SetEventMask(DWORD mask) { m_eventMask = mask; }
  DWORD GetEventMask() const { return m_eventMask; }
  // Scroll bars: the program sets range and position; a person's scrolling only asks the parent.
  void SetScrollRange(int minPos, int maxPos);
  int ScrollMin() const { return m_scrollMin; }
  int ScrollMax() const { return m_scrollMax; }
  int SetScrollPos(int pos);  // clamped to the range; returns the previous position
  int GetScrollPos() const { return m_scrollPos; }

  // What a person does. Each answers false and does nothing when the control
  // is disabled, hidden, or of a kind the action does not fit; otherwise the
  // control takes the focus, changes, and notifies the parent last.
  bool UserType(const std::string& text);  // edits: replaces the text (cut to the limit), EN_CHANGE
  bool UserClick();                        // buttons: auto check boxes toggle, auto radios select; BN_CLICKED
  bool UserSelect(int index);              // combo and list boxes: selection, CBN_SELCHANGE/LBN_SELCHANGE
  bool UserToggleItemCheck(int index);     // check list boxes: CLBN_CHKCHANGE
  bool UserScroll(UINT request, int thumbPos = 0);  // scroll bars (SB_ requests): WM_VSCROLL/WM_HSCROLL to the parent

  // Owner-drawn combos: the attached wrapper draws each item.
  void SetOwnerDraw(CComboBox* drawer) { m_drawer = drawer; }
  CComboBox* OwnerDraw() const { return m_drawer; }

  // The font the control shows its text in (a copy is kept); an uncreated font is the dialog's own.
  void SetFont(const CFont& font);
  const CFont& GetFont() const { return m_font; }
  // The tip shown while the pointer rests on the control (empty: none); set by a CToolTipCtrl.
  void SetToolTipText(const std::string& text);
  const std::string& ToolTipText() const { return m_toolTip; }
  // Draws item index (-1: the empty field) into a display list (for peers and
  // tests); empty without a drawer or for an index out of range.
  CDC DrawItem(int index, bool selected, const CRect& rect);
  // The drawer's item height (14 without a drawer).
  int ItemHeight(int index);

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  struct Entry {
    std::string text;
    std::uintptr_t data = 0;
    int check = BST_UNCHECKED;
  };
  bool IsSorted() const;
  int InsertEntry(int index, const std::string& text);
  void ShowSelectionText();  // combos show the selected item's text
  void SetTextAndNotify(const std::string& text, int caret, bool notify);
  bool ReportsChanges() const;
  bool TakeFocusForUser();
  void NotifyParent(UINT code);
  void UncheckGroupSiblings();

  ControlKind m_kind;
  CRect m_templateRect;
  int m_check = BST_UNCHECKED;
  int m_curSel = -1;
  int m_limit = 0;  // 0: no limit
  int m_selStart = 0;
  int m_selEnd = 0;
  DWORD m_eventMask = 0;
  int m_scrollMin = 0;
  int m_scrollMax = 100;
  int m_scrollPos = 0;
  std::vector<Entry> m_entries;
  CComboBox* m_drawer = nullptr;
  CFont m_font;
  std::string m_toolTip;
};

// Data exchange between controls and members (UpdateData).
class CDataExchange {
 public:
  CDataExchange(class CDialog* dialog, bool saveAndValidate) : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}
  class CDialog* m_pDlgWnd;
  bool m_bSaveAndValidate;
  bool m_failed = false;
  // Marks the exchange failed (validation refused a value); later exchanges are skipped.
  void Fail() { m_failed = true; }
};

// Each exchange leaves its member unchanged when the dialog has no control id.
// A number that does not parse is refused with a message, the control gets the
// focus, and the exchange fails.
void DDX_Text(CDataExchange* dx, int id, std::string& value);
void DDX_Text(CDataExchange* dx, int id, int& value);
void DDX_Check(CDataExchange* dx, int id, int& value);
// value is the position of the checked radio button in the group that starts at firstId, -1 for none.
void DDX_Radio(CDataExchange* dx, int firstId, int& value);
void DDX_CBIndex(CDataExchange* dx, int id, int& value);
void DDX_LBIndex(CDataExchange* dx, int id, int& value);
// Binds a wrapper object to control id (again after the dialog was recreated).
void DDX_Control(CDataExchange* dx, int id, CWnd& control);

// Shown when an integer field does not hold a number.
constexpr const char* kEnterIntegerMessage = "Please enter an integer.";

class CDialog : public CWnd {
 public:
  explicit CDialog(UINT templateId, CWnd* parent = nullptr);
  ~CDialog() override;

  // Creates the dialog window and its controls from the template, runs
  // OnInitDialog, hands the dialog to the provider, and returns the code given
  // to EndDialog (IDCANCEL when the provider returned without ending it; -1
  // when the template does not exist or the dialog is already open). The
  // window is gone when it returns; the object can run again.
  virtual INT_PTR DoModal();
  // Creates the window and its controls and runs OnInitDialog without handing
  // the dialog to the provider: a visible child of parent (form views,
  // property pages) or a visible modeless dialog owned by parent.
  bool CreateFromTemplate(CWnd* parent, bool child);

  void EndDialog(int result);
  bool IsEnded() const { return m_ended; }
  int Result() const { return m_result; }
  UINT TemplateId() const { return m_templateId; }
  const DialogTemplate* Template() const { return m_template; }
  CWnd* ParentWindow() const { return m_pParentWnd; }

  bool UpdateData(bool saveAndValidate = true);
  CDialogItem* Item(int id) const;
  std::vector<CDialogItem*> Items() const;  // in template order
  void SetDlgItemText(int id, const std::string& text);
  std::string GetDlgItemText(int id) const;
  void CheckDlgButton(int id, int check);
  int IsDlgButtonChecked(int id) const;
  // Checks checkId and unchecks the other radio buttons whose ids lie in [firstId, lastId].
  void CheckRadioButton(int firstId, int lastId, int checkId);
  // Gives control the focus; returns the control that had it.
  CWnd* GotoDlgCtrl(CWnd* control);
  CDialogItem* FocusedItem() const;  // null when the focus is elsewhere
  CDialogItem* DefaultButton() const;

  // What a person does: presses an enabled, visible button (false otherwise).
  bool PressButton(int id);
  bool IsButtonUsable(int id) const;
  // Enter presses the default button (not from an edit that wants Return),
  // Escape cancels, as in a Win32 dialog.
  bool PreTranslateMessage(MSG* msg) override;

  virtual bool OnInitDialog();  // default: UpdateData(false); true (the first control gets the focus)
  // The dialog as a person reads it, for the command line and tests: the
  // caption, then its controls (DescribeDialog unless the dialog knows better).
  virtual std::vector<std::string> Describe() const;
  virtual void OnOK();          // default: UpdateData(true), then EndDialog(IDOK)
  virtual void OnCancel();      // default: EndDialog(IDCANCEL)

 protected:
  virtual void DoDataExchange(CDataExchange* /*dx*/) {}
  // Control notifications and button commands: (control id, notification code). Return true when handled.
  virtual bool OnControlCommand(int /*id*/, UINT /*code*/) { return false; }
  // A scroll bar control asks to scroll (SB_ request, thumb position).
  virtual void OnVScroll(UINT /*request*/, int /*thumbPos*/, CDialogItem* /*bar*/) {}
  virtual void OnHScroll(UINT /*request*/, int /*thumbPos*/, CDialogItem* /*bar*/) {}
  bool OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  CWnd* m_pParentWnd = nullptr;
  UINT m_templateId = 0;
  const DialogTemplate* m_template = nullptr;

 private:
  CDialogItem* FirstFocusable() const;

  std::vector<std::unique_ptr<CDialogItem>> m_items;
  bool m_ended = false;
  int m_result = IDCANCEL;
  bool m_running = false;

  friend class CPropertySheet;
};

// Lines that describe a dialog as the user sees it: the caption, then each
// visible control indented by two blanks ("  Name: Reactor",
// "  [x] Hide stream labels", "  <OK> (disabled)").
std::vector<std::string> DescribeDialog(const CDialog& dialog);

// Typed wrappers over a dialog's controls. Attach with DDX_Control or
// SubclassDlgItem; the wrapper does not own the control, and either may go
// away first: a wrapper whose control is gone answers like an empty control.
class CControlWrapper : public CWnd {
 public:
  bool SubclassDlgItem(int id, CDialog* dialog);
  CDialogItem* Item() const;

 protected:
  // Called after the wrapper is bound to item, and before it lets go of it.
  virtual void OnBind(CDialogItem& /*item*/) {}
  virtual void OnUnbind(CDialogItem& /*item*/) {}
};

class CStatic : public CControlWrapper {};
class CButton : public CControlWrapper {
 public:
  int GetCheck() const;
  void SetCheck(int check);
};
class CEdit : public CControlWrapper {
 public:
  void SetLimitText(int limit);
  void LimitText(int limit) { SetLimitText(limit); }
  int LineLength(int charIndex = -1) const;
  void SetSel(int start, int end);
  void ReplaceSel(const std::string& text);
};
class CRichEditCtrl : public CEdit {
 public:
  void SetEventMask(DWORD mask);
  DWORD GetEventMask() const;
};

struct DRAWITEMSTRUCT {
  int itemID = -1;
  bool selected = false;
  bool focused = false;
  CRect rcItem;
  CDC* pDC = nullptr;
  std::uintptr_t itemData = 0;
};
struct MEASUREITEMSTRUCT {
  int itemID = -1;
  int itemHeight = 14;
};

class CComboBox : public CControlWrapper {
 public:
  ~CComboBox() override;
  int GetCurSel() const;
  int SetCurSel(int index);
  int GetCount() const;
  int AddString(const std::string& text);
  int DeleteString(int index);
  void ResetContent();
  std::string GetLBText(int index) const;
  std::uintptr_t GetItemData(int index) const;
  int SetItemData(int index, std::uintptr_t data);
  // Owner-drawn combos override these; attaching to a control with an
  // owner-draw style registers the wrapper as the control's drawer.
  virtual void DrawItem(DRAWITEMSTRUCT* /*item*/) {}
  virtual void MeasureItem(MEASUREITEMSTRUCT* /*item*/) {}
  // Attaches and registers as the drawer whatever the control's style.
  bool SubclassOwnerDraw(int id, CDialog* dialog);

 protected:
  void OnBind(CDialogItem& item) override;
  void OnUnbind(CDialogItem& item) override;
};

class CListBox : public CControlWrapper {
 public:
  int GetCount() const;
  int AddString(const std::string& text);
  int GetCurSel() const;
  int SetCurSel(int index);
  std::string GetText(int index) const;
  std::uintptr_t GetItemData(int index) const;
  int SetItemData(int index, std::uintptr_t data);
  void ResetContent();
};

class CCheckListBox : public CListBox {
 public:
  int GetCheck(int index) const;
  void SetCheck(int index, int check);
};

class CScrollBar : public CControlWrapper {
 public:
  void SetScrollRange(int minPos, int maxPos);
  void GetScrollRange(int* minPos, int* maxPos) const;
  int SetScrollPos(int pos);
  int GetScrollPos() const;
};
