// The messages window: every message the document writes with OutputMessage
// (compile reports, diagnostics problems) in the order it came, each on a
// line of its own whatever line feeds its writer put around it.
#pragma once

#include <string>

#include <QDockWidget>

class QPlainTextEdit;

class MessageWindow : public QDockWidget {
 public:
  explicit MessageWindow(QWidget* parent = nullptr);

  // Appends one message below the last; line feeds inside it are kept.
  void Append(const std::string& text);
  QString Text() const;
  void Clear();

 private:
  QPlainTextEdit* m_text;
};
