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
constexpr DWORD BS_DEFPUSHBUTTON = 0x0001;
constexpr DWORD BS_AUTOCHECKBOX = 0x0003;
constexpr DWORD BS_AUTORADIOBUTTON = 0x0009;
constexpr DWORD CBS_DROPDOWNLIST = 0x0003;
constexpr DWORD CBS_OWNERDRAWFIXED = 0x0010;
constexpr DWORD CBS_HASSTRINGS = 0x0200;
constexpr DWORD LBS_NOTIFY = 0x0001;
constexpr DWORD LBS_SORT = 0x0002;
constexpr DWORD LBS_OWNERDRAWFIXED = 0x0010;
constexpr DWORD LBS_HASSTRINGS = 0x0040;

// Control notification codes (HIWORD of WM_COMMAND's wParam).
constexpr UINT BN_CLICKED = 0;
constexpr UINT EN_CHANGE = 0x0300;
constexpr UINT EN_KILLFOCUS = 0x0200;
constexpr UINT CBN_SELCHANGE = 1;
constexpr UINT LBN_SELCHANGE = 1;
constexpr UINT CLBN_CHKCHANGE = 40;

// Check states.
constexpr int BST_UNCHECKED = 0;
constexpr int BST_CHECKED = 1;

constexpr int CB_ERR = -1;
constexpr int LB_ERR = -1;

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

// One control of a running dialog.
class CDialogItem : public CWnd {
 public:
  CDialogItem(const ControlTemplate& t);

  ControlKind Kind() const { return m_kind; }
  const CRect& TemplateRect() const { return m_templateRect; }

  // Programmatic state (no notification except where Win32 sends one: setting an edit's text sends EN_CHANGE).
  int GetCheck() const { return m_check; }
  void SetCheck(int state);
  int GetCurSel() const { return m_curSel; }
  int SetCurSel(int index);  // CB_ERR for an index out of range (selection cleared when -1)
  int AddString(const std::string& text);  // sorted list boxes insert in order
  int InsertString(int index, const std::string& text);
  int DeleteString(int index);
  void ResetContent();
  int GetCount() const { return static_cast<int>(m_strings.size()); }
  std::string GetItemText(int index) const;
  std::uintptr_t GetItemData(int index) const;
  int SetItemData(int index, std::uintptr_t data);
  int GetItemCheck(int index) const;
  void SetItemCheck(int index, int check);
  int FindStringExact(const std::string& text) const;
  void SetLimitText(int limit) { m_limit = limit; }
  int GetLimitText() const { return m_limit; }
  bool IsReadOnly() const { return GetStyle() & ES_READONLY; }
  int LineLength() const;  // the first line's length for edit controls

  // What a person does (these notify the dialog as Win32 controls do).
  void UserType(const std::string& text);  // replaces the edit text, EN_CHANGE
  void UserClick();                        // buttons: auto check boxes toggle, auto radios select; BN_CLICKED
  void UserSelect(int index);              // combo and list boxes: selection, CBN_SELCHANGE/LBN_SELCHANGE
  void UserToggleItemCheck(int index);     // check list boxes: CLBN_CHKCHANGE

  // Owner-drawn combos: the attached wrapper draws each item.
  void SetOwnerDraw(CComboBox* drawer) { m_drawer = drawer; }
  CComboBox* OwnerDraw() const { return m_drawer; }
  // Draws item index into a display list (for peers and tests); empty without a drawer.
  CDC DrawItem(int index, bool selected, const CRect& rect);

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void NotifyParent(UINT code);
  void UncheckGroupSiblings();

  ControlKind m_kind;
  CRect m_templateRect;
  int m_check = BST_UNCHECKED;
  int m_curSel = -1;
  int m_limit = 0;  // 0: no limit
  std::vector<std::string> m_strings;
  std::vector<std::uintptr_t> m_data;
  std::vector<int> m_checks;
  CComboBox* m_drawer = nullptr;
};

// Data exchange between controls and members (UpdateData).
class CDataExchange {
 public:
  CDataExchange(class CDialog* dialog, bool saveAndValidate) : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}
  class CDialog* m_pDlgWnd;
  bool m_bSaveAndValidate;
  bool m_failed = false;
  // Marks the exchange failed (validation refused a value).
  void Fail() { m_failed = true; }
};

void DDX_Text(CDataExchange* dx, int id, std::string& value);
void DDX_Text(CDataExchange* dx, int id, int& value);
void DDX_Check(CDataExchange* dx, int id, int& value);
// value is the position of the checked radio button in the group that starts at firstId, -1 for none.
void DDX_Radio(CDataExchange* dx, int firstId, int& value);
void DDX_CBIndex(CDataExchange* dx, int id, int& value);
void DDX_LBIndex(CDataExchange* dx, int id, int& value);
// Binds a wrapper object to control id.
void DDX_Control(CDataExchange* dx, int id, CWnd& control);

class CDialog : public CWnd {
 public:
  explicit CDialog(UINT templateId, CWnd* parent = nullptr);
  ~CDialog() override;

  // Creates the dialog window and its controls from the template, runs
  // OnInitDialog, hands the dialog to the provider, and returns the code given
  // to EndDialog (IDCANCEL when the provider returned without ending it; -1
  // when the template does not exist).
  virtual INT_PTR DoModal();
  // Creates the dialog as a child window (property pages) without running it.
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
  void CheckRadioButton(int firstId, int lastId, int checkId);
  CWnd* GotoDlgCtrl(CWnd* control);
  CDialogItem* FocusedItem() const;

  // What a person does.
  void PressButton(int id);  // enabled, visible buttons only; returns silently otherwise
  bool IsButtonUsable(int id) const;

  virtual bool OnInitDialog();  // default: UpdateData(false); true
  virtual void OnOK();          // default: UpdateData(true), then EndDialog(IDOK)
  virtual void OnCancel();      // default: EndDialog(IDCANCEL)

 protected:
  virtual void DoDataExchange(CDataExchange* /*dx*/) {}
  // Control notifications and button commands: (control id, notification code). Return true when handled.
  virtual bool OnControlCommand(int /*id*/, UINT /*code*/) { return false; }
  bool OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  CWnd* m_pParentWnd = nullptr;
  UINT m_templateId = 0;
  const DialogTemplate* m_template = nullptr;

 private:
  std::vector<std::unique_ptr<CDialogItem>> m_items;
  bool m_ended = false;
  int m_result = IDCANCEL;
  HWND m_focus = nullptr;

  friend class CPropertySheet;
};

// Lines that describe a dialog as the user sees it: the caption, then each
// visible control's label and value ("Name: Reactor", "[x] Hide stream labels").
std::vector<std::string> DescribeDialog(const CDialog& dialog);

// Typed wrappers over a dialog's controls. Attach with DDX_Control or
// SubclassDlgItem; the wrapper does not own the control.
class CControlWrapper : public CWnd {
 public:
  bool SubclassDlgItem(int id, CDialog* dialog);
  CDialogItem* Item() const;
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
  int LineLength(int line = -1) const;
  void SetSel(int start, int end) { m_selStart = start; m_selEnd = end; }
  void ReplaceSel(const std::string& text);
 private:
  int m_selStart = 0;
  int m_selEnd = 0;
};
class CRichEditCtrl : public CEdit {
 public:
  void SetEventMask(DWORD mask) { m_eventMask = mask; }
  DWORD GetEventMask() const { return m_eventMask; }
  void LimitText(int limit) { SetLimitText(limit); }
 private:
  DWORD m_eventMask = 0;
};
constexpr DWORD ENM_CHANGE = 0x00000001;

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
  // Owner-drawn combos override these; attaching registers the wrapper as the item's drawer.
  virtual void DrawItem(DRAWITEMSTRUCT* /*item*/) {}
  virtual void MeasureItem(MEASUREITEMSTRUCT* /*item*/) {}
  bool SubclassOwnerDraw(int id, CDialog* dialog);
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
  void SetScrollRange(int minPos, int maxPos) { m_min = minPos; m_max = maxPos; }
  int SetScrollPos(int pos) { int old = m_pos; m_pos = pos; return old; }
  int GetScrollPos() const { return m_pos; }
 private:
  int m_min = 0, m_max = 100, m_pos = 0;
};
