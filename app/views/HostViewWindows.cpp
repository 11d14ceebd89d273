#include "app/views/HostViewWindows.h"

#include <functional>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include "app/views/ChartWindow.h"
#include "app/views/FinderWindow.h"
#include "app/views/FormTableModel.h"
#include "app/views/HistoryTableModel.h"
#include "explorer/core/ExplorerTemplateId.h"
#include "explorer/core/NodeClassIds.h"
#include "host/framework/HostMessages.h"
#include "platform/UserInterface.h"
#include "platform/Window.h"
#include "workbench/simulation/Flowsheet.h"

namespace {

// A view's window: it hears value changes while it lives and redraws once the event loop is free.
class LiveViewFrame : public QWidget {
 public:
  // A history or plot has its variables kept in the run history (keepHistory); a table only reads the values.
  LiveViewFrame(CHostViews& views, const CFormContents& form, bool keepHistory, QWidget* content,
                std::function<void()> refresh)
      : m_views(views), m_refresh(std::move(refresh)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    if (!form.problems.empty()) {
      std::string text;
      for (const std::string& problem : form.problems) text += (text.empty() ? "" : "\n") + problem;
      auto* problems = new QLabel(QString::fromStdString(text), this);
      problems->setStyleSheet(QStringLiteral("color: darkred"));
      layout->addWidget(problems);
    }
    content->setParent(this);
    layout->addWidget(content, 1);
    m_subscription = views.Subscribe(keepHistory ? form.Paths() : std::vector<std::string>{}, [this] { RefreshSoon(); });
  }
  ~LiveViewFrame() override { m_views.Unsubscribe(m_subscription); }

 private:
  void RefreshSoon() {
    if (m_pending) return;
    m_pending = true;
    QTimer::singleShot(0, this, [this] {
      m_pending = false;
      m_refresh();
    });
  }

  CHostViews& m_views;
  std::function<void()> m_refresh;
  int m_subscription = 0;
  bool m_pending = false;
};

QTableView* MakeTable(QAbstractItemModel* model) {
  auto* table = new QTableView;
  table->setModel(model);
  model->setParent(table);
  table->verticalHeader()->setVisible(false);
  table->horizontalHeader()->setStretchLastSection(true);
  table->setSelectionMode(QAbstractItemView::ExtendedSelection);
  return table;
}

}  // namespace

HostViewWindows::HostViewWindows(CHostViews& views, QMdiArea& area) : m_views(views), m_area(&area) {
  m_views.present = [this](const HostViewRequest& request) { Open(request); };
}

HostViewWindows::~HostViewWindows() { m_views.present = nullptr; }

bool HostViewWindows::OpenBlockExplorer(CHostViews& views, const std::string& unitPath) {
  const CFlowsheet& flowsheet = views.Flowsheet();
  const int unit = flowsheet.FindUnit(unitPath);
  if (unit < 0) return false;
  const UnitKind kind = flowsheet.Unit(unit).kind;
  tag_CorvaneViewContext context;
  context.viewClass = CLSID_ExplorerTemplate;
  context.text = (kind == UnitKind::Stream                                         ? CLSID_QVEOStream
                  : kind == UnitKind::Flowsheet || kind == UnitKind::Hierarchy ? CLSID_QVEOFlowsheet
                                                                               : CLSID_QVEOBlock)
                     .ToString();
  context.dataSource = views.UnitInstance(unitPath);
  CWnd* main = AfxGetMainWnd();
  if (main && main->SendMessage(RegisterWindowMessage(SHOW_CORVANEVIEW), 0, reinterpret_cast<LPARAM>(&context)))
    return true;
  UI().Announce("No Explorer can be opened on " + (unitPath.empty() ? std::string("the flowsheet") : unitPath));
  return false;
}

QWidget* HostViewWindows::MakeView(const HostViewRequest& request) {
  CHostViews& views = m_views;
  switch (request.kind) {
    case HostViewKind::Table:
    case HostViewKind::ProfileTable: {
      auto* model = new FormTableModel(views, request.form);
      QTableView* table = MakeTable(model);
      return new LiveViewFrame(views, request.form, false, table, [model] { model->Refresh(); });
    }
    case HostViewKind::History: {
      auto* model = new HistoryTableModel(views, request.form);
      QTableView* table = MakeTable(model);
      auto* copy = new QAction(QStringLiteral("&Copy"), table);
      copy->setShortcut(QKeySequence::Copy);
      copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
      QObject::connect(copy, &QAction::triggered, table, [model, table] {
        QApplication::clipboard()->setText(model->CopyText(table->selectionModel()->selectedIndexes()));
      });
      table->addAction(copy);
      table->setContextMenuPolicy(Qt::ActionsContextMenu);
      return new LiveViewFrame(views, request.form, true, table, [model] { model->Refresh(); });
    }
    case HostViewKind::Plot:
    case HostViewKind::Profile: {
      auto* chart = new ChartWindow(views, request);
      return new LiveViewFrame(views, request.form, request.kind == HostViewKind::Plot, chart,
                               [chart] { chart->Refresh(); });
    }
    case HostViewKind::Finder: {
      auto* finder = new FinderWindow(views, request.start);
      finder->onOpenBlock = [&views](const std::string& unitPath) { OpenBlockExplorer(views, unitPath); };
      return new LiveViewFrame(views, CFormContents{}, false, finder, [finder] { finder->Refresh(); });
    }
  }
  return nullptr;
}

QMdiSubWindow* HostViewWindows::Open(const HostViewRequest& request) {
  if (!m_area) return nullptr;
  QWidget* view = MakeView(request);
  if (!view) return nullptr;
  QMdiSubWindow* window = m_area->addSubWindow(view);
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->setWindowTitle(QString::fromStdString(request.title));
  window->resize(request.kind == HostViewKind::Plot || request.kind == HostViewKind::Profile ? QSize(640, 420)
                                                                                              : QSize(560, 320));
  window->show();
  m_area->setActiveSubWindow(window);
  m_latest = window;
  return window;
}
