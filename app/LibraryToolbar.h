// The Model Libraries toolbar: a dockable palette filled only from the
// library toolbar provider. A chooser picks the library; the library's tabs
// (in the order the user gave its folders, hidden ones left out) show their
// models as pictures with names; the library's stream types are drawn with
// their line styles. Dragging a model or a stream type starts the hidden
// Explorer's own drag, so it drops wherever an Explorer drag would. The
// palette re-reads the provider when the host says the libraries changed.
#pragma once

#include <string>
#include <vector>

#include <QDockWidget>

#include "platform/TreeCtrl.h"

class CWorkbenchApp;
class QComboBox;
class QListWidget;
class QTabBar;

class LibraryToolbar : public QDockWidget {
 public:
  LibraryToolbar(CWorkbenchApp& app, QWidget* parent = nullptr);
  ~LibraryToolbar() override;

  // Reads the provider again and shows what it gives (the chosen library and tab stay when they still exist).
  void Refresh();

  // What the palette shows, for tests and the status of the program.
  QComboBox* Libraries() const { return m_libraries; }
  QTabBar* Tabs() const { return m_tabs; }
  QListWidget* Models() const { return m_models; }
  QListWidget* Streams() const { return m_streams; }
  // Starts the drag of a model or stream row as the toolbar does when the pointer drags it.
  void StartDrag(QListWidget& list, int row);

 private:
  void ShowLibrary();
  void ShowTab();
  void ShowStreams();
  void ScheduleRefresh();

  CWorkbenchApp& m_app;
  QComboBox* m_libraries = nullptr;
  QTabBar* m_tabs = nullptr;
  QListWidget* m_models = nullptr;
  QListWidget* m_streams = nullptr;
  // The tree-order index of each tab shown, in the order shown.
  std::vector<int> m_tabTreeIndex;
  bool m_refreshPending = false;
  bool m_filling = false;
};
