#include "app/MessageWindow.h"

#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>

MessageWindow::MessageWindow(QWidget* parent) : QDockWidget(QStringLiteral("Messages"), parent) {
  setObjectName(QStringLiteral("Messages"));
  m_text = new QPlainTextEdit(this);
  m_text->setReadOnly(true);
  m_text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
  m_text->setMaximumBlockCount(20000);
  setWidget(m_text);
}

void MessageWindow::Append(const std::string& text) {
  QTextCursor cursor(m_text->document());
  cursor.movePosition(QTextCursor::End);
  cursor.insertText(QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
  m_text->verticalScrollBar()->setValue(m_text->verticalScrollBar()->maximum());
}

QString MessageWindow::Text() const { return m_text->toPlainText(); }

void MessageWindow::Clear() { m_text->clear(); }
