#include "explorer/window/PaneLabelView.h"

CPaneLabelView::CPaneLabelView() : CFormView(IDD_PANE_LABEL) {}

void CPaneLabelView::DoDataExchange(CDataExchange* dx) {
  DDX_Control(dx, IDC_PANE_LABEL_TEXT, m_label);
  DDX_Text(dx, IDC_PANE_LABEL_TEXT, m_text);
}

void CPaneLabelView::SetText(const std::string& text) {
  m_text = " " + text;
  UpdateData(false);
}

std::string CPaneLabelView::GetText() const { return GetDlgItemText(IDC_PANE_LABEL_TEXT); }

void CPaneLabelView::OnSize(UINT, int cx, int cy) {
  CDialogItem* label = Item(IDC_PANE_LABEL_TEXT);
  if (!label) return;
  CRect rect;
  label->GetWindowRect(&rect);
  ScreenToClient(&rect);
  label->MoveWindow(CRect(rect.left, rect.top, rect.left + cx, rect.top + cy));
}
