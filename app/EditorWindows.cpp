#include "app/EditorWindows.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include <vector>

#include "app/EditorWindow.h"
#include "workbench/document/TextEditorService.h"

EditorWindows::EditorWindows(CTextEditorService& service, QMdiArea& area) : m_service(service), m_area(&area) {
  m_service.onSessionShown = [this](CEditorSession& session) { Show(session); };
}

EditorWindows::~EditorWindows() { m_service.onSessionShown = nullptr; }

EditorWindow* EditorWindows::WindowOf(const CEditorSession& session) const {
  auto it = m_windows.find(&session);
  if (it == m_windows.end() || !it->second) return nullptr;
  auto* editor = dynamic_cast<EditorWindow*>(it->second->widget());
  // A closed window still waiting to be deleted shows no session any more.
  return editor && editor->Session() == &session ? editor : nullptr;
}

bool EditorWindows::CloseAll() {
  std::vector<QPointer<QMdiSubWindow>> open;
  for (const auto& entry : m_windows)
    if (entry.second) open.push_back(entry.second);
  for (const QPointer<QMdiSubWindow>& sub : open)
    if (sub && !sub->close()) return false;
  return true;
}

void EditorWindows::Show(CEditorSession& session) {
  if (!m_area) return;
  std::erase_if(m_windows, [](const auto& entry) { return entry.second.isNull(); });
  if (EditorWindow* open = WindowOf(session)) {
    open->ShowSessionText();
    m_area->setActiveSubWindow(m_windows[&session]);
    return;
  }
  auto* editor = new EditorWindow(m_service, session);
  QMdiSubWindow* sub = m_area->addSubWindow(editor);
  sub->setAttribute(Qt::WA_DeleteOnClose);
  sub->resize(560, 420);
  m_windows[&session] = sub;
  sub->show();
  m_area->setActiveSubWindow(sub);
}
