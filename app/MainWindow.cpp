#include "app/MainWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

#include "app/CommandIds.h"
#include "app/MessageWindow.h"
#include "app/icons/IconPictures.h"
#include "app/icons/ToolbarPictures.h"
#include "app/peers/KeyTranslation.h"
#include "app/peers/WindowPeerFactory.h"
#include "app/ui/CommandPrompt.h"
#include "app/ui/PopupMenu.h"
#include "explorer/resources/CommandIds.h"
#include "explorer/resources/MenuIds.h"
#include "platform/Command.h"
#include "platform/Frame.h"
#include "platform/Resources.h"

namespace {

// The messages window starts a few lines high; the Explorer windows get the rest.
constexpr int kMessagesHeight = 130;

// The accelerator text after the tab stays as the frame's menu wrote it.
QString WithAccelerator(const QString& text, const QString& original) {
  int tab = original.indexOf('\t');
  return tab < 0 ? text : text + original.mid(tab);
}

}  // namespace

MainWindow::MainWindow(CMDIFrameWnd& frame, WindowPeerFactory& peers) : m_frame(frame.m_hWnd), m_peers(peers) {
  setWindowTitle(QString::fromStdString(frame.GetWindowText()));
  setWindowIcon(QIcon(IconPictureForName("Simulation", 32)));
  m_area = new QMdiArea(this);
  m_area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  m_area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setCentralWidget(m_area);
  m_messages = new MessageWindow(this);
  addDockWidget(Qt::BottomDockWidgetArea, m_messages);
  resizeDocks({m_messages}, {kMessagesHeight}, Qt::Vertical);
  statusBar()->showMessage(QStringLiteral("Ready"));
  BuildMenus();
  BuildToolbar();
  resize(1100, 760);
  m_peers.AdoptMdiClient(*frame.MDIClient(), *m_area);
}

MainWindow::~MainWindow() {
  if (CMDIFrameWnd* frame = Frame()) m_peers.Release(frame->MDIClient()->m_hWnd);
}

CMDIFrameWnd* MainWindow::Frame() const { return dynamic_cast<CMDIFrameWnd*>(CWnd::FromHandle(m_frame)); }

void MainWindow::BuildMenus() {
  CMDIFrameWnd* frame = Frame();
  const CMenu* menu = frame ? frame->FrameMenu() : nullptr;
  CMenu resourceMenu;
  // The frame's menu, loaded from the resource when the host's frame has none of its own.
  if (!menu && resourceMenu.LoadMenu(IDR_EXPLORER_TEMPLATE)) menu = &resourceMenu;
  if (!menu) return;
  for (const MenuItem& item : menu->Items()) {
    if (!item.IsPopup() || !item.popup) continue;
    QMenu* top = menuBar()->addMenu(QString::fromStdString(item.text));
    FillMenu(*top, *item.popup);
    // Items of sub-menus report to their top menu too: one connection routes them all.
    connect(top, &QMenu::triggered, this, [this](QAction* action) {
      if (UINT command = CommandOf(action)) Perform(command);
    });
    QList<QMenu*> menus = top->findChildren<QMenu*>();
    menus.prepend(top);
    for (QMenu* each : menus) connect(each, &QMenu::aboutToShow, this, [this, each] { UpdateMenu(*each); });
  }
}

void MainWindow::BuildToolbar() {
  m_toolbar = addToolBar(QStringLiteral("Explorer"));
  m_toolbar->setObjectName(QStringLiteral("Explorer"));
  for (UINT command : kToolbarCommands) {
    if (command == ID_VIEW_REFRESH) m_toolbar->addSeparator();
    QString name = CommandTooltip(command);
    QAction* action = m_toolbar->addAction(ToolbarPicture(command), name.isEmpty() ? CommandPrompt(command) : name);
    action->setData(command);
    action->setStatusTip(CommandPrompt(command));
    action->setCheckable(command != ID_VIEW_REFRESH && command != ID_VIEW_OPTIONS);
    connect(action, &QAction::triggered, this, [this, command] { Perform(command); });
  }
  UpdateCommandStates();
}

void MainWindow::UpdateMenu(QMenu& menu) {
  CMDIFrameWnd* frame = Frame();
  for (QAction* action : menu.actions()) {
    UINT command = CommandOf(action);
    if (!command || !frame) continue;
    CommandState state = QueryCommandState(frame, command);
    action->setEnabled(state.enabled);
    action->setCheckable(state.check != 0 || action->isCheckable());
    action->setChecked(state.check != 0);
    if (state.text) action->setText(WithAccelerator(QString::fromStdString(*state.text), action->text()));
  }
}

void MainWindow::UpdateCommandStates() {
  CMDIFrameWnd* frame = Frame();
  if (!frame) return;
  QString title = QString::fromStdString(frame->GetWindowText());
  if (!title.isEmpty() && windowTitle() != title) setWindowTitle(title);
  if (!m_toolbar) return;
  for (QAction* action : m_toolbar->actions()) {
    UINT command = CommandOf(action);
    if (!command) continue;
    CommandState state = QueryCommandState(frame, command);
    if (action->isEnabled() != state.enabled) action->setEnabled(state.enabled);
    if (action->isCheckable() && action->isChecked() != (state.check != 0)) action->setChecked(state.check != 0);
  }
}

void MainWindow::Perform(UINT command) {
  if (command == ID_APP_EXIT) {
    if (onExit) onExit();
    return;
  }
  m_peers.FlushAll();
  if (CMDIFrameWnd* frame = Frame()) PerformCommand(frame, command);
  UpdateCommandStates();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // The program decides when it ends (and takes its windows down in order).
  event->ignore();
  if (onExit) onExit();
}

UINT MainWindow::AcceleratorCommand(UINT key, Qt::KeyboardModifiers modifiers) const {
  CMDIFrameWnd* frame = Frame();
  const AcceleratorTable* table = frame ? frame->Accelerators() : nullptr;
  if (!table) table = LoadAccelerators(IDR_EXPLORER_TEMPLATE);
  if (!table) return 0;
  return table->Find(key, modifiers & Qt::ShiftModifier, modifiers & Qt::ControlModifier, modifiers & Qt::AltModifier);
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  UINT key = VirtualKeyOf(*event);
  CMDIFrameWnd* frame = Frame();
  if (!key || !frame) return QMainWindow::keyPressEvent(event);
  SetPlatformModifiers(event->modifiers());
  // Keys nobody else took: the frame's accelerators, else the focused window, the active child, the frame.
  if (UINT command = AcceleratorCommand(key, event->modifiers())) {
    Perform(command);
    return;
  }
  CWnd* target = CWnd::GetFocus();
  if (!target) target = frame->MDIGetActive();
  if (!target) target = frame;
  DispatchKeyDown(target->m_hWnd, key);
}
