// Compiling a type's text, with the store locked out for other windows meanwhile.
#include <cstdio>

#include "explorer/core/ExplorerMessages.h"
#include "explorer/core/LibraryToolbarLink.h"
#include "explorer/core/QVExplorer.h"
#include "host/framework/CRBaseApp.h"
#include "host/framework/CRQVDocument.h"
#include "host/language/Parser.h"
#include "platform/Services.h"

namespace {

// The compiler's settings, passed as given.
constexpr DWORD kCompileFlags = 0x80200;
constexpr DWORD kCompileOptions = 4;
constexpr DWORD kCompileExtendedOptions = 0x204;
constexpr DWORD kCompileMode = 0x19;

void Broadcast(CRQVDocument* document, UINT message) {
  if (document) document->Broadcast(message, 0, 0, 0);
}

void Output(CRQVDocument* document, const std::string& text) {
  if (document) document->OutputMessage(text, -1, 0);
}

std::string CompletedLine(const QVParseReport& report) {
  char line[128];
  std::snprintf(line, sizeof line, "Compilation completed. %d error(s), %d warning(s)\n", report.ErrorCount(),
                report.WarningCount());
  return line;
}

}  // namespace

int CQVExplorer::Compile(IFType* type, int message, int extended) {
  if (!type) return 0;
  CWaitCursor wait;
  CComPtr<IFType> held(type);
  std::string text;
  if (!ReadTypeText(held, 0, text)) return 0;
  CRQVDocument* document = GetCurrentDocument();
  Broadcast(document, WM_CORVANECM_CDB_LOCKOUT_STARTS);
  Output(document, "\nCompiling...");
  QVParseReport report = QVCompileType(held, text, "", kCompileFlags,
                                       extended ? kCompileExtendedOptions : kCompileOptions, kCompileMode);
  QVReportParserMessagesToOutput(report);
  Output(document, CompletedLine(report));
  int compiled = report.HasErrors() ? 0 : 1;
  if (!compiled) {
    if (document) document->ShowOutputWindow(1);
    if (message) ShowMessage("There are compilation errors...", kExplorerCaption, MB_ICONEXCLAMATION);
  }
  Broadcast(document, WM_CORVANECM_CDB_LOCKOUT_ENDS);
  CLibraryToolbarLink::NotifyIfPresent(QV_LIBTOOLBAR_CONTENTS_CHANGED);
  return compiled;
}
