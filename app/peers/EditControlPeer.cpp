#include "app/peers/EditControlPeer.h"

#include <QFontDatabase>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

// The widgets keep line feeds only; the control's own line ends are kept when it used CR LF.
QString Shown(const std::string& text) { return QString::fromStdString(text).replace(QStringLiteral("\r\n"), "\n"); }

}  // namespace

EditControlPeer::EditControlPeer(WindowPeerFactory& factory, CDialogItem& item, QWidget* parentArea, PeerUnits units)
    : DialogControlPeer(factory, item, units) {
  bool multiLine = (item.GetStyle() & ES_MULTILINE) || item.Kind() == ControlKind::RichEdit;
  if (multiLine) {
    m_lines = new QPlainTextEdit(parentArea);
    m_lines->setTabChangesFocus(!item.WantsReturn());
    if (item.Kind() == ControlKind::RichEdit) m_lines->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    SetControlWidget(m_lines);
    QObject::connect(m_lines, &QPlainTextEdit::textChanged, m_lines, [this] {
      if (!Syncing()) Typed(m_lines->toPlainText());
    });
  } else {
    m_line = new QLineEdit(parentArea);
    SetControlWidget(m_line);
    QObject::connect(m_line, &QLineEdit::textEdited, m_line, [this](const QString& text) { Typed(text); });
  }
}

void EditControlPeer::Typed(const QString& text) {
  Act([text](CDialogItem& item) {
    std::string typed = text.toStdString();
    if (item.GetWindowText().find("\r\n") != std::string::npos) {
      std::string withCrLf;
      for (char c : typed) {
        if (c == '\n') withCrLf += '\r';
        withCrLf += c;
      }
      typed = std::move(withCrLf);
    }
    item.UserType(typed);
  });
}

void EditControlPeer::SyncState(CDialogItem& item) {
  QString text = Shown(item.GetWindowText());
  if (m_line) {
    m_line->setReadOnly(item.IsReadOnly());
    // Typing stops at the limit; text the program sets is never cut.
    int limit = item.GetLimitText() > 0 ? item.GetLimitText() : 32767;
    m_line->setMaxLength(std::max<int>(limit, static_cast<int>(text.size())));
    if (m_line->text() != text) {
      int cursor = m_line->cursorPosition();
      m_line->setText(text);
      m_line->setCursorPosition(std::min<int>(cursor, static_cast<int>(text.size())));
    }
  } else if (m_lines) {
    m_lines->setReadOnly(item.IsReadOnly());
    if (m_lines->toPlainText() != text) m_lines->setPlainText(text);
  }
}
