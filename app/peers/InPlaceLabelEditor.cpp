#include "app/peers/InPlaceLabelEditor.h"

#include <QKeyEvent>

#include "platform/UserInterface.h"
#include "platform/Window.h"

namespace {

ILabelEdit* EditOf(HWND window) { return dynamic_cast<ILabelEdit*>(CWnd::FromHandle(window)); }

}  // namespace

InPlaceLabelEditor::InPlaceLabelEditor(HWND editorWindow, QWidget* host, const QRect& rect)
    : QLineEdit(host), m_editorWindow(editorWindow) {
  setFrame(true);
  setGeometry(rect);
  SyncFromPlatform();
  selectAll();
  connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
    if (ILabelEdit* edit = EditOf(m_editorWindow); edit && !m_closed) edit->SetText(text.toStdString());
  });
  show();
  setFocus(Qt::OtherFocusReason);
}

void InPlaceLabelEditor::SyncFromPlatform() {
  CWnd* window = CWnd::FromHandle(m_editorWindow);
  if (!window || m_closed) return;
  QString text = QString::fromStdString(window->GetWindowText());
  if (this->text() != text) setText(text);
}

void InPlaceLabelEditor::Close() {
  if (m_closed) return;
  m_closed = true;
  hide();
  deleteLater();  // may be inside one of its own handlers
}

void InPlaceLabelEditor::keyPressEvent(QKeyEvent* event) {
  UINT key = 0;
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) key = VK_RETURN;
  if (event->key() == Qt::Key_Escape) key = VK_ESCAPE;
  if (!key) return QLineEdit::keyPressEvent(event);
  event->accept();
  if (!m_closed && IsWindow(m_editorWindow)) DispatchKeyDown(m_editorWindow, key);
}

void InPlaceLabelEditor::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  // A popup (the input method, a context menu) does not end the edit.
  if (event->reason() == Qt::PopupFocusReason || m_closed) return;
  if (ILabelEdit* edit = EditOf(m_editorWindow)) edit->End(false);
}
