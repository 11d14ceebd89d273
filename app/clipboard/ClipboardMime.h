// The platform's clipboard data as MIME data, so that another process of
// this program (and, for plain text, any program) can read it: one entry per
// registered format, "application/x-vortan-" followed by the format's name
// URL-encoded, the writer's process id under "application/x-vortan-pid",
// and CF_TEXT as "text/plain".
#pragma once

#include <memory>
#include <string>

#include <QString>

#include "platform/Ole.h"

class QMimeData;

inline constexpr const char* kProcessIdMimeType = "application/x-vortan-pid";

QString MimeTypeOfFormat(const std::string& formatName);

// Every format of data (streams as their bytes) and processId as the writer.
std::unique_ptr<QMimeData> MimeDataFromSource(const COleDataSource& data, DWORD processId);
std::unique_ptr<QMimeData> MimeDataFromSource(const COleDataSource& data);

struct MimeContents {
  std::shared_ptr<COleDataSource> data;  // null when there is nothing the program can read
  DWORD processId = 0;                   // the writer; 0 when it is not known (another program)
  bool writtenByThisProgram = false;     // carries the program's own formats and a writer's id
};

// Reads what mime holds: the program's formats with the writer's process id,
// or plain text as CF_TEXT. Entries that do not decode are left out; a
// missing or damaged process id counts as another program's.
MimeContents SourceFromMimeData(const QMimeData& mime);
