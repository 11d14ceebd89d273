#include "app/clipboard/ClipboardMirror.h"

#include <QClipboard>
#include <QMimeData>

#include "app/clipboard/ClipboardMime.h"
#include "platform/Services.h"
#include "platform/Window.h"

ClipboardMirror::ClipboardMirror(QClipboard& system) : m_system(system) {
  Clipboard::AddObserver(this);
  m_connection = QObject::connect(&system, &QClipboard::dataChanged, [this] { SystemClipboardChanged(); });
}

ClipboardMirror::~ClipboardMirror() {
  QObject::disconnect(m_connection);
  Clipboard::RemoveObserver(this);
}

void ClipboardMirror::ClipboardChanged() {
  if (m_reading) return;
  HWND owner = Clipboard::GetOwner();
  DWORD writer = 0;
  GetWindowThreadProcessId(owner, &writer);
  auto contents = Clipboard::Contents();
  m_writing = true;
  if (!contents) {
    // Emptied here: take the program's data off the system clipboard, leave other programs' alone.
    const QMimeData* current = m_system.mimeData();
    if (current && current->hasFormat(QString::fromLatin1(kProcessIdMimeType))) m_system.clear();
  } else if (writer == GetCurrentProcessId()) {
    m_system.setMimeData(MimeDataFromSource(*contents, writer).release());
  }
  m_writing = false;
}

void ClipboardMirror::SystemClipboardChanged() {
  if (m_writing) return;
  const QMimeData* mime = m_system.mimeData();
  MimeContents contents = mime ? SourceFromMimeData(*mime) : MimeContents{};
  // Still (or again) this process's own data: the platform clipboard already holds it.
  if (contents.writtenByThisProgram && contents.processId == GetCurrentProcessId()) return;
  m_reading = true;
  if (contents.data) {
    Clipboard::SetFromProcess(contents.data, contents.processId);
  } else {
    Clipboard::Empty();
  }
  m_reading = false;
}
