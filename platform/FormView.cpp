#include "platform/FormView.h"

bool CFormView::CreateForm(CWnd* parent, UINT id, const CRect& rect) {
  if (!CreateFromTemplate(parent, true)) return false;
  SetDlgCtrlID(id);
  MoveWindow(rect);
  return true;
}
