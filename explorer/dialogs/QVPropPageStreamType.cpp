#include "explorer/dialogs/QVPropPageStreamType.h"

#include "explorer/core/TypeAccess.h"
#include "explorer/core/QVExplorer.h"
#include "explorer/resources/ControlIds.h"
#include "explorer/resources/DialogIds.h"
#include "explorer/resources/StringIds.h"
#include "host/framework/CRQVDocument.h"

namespace {

CComPtr<IQVStreamType> StreamTypeOf(IUnknown* object) {
  CComPtr<IQVStreamType> streamType = ComQuery<IQVStreamType>(object);
  if (!streamType && object) streamType = ComQuery<IQVStreamType>(type_access::TypeOf(object).Get());
  return streamType;
}

}  // namespace

CQVPropPageStreamType::CQVPropPageStreamType(IUnknown* streamType)
    : CPropertyPage(IDD_STREAM_TYPE), m_pStreamType(StreamTypeOf(streamType)) {}

void CQVPropPageStreamType::DoDataExchange(CDataExchange* dx) {
  DDX_Control(dx, IDC_LINE_STYLE, m_LineMenu);
  DDX_Control(dx, IDC_LINE_COLOUR, m_ColorMenu);
}

bool CQVPropPageStreamType::OnInitDialog() {
  bool result = CPropertyPage::OnInitDialog();
  m_bRecordRead = m_pStreamType && SUCCEEDED(m_pStreamType->GetDisplayRecord(&m_record));
  if (!m_bRecordRead) return result;
  // A style or colour outside the lists leaves that combo without a selection.
  m_LineMenu.SetCurSel(static_cast<int>(m_record.lineStyle & 0xFFFF) - 1);
  m_ColorMenu.SetCurSel(static_cast<int>(m_record.colour));
  CheckDlgButton(IDC_HIDE_STREAM_LABELS, m_record.hideLabels ? BST_CHECKED : BST_UNCHECKED);
  return result;
}

bool CQVPropPageStreamType::OnControlCommand(int id, UINT code) {
  bool comboChanged = (id == IDC_LINE_STYLE || id == IDC_LINE_COLOUR) && code == CBN_SELCHANGE;
  bool checkChanged = id == IDC_HIDE_STREAM_LABELS && code == BN_CLICKED;
  if (!comboChanged && !checkChanged) return false;
  SetModified(true);
  return true;
}

bool CQVPropPageStreamType::OnApply() {
  // A record that could not be read is not overwritten with the page's defaults.
  if (m_bRecordRead) {
    QVStreamDisplayRecord record = m_record;
    int line = m_LineMenu.GetCurSel();
    int colour = m_ColorMenu.GetCurSel();
    if (line >= 0) record.lineStyle = static_cast<DWORD>(line + 1) | kStreamLineStyleMark;
    if (colour >= 0) record.colour = static_cast<DWORD>(colour);
    record.hideLabels = IsDlgButtonChecked(IDC_HIDE_STREAM_LABELS) == BST_CHECKED;
    const bool changed = record.lineStyle != m_record.lineStyle || record.colour != m_record.colour ||
                         record.hideLabels != m_record.hideLabels;
    if (SUCCEEDED(m_pStreamType->SetDisplayRecord(record))) {
      m_record = record;
      // How a stream type is drawn is kept in the simulation: it now has changes to save.
      if (CRQVDocument* document = CQVExplorer::GetCurrentDocument(); document && changed) document->SetModifiedFlag(true);
    }
  }
  return CPropertyPage::OnApply();
}
