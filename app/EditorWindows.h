// Shows each session the host's text editor opens as a child window of the
// main window's MDI area, and brings an open one forward when the host
// shows its session again.
#pragma once

#include <map>

#include <QPointer>

class CEditorSession;
class CTextEditorService;
class EditorWindow;
class QMdiArea;
class QMdiSubWindow;

class EditorWindows {
 public:
  EditorWindows(CTextEditorService& service, QMdiArea& area);
  ~EditorWindows();
  EditorWindows(const EditorWindows&) = delete;
  EditorWindows& operator=(const EditorWindows&) = delete;

  // The window of session; null when it has none.
  EditorWindow* WindowOf(const CEditorSession& session) const;
  void Show(CEditorSession& session);
  // Closes every editor window, each asking about its unsaved text first;
  // false (the rest left open) when one of them stays open.
  bool CloseAll();

 private:
  CTextEditorService& m_service;
  QPointer<QMdiArea> m_area;
  std::map<const CEditorSession*, QPointer<QMdiSubWindow>> m_windows;
};
