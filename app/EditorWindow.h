// One session of the host's text editor as a child window: the definition's
// text in a plain-text editor, Compile (F8) through the host's compile with
// the report in the messages window, Save (Ctrl+S) back into the type;
// read-only when the command asked for it. Closing with unsaved changes asks
// whether to keep them.
#pragma once

#include <QWidget>

class CEditorSession;
class CTextEditorService;
class QAction;
class QPlainTextEdit;

class EditorWindow : public QWidget {
 public:
  EditorWindow(CTextEditorService& service, CEditorSession& session, QWidget* parent = nullptr);

  // The session while the service still has it.
  CEditorSession* Session() const;
  QPlainTextEdit* TextEdit() const { return m_text; }
  QAction* CompileAction() const { return m_compile; }
  QAction* SaveAction() const { return m_save; }

  // Shows the session's text again (after the host brought the session back).
  void ShowSessionText();
  void Compile();
  bool Save();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void UpdateTitle();
  // True when the window may close (changes saved or given up).
  bool MayClose();

  CTextEditorService& m_service;
  const CEditorSession* m_session;
  QPlainTextEdit* m_text = nullptr;
  QAction* m_compile = nullptr;
  QAction* m_save = nullptr;
  bool m_showing = false;
};
