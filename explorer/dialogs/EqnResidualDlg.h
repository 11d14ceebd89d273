// The window that shows one equation written out with the current values, its
// operators spaced for reading. It stays open beside the Explorer (the
// document keeps it among its modeless windows) until closed, and follows its
// own size.
#pragma once

#include <string>

#include "platform/Dialog.h"

class CRQVDocument;

class CEqnResidualDlg : public CDialog {
 public:
  explicit CEqnResidualDlg(CWnd* parent);

  // Creates the window with caption and text, registered with document; the window deletes itself when closed.
  static CEqnResidualDlg* Open(CWnd* parent, const std::string& caption, const std::string& text,
                               CRQVDocument* document);

  bool OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;
  void OnSize(UINT type, int cx, int cy) override;

  const std::string& Caption() const { return m_strCaption; }
  const std::string& ShownText() const { return m_strShown; }
  bool IsMultiLine() const { return m_bMultiLine; }

 protected:
  void PostNcDestroy() override;

 private:
  void Close();

  std::string m_strCaption;
  std::string m_strText;
  std::string m_strShown;
  bool m_bMultiLine = false;
  CRQVDocument* m_pDocument = nullptr;
};

// Every line feed becomes a carriage return and line feed, every "*", "+", "-", "/" and "=" gains a blank on
// each side; multiLine tells whether a line feed was found.
std::string SpaceResidualText(const std::string& text, bool& multiLine);
