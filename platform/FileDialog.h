// The common file dialog: filter entries, the typed file name (control edt1),
// hooks for initialisation and filter changes. The provider lets the person
// choose; tests and scripts do it with the User* operations.
#pragma once

#include <string>
#include <vector>

#include "platform/Dialog.h"

constexpr DWORD OFN_READONLY = 0x00000001;
constexpr DWORD OFN_OVERWRITEPROMPT = 0x00000002;
constexpr DWORD OFN_HIDEREADONLY = 0x00000004;
constexpr DWORD OFN_PATHMUSTEXIST = 0x00000800;
constexpr DWORD OFN_FILEMUSTEXIST = 0x00001000;
constexpr DWORD OFN_EXPLORER = 0x00080000;
constexpr DWORD OFN_ENABLESIZING = 0x00800000;

struct OPENFILENAME {
  std::string lpstrTitle;
  std::string lpstrInitialDir;
  std::string lpstrDefExt;
  DWORD Flags = 0;
  DWORD nFilterIndex = 1;  // 1-based
};

struct FileFilterEntry {
  std::string description;  // "Kestrane Language (*.ktrf)"
  std::string pattern;      // "*.ktrf"
};

// The entries of a filter text: pairs of description and pattern separated by
// "|"; an empty description (the closing "||") ends the list, and a
// description without a pattern is dropped.
std::vector<FileFilterEntry> ParseFileFilter(const std::string& filter);

class CFileDialog : public CWnd {
 public:
  // filter: "Text (*.txt)|*.txt|All Files (*.*)|*.*||"
  CFileDialog(bool openFileDialog, const std::string& defaultExt = {}, const std::string& fileName = {},
              DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, const std::string& filter = {},
              CWnd* parent = nullptr);
  ~CFileDialog() override;

  OPENFILENAME m_ofn;

  // Runs the dialog through the provider: IDOK or IDCANCEL (-1 when already running).
  virtual INT_PTR DoModal();
  // Empty until a DoModal ends with OK (and while the next one runs).
  std::string GetPathName() const { return m_path; }
  std::string GetFileName() const;  // last component
  std::string GetFileExt() const;   // without the dot
  std::string GetFileTitle() const; // last component without extension

  bool IsOpenDialog() const { return m_open; }
  CWnd* ParentWindow() const { return m_parent; }
  const std::vector<FileFilterEntry>& Filters() const { return m_filters; }
  const std::string& FilterText() const { return m_filterText; }
  const std::string& InitialFileName() const { return m_initialName; }
  // The entry at m_ofn.nFilterIndex, or null when the index is outside the list.
  const FileFilterEntry* CurrentFilter() const;
  // The caption shown: m_ofn.lpstrTitle, else "Open" or "Save As".
  std::string Caption() const;

  // The file-name field while the dialog runs (also as control edt1).
  std::string TypedFileName() const { return m_typed; }
  void SetTypedFileName(const std::string& name) { m_typed = name; }
  std::string GetDlgItemText(int id) const { return id == edt1 ? m_typed : std::string(); }
  void SetDlgItemText(int id, const std::string& text) {
    if (id == edt1) m_typed = text;
  }
  bool IsRunning() const { return m_running; }
  bool IsEnded() const { return m_ended; }

  // What a person does; false when the action does not take (the dialog stays as it was).
  bool UserChooseFilter(int oneBasedIndex);  // sets the index and calls OnTypeChange
  void UserType(const std::string& name) { m_typed = name; }
  // Accepts the typed name: a relative name resolves against the initial
  // directory (else the current one); a directory is opened instead; without
  // an extension the name gets the chosen filter's extension, or the default
  // extension, when the dialog has a default extension. The flags' checks
  // (file or path must exist, replace prompt) and OnFileNameOK may keep the
  // dialog open. Answers true when the dialog ended with OK.
  bool UserPressOK();
  bool UserCancel();

 protected:
  virtual bool OnInitDialog() { return true; }
  virtual void OnTypeChange() {}
  // Last check before the dialog closes with OK (GetPathName holds the
  // chosen path): return true to keep it open.
  virtual bool OnFileNameOK() { return false; }

 private:
  void ParseFilter();
  std::string ExtensionToAdd() const;
  bool PassesFileChecks(const std::string& path);

  bool m_open;
  CWnd* m_parent = nullptr;
  std::string m_initialName;
  std::string m_filterText;
  std::vector<FileFilterEntry> m_filters;
  std::string m_typed;
  std::string m_path;
  bool m_running = false;
  bool m_ended = false;
  int m_result = IDCANCEL;
};
