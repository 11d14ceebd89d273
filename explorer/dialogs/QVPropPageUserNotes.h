// The User Notes page ("Add Notes"): free text kept with a block, stream,
// flowsheet or component list. A line may not begin with "EndText" (in any
// case), which would end the notes where the simulation is written; such
// notes are refused with a message naming the lines, nothing is stored, and
// the sheet opens again on this page.
#pragma once

#include <string>

#include "host/com/ComPtr.h"
#include "host/model/IQVNotes.h"
#include "host/services/IQVPhysicalProperties.h"
#include "platform/PropertySheet.h"

inline constexpr const char* kEndTextErrorCaption = "Error";
inline constexpr const char* kEndTextErrorMessage =
    "String/substring \"EndText\" (no case) at the begining of a line is an error!";

class CQVPropPageUserNotes : public CPropertyPage {
 public:
  // Notes kept nowhere: shown read-only.
  CQVPropPageUserNotes();
  // The notes object's "Value" (up to 2048 characters).
  explicit CQVPropPageUserNotes(IQVNotes* notes);
  // The notes the object keeps under key (up to 1024 characters).
  CQVPropPageUserNotes(IQVPhysicalProperties* object, const std::string& key);

  static constexpr int kNotesLimit = 2048;
  static constexpr int kKeyedNotesLimit = 1024;

  // False when a line of text begins with "EndText" (any case); with
  // showMessage the person is told which lines.
  static bool CheckEndText(const std::string& text, bool showMessage);

  const std::string& NotesText() const { return m_strNotes; }

  bool OnInitDialog() override;
  void OnOK() override;

 protected:
  void DoDataExchange(CDataExchange* dx) override;
  bool OnControlCommand(int id, UINT code) override;

 private:
  bool HasStore() const { return m_pNotes || m_pObject; }
  // Writes the notes where they are kept; the host's status.
  HRESULT StoreNotes();
  // Asks the owning sheet to open again on this page.
  void RequestReopen();
  void MarkNotesModified();

  std::string m_strNotes;
  CComPtr<IQVNotes> m_pNotes;
  CComPtr<IQVPhysicalProperties> m_pObject;
  std::string m_strKey;
  int m_nLimit = kNotesLimit;
  bool m_bNotesModified = false;  // changed since last stored
};
