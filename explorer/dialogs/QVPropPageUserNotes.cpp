#include "explorer/dialogs/QVPropPageUserNotes.h"

#include <vector>

#include "explorer/core/QVExplorer.h"
#include "explorer/resources/ControlIds.h"
#include "explorer/resources/DialogIds.h"
#include "explorer/resources/StringIds.h"
#include "explorer/dialogs/QVNotesPropertySheet.h"
#include "host/framework/CRQVDocument.h"
#include "host/store/Status.h"
#include "platform/TextCompare.h"
#include "platform/TextTrim.h"
#include "platform/UserInterface.h"
#include "platform/Utf8.h"

namespace {

constexpr std::size_t kShortestCheckedText = 7;
constexpr std::string_view kEndText = "ENDTEXT";

bool BeginsWithEndText(const std::string& line) {
  return line.size() >= kEndText.size() && CompareNoCase(line.substr(0, kEndText.size()), std::string(kEndText)) == 0;
}

std::vector<std::string> OffendingLines(const std::string& text) {
  std::vector<std::string> offending;
  std::string rest = TrimText(text);
  std::size_t start = 0;
  while (start <= rest.size()) {
    std::size_t end = rest.find('\n', start);
    if (end == std::string::npos) end = rest.size();
    std::string line = TrimText(rest.substr(start, end - start));
    if (BeginsWithEndText(line)) offending.push_back(line);
    start = end + 1;
  }
  return offending;
}

std::string EndTextMessage(const std::vector<std::string>& lines) {
  std::string message = kEndTextErrorMessage;
  message += "\nPlease edit line";
  if (lines.size() >= 2) message += "s";
  message += ":";
  for (const std::string& line : lines) message += "\n    " + line;
  return message;
}

}  // namespace

CQVPropPageUserNotes::CQVPropPageUserNotes() : CPropertyPage(IDD_USER_NOTES) {}

CQVPropPageUserNotes::CQVPropPageUserNotes(IQVNotes* notes) : CPropertyPage(IDD_USER_NOTES), m_pNotes(notes) {
  if (m_pNotes && FAILED(m_pNotes->GetValue(m_strNotes))) m_strNotes.clear();
}

CQVPropPageUserNotes::CQVPropPageUserNotes(IQVPhysicalProperties* object, const std::string& key)
    : CPropertyPage(IDD_USER_NOTES), m_pObject(object), m_strKey(key), m_nLimit(kKeyedNotesLimit) {
  if (m_pObject && FAILED(m_pObject->GetNotes(m_strKey, m_strNotes))) m_strNotes.clear();
  m_strNotes = Utf8::Prefix(m_strNotes, kKeyedNotesLimit);
}

bool CQVPropPageUserNotes::CheckEndText(const std::string& text, bool showMessage) {
  if (Utf8::Length(text) < kShortestCheckedText) return true;
  std::vector<std::string> offending = OffendingLines(text);
  if (offending.empty()) return true;
  if (showMessage) AfxMessageBox(EndTextMessage(offending), MB_OK | MB_ICONEXCLAMATION, kEndTextErrorCaption);
  return false;
}

void CQVPropPageUserNotes::DoDataExchange(CDataExchange* dx) { DDX_Text(dx, IDC_USER_NOTES, m_strNotes); }

bool CQVPropPageUserNotes::OnInitDialog() {
  bool result = CPropertyPage::OnInitDialog();
  if (CDialogItem* notes = Item(IDC_USER_NOTES)) {
    notes->SetLimitText(m_nLimit);
    notes->SetEventMask(notes->GetEventMask() | ENM_CHANGE);
    // Typing into notes that are kept nowhere would lose the text.
    if (!HasStore()) notes->ModifyStyle(0, ES_READONLY);
  }
  return result;
}

bool CQVPropPageUserNotes::OnControlCommand(int id, UINT code) {
  if (id != IDC_USER_NOTES || code != EN_CHANGE) return false;
  MarkNotesModified();
  return true;
}

void CQVPropPageUserNotes::MarkNotesModified() {
  m_bNotesModified = true;
  SetModified(true);
}

HRESULT CQVPropPageUserNotes::StoreNotes() {
  if (m_pNotes) return m_pNotes->SetValue(m_strNotes);
  if (m_pObject) return m_pObject->SetNotes(m_strKey, m_strNotes);
  return S_OK;
}

void CQVPropPageUserNotes::RequestReopen() {
  if (auto* sheet = dynamic_cast<CQVNotesPropertySheet*>(Sheet())) sheet->SetReopen();
}

// Notes that were not stored stay marked, so that the reopened page stores
// them on its OK even when they are not typed again.
void CQVPropPageUserNotes::OnOK() {
  if (!CheckEndText(GetDlgItemText(IDC_USER_NOTES), true)) MarkNotesModified();
  if (m_bNotesModified && HasStore()) {
    UpdateData(true);
    if (!CheckEndText(m_strNotes, false)) {
      RequestReopen();
    } else if (HRESULT hr = StoreNotes(); FAILED(hr)) {
      CQVExplorer::DisplayMessage(GetStatusText(hr), 0, MB_OK | MB_ICONEXCLAMATION, nullptr);
      RequestReopen();
    } else {
      m_bNotesModified = false;
      SetModified(false);
      if (CRQVDocument* document = CQVExplorer::GetCurrentDocument()) document->SetModifiedFlag(true);
    }
  }
  CPropertyPage::OnOK();
}
