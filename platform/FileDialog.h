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

class CFileDialog : public CWnd {
 public:
  // filter: "Text (*.txt)|*.txt|All Files (*.*)|*.*||"
  CFileDialog(bool openFileDialog, const std::string& defaultExt = {}, const std::string& fileName = {},
              DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, const std::string& filter = {},
              CWnd* parent = nullptr);
  ~CFileDialog() override;

  OPENFILENAME m_ofn;

  // Runs the dialog through the provider: IDOK or IDCANCEL.
  virtual INT_PTR DoModal();
  std::string GetPathName() const { return m_path; }
  std::string GetFileName() const;  // last component
  std::string GetFileExt() const;   // without the dot
  std::string GetFileTitle() const; // last component without extension

  bool IsOpenDialog() const { return m_open; }
  const std::vector<FileFilterEntry>& Filters() const { return m_filters; }
  const std::string& FilterText() const { return m_filterText; }
  const std::string& InitialFileName() const { return m_initialName; }

  // The file-name field while the dialog runs.
  std::string TypedFileName() const { return m_typed; }
  void SetTypedFileName(const std::string& name) { m_typed = name; }
  bool IsRunning() const { return m_running; }
  bool IsEnded() const { return m_ended; }

  // What a person does.
  void UserChooseFilter(int oneBasedIndex);  // calls OnTypeChange
  void UserType(const std::string& name) { m_typed = name; }
  void UserPressOK();     // accepts the typed name (relative names resolve against the initial directory)
  void UserCancel();

 protected:
  virtual bool OnInitDialog() { return true; }
  virtual void OnTypeChange() {}
  // Last check before the dialog closes with OK: return true to keep it open.
  virtual bool OnFileNameOK() { return false; }

 private:
  void ParseFilter();
  bool m_open;
  std::string m_initialName;
  std::string m_filterText;
  std::vector<FileFilterEntry> m_filters;
  std::string m_typed;
  std::string m_path;
  bool m_running = false;
  bool m_ended = false;
  int m_result = IDCANCEL;
};
