// Keeps the platform clipboard and the system clipboard the same. What this
// process puts on the platform clipboard is written to the system clipboard
// (ClipboardMime.h); what another process of the program wrote there comes
// back into the platform clipboard as written by that process, so its
// in-process formats (addresses valid only in the writer) are refused by
// their readers; anything else another program copies replaces the
// platform clipboard's contents (plain text stays readable as CF_TEXT).
#pragma once

#include <QMetaObject>

#include "platform/Ole.h"

class QClipboard;

class ClipboardMirror : public Clipboard::Observer {
 public:
  explicit ClipboardMirror(QClipboard& system);
  ~ClipboardMirror() override;
  ClipboardMirror(const ClipboardMirror&) = delete;
  ClipboardMirror& operator=(const ClipboardMirror&) = delete;

  // Platform side changed.
  void ClipboardChanged() override;
  // System side changed.
  void SystemClipboardChanged();

 private:
  QClipboard& m_system;
  QMetaObject::Connection m_connection;
  bool m_writing = false;  // this mirror is writing the system clipboard
  bool m_reading = false;  // this mirror is filling the platform clipboard
};
