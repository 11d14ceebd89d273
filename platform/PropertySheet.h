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

  // Marks the page changed: the sheet enables Apply.
  void SetModified(bool changed = true);
  bool IsModified() const { return m_modified; }
  // Changes cannot be undone from here on: OK reads "Close" and Cancel is disabled.
  void CancelToClose();

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

class CPropertySheet : public CWnd {
 public:
  explicit CPropertySheet(const std::string& caption, CWnd* parent = nullptr, UINT selectPage = 0);
  explicit CPropertySheet(UINT captionId, CWnd* parent = nullptr, UINT selectPage = 0);
  ~CPropertySheet() override;

  void AddPage(CPropertyPage* page);  // not owned
  void RemovePage(int index);
  int GetPageCount() const { return static_cast<int>(m_pages.size()); }
  CPropertyPage* GetPage(int index) const;
  CPropertyPage* GetActivePage() const;
  int GetActiveIndex() const { return m_active; }
  // Before DoModal: the page shown first. While running: switches pages
  // (the old page's OnKillActive may refuse).
  bool SetActivePage(int index);
  void SetTitle(const std::string& caption) { m_caption = caption; if (m_hWnd) SetWindowText(caption); }
  const std::string& Caption() const { return m_caption; }

  // Creates the sheet window with its buttons, runs OnInitDialog, activates the
  // selected page and hands the sheet to the provider. Returns IDOK or IDCANCEL.
  virtual INT_PTR DoModal();
  virtual bool OnInitDialog() { return true; }
  void EndDialog(int result);
  bool IsEnded() const { return m_ended; }

  // The sheet's own buttons (IDOK, IDCANCEL, ID_APPLY_NOW, IDHELP).
  CDialogItem* Button(int id) const;
  // What a person does: OK, Cancel, Apply or Help, when the button is visible and enabled.
  void PressButton(int id);
  bool IsButtonUsable(int id) const;

  // Called by pages.
  void PageModified(CPropertyPage* page, bool changed);
  void CancelToClose();

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  bool CreatePage(int index);
  bool ApplyPages();

  std::string m_caption;
  CWnd* m_parent = nullptr;
  std::vector<CPropertyPage*> m_pages;
  std::vector<std::unique_ptr<CDialogItem>> m_buttons;
  int m_active = 0;
  bool m_ended = false;
  int m_result = IDCANCEL;
};

// Lines that describe a sheet: caption, the page titles (the active one marked), then the active page.
std::vector<std::string> DescribeSheet(const CPropertySheet& sheet);
