// A view whose window is a dialog template laid out as a child window.
#pragma once

#include "platform/Dialog.h"
#include "platform/Document.h"

class CFormView : public CDialog, public CView {
 public:
  explicit CFormView(UINT templateId) : CDialog(templateId) {}
  // Creates the form as a child of parent with the given pane id and rectangle.
  bool CreateForm(CWnd* parent, UINT id, const CRect& rect);
  CWnd* ViewWindow() override { return this; }
};
