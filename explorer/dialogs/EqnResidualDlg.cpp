#include "explorer/dialogs/EqnResidualDlg.h"

#include "explorer/resources/ControlIds.h"
#include "explorer/resources/DialogIds.h"
#include "host/framework/CRQVDocument.h"

namespace {

// Where the OK button and the text sit in a resized window.
constexpr int kButtonHalfWidth = 35;
constexpr int kButtonFromBottom = 25;
constexpr int kTextMarginWidth = 10;
constexpr int kTextMarginHeight = 40;

}  // namespace

std::string SpaceResidualText(const std::string& text, bool& multiLine) {
  multiLine = false;
  std::string spaced;
  spaced.reserve(text.size() + text.size() / 2);
  for (char c : text) {
    switch (c) {
      case '\n':
        multiLine = true;
        spaced += "\r\n";
        break;
      case '*':
      case '+':
      case '-':
      case '/':
      case '=':
        spaced += ' ';
        spaced += c;
        spaced += ' ';
        break;
      default:
        spaced += c;
    }
  }
  return spaced;
}

CEqnResidualDlg::CEqnResidualDlg(CWnd* parent) : CDialog(IDD_RESIDUAL_TEXT, parent) {}

CEqnResidualDlg* CEqnResidualDlg::Open(CWnd* parent, const std::string& caption, const std::string& text,
                                       CRQVDocument* document) {
  auto* dialog = new CEqnResidualDlg(parent);
  dialog->m_strCaption = caption;
  dialog->m_strText = text;
  dialog->m_pDocument = document;
  if (!dialog->CreateFromTemplate(parent, false)) {
    delete dialog;
    return nullptr;
  }
  if (document) document->AddModelessDialog(dialog);
  return dialog;
}

bool CEqnResidualDlg::OnInitDialog() {
  SetWindowText(m_strCaption);
  m_strShown = SpaceResidualText(m_strText, m_bMultiLine);
  SetDlgItemText(IDC_RESIDUAL_TEXT, m_strShown);
  return true;
}

void CEqnResidualDlg::OnSize(UINT /*type*/, int cx, int cy) {
  if (CDialogItem* ok = Item(IDOK)) {
    CRect rect;
    ok->GetWindowRect(&rect);
    ok->MoveWindow(cx / 2 - kButtonHalfWidth, cy - kButtonFromBottom, rect.Width(), rect.Height());
  }
  if (CDialogItem* text = Item(IDC_RESIDUAL_TEXT)) {
    CRect rect;
    text->GetWindowRect(&rect);
    ScreenToClient(&rect);
    text->MoveWindow(rect.left, rect.top, cx - kTextMarginWidth, cy - kTextMarginHeight);
  }
}

void CEqnResidualDlg::OnOK() { Close(); }

void CEqnResidualDlg::OnCancel() { Close(); }

void CEqnResidualDlg::Close() {
  if (m_pDocument) m_pDocument->RemoveModelessDialog(this);
  m_pDocument = nullptr;
  DestroyWindow();
}

void CEqnResidualDlg::PostNcDestroy() { delete this; }
