// Property sheets: a modal window with pages (each a dialog on its own
// template) and the buttons OK (1), Cancel (2), Apply (12321) and Help (9).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/Dialog.h"

class CPropertySheet;

class CPropertyPage : public CDialog {
 public:
  explicit CPropertyPage(UINT templateId, UINT captionId = 0);

  // The page's title: the template caption unless a caption id was given.
  std::string Title() const;
  CPropertySheet* Sheet() const { return m_sheet; }
  bool IsCreated() const { return m_hWnd != nullptr; }

  // Marks the page changed: the sheet enables Apply (once the page is shown).
  void SetModified(bool changed = true);
  bool IsModified() const { return m_modified; }
  // Changes cannot be undone from here on: OK reads "Close" and Cancel is disabled.
  void CancelToClose();

  // Called as the page becomes the active one; false refuses, the previous page stays.
  virtual bool OnSetActive() { return true; }
  virtual bool OnKillActive() { return UpdateData(true); }  // false keeps the page active
  // Apply/OK: default calls OnOK and accepts. Return false to keep the sheet open.
  virtual bool OnApply();
  void OnOK() override {}
  void OnCancel() override {}
  virtual void OnReset() { OnCancel(); }

 private:
  friend class CPropertySheet;
  CPropertySheet* m_sheet = nullptr;
  UINT m_captionId = 0;
  bool m_modified = false;
};

// The sheet's buttons are CDialogItems that notify the sheet like a dialog's
// controls; OnCommand handles their BN_CLICKED, so a derived sheet can look at
// (or swallow) a button before the default handling.
class CPropertySheet : public CWnd {
 public:
  explicit CPropertySheet(const std::string& caption, CWnd* parent = nullptr, UINT selectPage = 0);
  explicit CPropertySheet(UINT captionId, CWnd* parent = nullptr, UINT selectPage = 0);
  ~CPropertySheet() override;

  void AddPage(CPropertyPage* page);  // not owned; must outlive DoModal
  void RemovePage(int index);
  int GetPageCount() const { return static_cast<int>(m_pages.size()); }
  CPropertyPage* GetPage(int index) const;
  CPropertyPage* GetActivePage() const;
  int GetActiveIndex() const { return m_active; }
  // Before DoModal: the page shown first. While running: switches pages
  // (the old page's OnKillActive or the new page's OnSetActive may refuse).
  // The sheet opens on the page last active when it runs again.
  bool SetActivePage(int index);
  void SetTitle(const std::string& caption) { m_caption = caption; if (m_hWnd) SetWindowText(caption); }
  const std::string& Caption() const { return m_caption; }

  // Creates the sheet window with its buttons, runs OnInitDialog, activates the
  // selected page and hands the sheet to the provider. Returns IDOK or IDCANCEL;
  // -1 when it has no pages, its first page has no template, or it is already
  // open. The windows of sheet and pages are gone when it returns.
  virtual INT_PTR DoModal();
  // Runs after the buttons exist and before the first page is created.
  virtual bool OnInitDialog() { return true; }
  void EndDialog(int result);
  bool IsEnded() const { return m_ended; }
  bool IsRunning() const { return m_running; }

  // The sheet's own buttons (IDOK, IDCANCEL, ID_APPLY_NOW, IDHELP).
  CDialogItem* Button(int id) const;
  // What a person does: OK, Cancel, Apply or Help, when the button is visible and enabled.
  bool PressButton(int id);
  bool IsButtonUsable(int id) const;
  // Enter presses OK (not from an edit that wants Return), Escape presses Cancel.
  bool PreTranslateMessage(MSG* msg) override;

  // Called by pages.
  void PageModified(CPropertyPage* page, bool changed);
  void CancelToClose();

 protected:
  bool OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void CreateButtons(const CRect& client);
  bool CreatePage(int index);
  bool ActivatePage(int index);
  void FinishWithOK();
  bool ApplyPages();
  void ApplyModifiedPages();
  void ResetPagesAndCancel();
  void UpdateApplyButton();
  void DestroyPages();

  std::string m_caption;
  CWnd* m_parent = nullptr;
  std::vector<CPropertyPage*> m_pages;
  std::vector<std::unique_ptr<CDialogItem>> m_buttons;
  CRect m_pageRect;
  int m_active = 0;
  bool m_ended = false;
  bool m_running = false;
  int m_result = IDCANCEL;
};

// Lines that describe a sheet: caption, the page titles (the active one in
// brackets), the active page's controls, then the buttons a person can press.
std::vector<std::string> DescribeSheet(const CPropertySheet& sheet);
