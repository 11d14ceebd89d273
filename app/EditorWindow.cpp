#include "app/EditorWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QToolBar>
#include <QVBoxLayout>

#include "platform/Services.h"
#include "platform/UserInterface.h"
#include "workbench/document/TextEditorService.h"

EditorWindow::EditorWindow(CTextEditorService& service, CEditorSession& session, QWidget* parent)
    : QWidget(parent), m_service(service), m_session(&session) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  auto* tools = new QToolBar(this);
  m_compile = tools->addAction(QStringLiteral("Compile"));
  m_compile->setShortcut(QKeySequence(Qt::Key_F8));
  m_compile->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  m_compile->setStatusTip(QStringLiteral("Compile the text and keep it as the definition"));
  m_save = tools->addAction(QStringLiteral("Save"));
  m_save->setShortcut(QKeySequence::Save);
  m_save->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  m_save->setStatusTip(QStringLiteral("Keep the text in the definition without compiling it"));
  addAction(m_compile);
  addAction(m_save);
  layout->addWidget(tools);
  m_text = new QPlainTextEdit(this);
  m_text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
  layout->addWidget(m_text);
  connect(m_compile, &QAction::triggered, this, [this] { Compile(); });
  connect(m_save, &QAction::triggered, this, [this] { Save(); });
  connect(m_text, &QPlainTextEdit::textChanged, this, [this] {
    if (m_showing) return;
    if (CEditorSession* s = Session()) s->SetText(m_text->toPlainText().toStdString());
    UpdateTitle();
  });
  ShowSessionText();
}

CEditorSession* EditorWindow::Session() const {
  if (!m_session) return nullptr;
  for (const auto& session : m_service.Sessions()) {
    if (session.get() == m_session) return session.get();
  }
  return nullptr;
}

void EditorWindow::ShowSessionText() {
  CEditorSession* session = Session();
  if (!session) return;
  m_showing = true;
  QString text = QString::fromStdString(session->Text());
  if (m_text->toPlainText() != text) m_text->setPlainText(text);
  m_text->setReadOnly(session->IsReadOnly());
  m_showing = false;
  m_compile->setEnabled(!session->IsReadOnly());
  m_save->setEnabled(!session->IsReadOnly());
  UpdateTitle();
}

void EditorWindow::UpdateTitle() {
  CEditorSession* session = Session();
  if (!session) return;
  QString title = QString::fromStdString(session->Title());
  if (session->IsReadOnly()) title += QStringLiteral(" (read-only)");
  if (session->IsModified()) title += QStringLiteral(" *");
  setWindowTitle(title);
}

void EditorWindow::Compile() {
  CEditorSession* session = Session();
  if (!session || session->IsReadOnly()) return;
  CWaitCursor busy;
  session->Compile();
  UpdateTitle();
}

bool EditorWindow::Save() {
  CEditorSession* session = Session();
  if (!session || session->IsReadOnly()) return false;
  HRESULT result = session->Save();
  UpdateTitle();
  if (SUCCEEDED(result)) return true;
  QMessageBox::warning(this, QString::fromStdString(ApplicationCaption()),
                       QStringLiteral("The text of %1 could not be saved.").arg(QString::fromStdString(session->Title())));
  return false;
}

bool EditorWindow::MayClose() {
  CEditorSession* session = Session();
  if (!session || !session->IsModified() || session->IsReadOnly()) return true;
  auto answer = QMessageBox::question(
      this, QString::fromStdString(ApplicationCaption()),
      QStringLiteral("Save the changes to %1?").arg(QString::fromStdString(session->Title())),
      QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
  if (answer == QMessageBox::Cancel) return false;
  return answer == QMessageBox::No || Save();
}

void EditorWindow::closeEvent(QCloseEvent* event) {
  if (!MayClose()) {
    event->ignore();
    return;
  }
  if (CEditorSession* session = Session()) m_service.CloseSession(session);
  // The window lingers until the event loop deletes it; a session made at the
  // freed address meanwhile is not this window's.
  m_session = nullptr;
  event->accept();
}
