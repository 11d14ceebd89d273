// The messages window: every line the document writes with OutputMessage
// (compile reports, diagnostics problems) in the order it came.
#pragma once

#include <string>

#include <QDockWidget>

class QPlainTextEdit;

class MessageWindow : public QDockWidget {
 public:
  explicit MessageWindow(QWidget* parent = nullptr);

  // Appends text as it came (texts carry their own line feeds).
  void Append(const std::string& text);
  QString Text() const;
  void Clear();

 private:
  QPlainTextEdit* m_text;
};
