#include "app/MessageWindow.h"

#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QScrollBar>

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
  QString message = QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  // "\nCompiling..." and "Error: ...\n" alike: the blank lines around a message are the writer's habit.
  qsizetype first = 0;
  while (first < message.size() && message[first] == '\n') ++first;
  qsizetype last = message.size();
  while (last > first && message[last - 1] == '\n') --last;
  if (first == last) return;
  m_text->appendPlainText(message.mid(first, last - first));
  m_text->verticalScrollBar()->setValue(m_text->verticalScrollBar()->maximum());
}

QString MessageWindow::Text() const { return m_text->toPlainText(); }

void MessageWindow::Clear() { m_text->clear(); }
