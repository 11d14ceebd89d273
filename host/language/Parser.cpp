#include "host/language/Parser.h"

#include <algorithm>
#include <climits>
#include <vector>

#include "host/framework/CRBaseApp.h"
#include "host/framework/CRQVDocument.h"
#include "host/store/Status.h"

namespace {

QVParseReport NoParser() {
  QVParseReport report;
  report.AddError(0, "The modelling-language parser is not available.");
  return report;
}

}  // namespace

QVParseReport QVNewType(const std::string& name, IFType* parent, const std::string& text, IFTypeDesc** newType,
                        const std::string& extra, int option1, int option2, int option3) {
  if (newType) *newType = nullptr;
  IQVParser* parser = HostService<IQVParser>::Get();
  if (!parser) return NoParser();
  return parser->NewType(name, parent, text, newType, extra, option1, option2, option3);
}

QVParseReport QVCompileType(IFType* type, const std::string& text, const std::string& extra, DWORD flags,
                            DWORD options, DWORD mode, const std::string* listing, CMemoryStream* stream,
                            IFInstance* instance) {
  IQVParser* parser = HostService<IQVParser>::Get();
  if (!parser) return NoParser();
  return parser->CompileType(type, text, extra, flags, options, mode, listing, stream, instance);
}

QVParseReport QVCompileConstraints(IFType* flowsheetType, const std::string& text, const std::string& extra,
                                   DWORD flags, DWORD options, DWORD mode) {
  IQVParser* parser = HostService<IQVParser>::Get();
  if (!parser) return NoParser();
  return parser->CompileConstraints(flowsheetType, text, extra, flags, options, mode);
}

void QVReportParserMessagesToOutput(const QVParseReport& report) {
  CRBaseApp* app = CRBaseApp::GetApp();
  CRQVDocument* document = app ? app->GetCurrentDocument() : nullptr;
  if (!document) return;
  // In the order of the text, whatever order the checks found them in; those
  // about the whole definition (no line) after them.
  std::vector<QVParseMessage> messages = report.messages;
  const auto place = [](const QVParseMessage& m) { return m.line > 0 ? m.line : INT_MAX; };
  std::stable_sort(messages.begin(), messages.end(),
                   [&](const QVParseMessage& a, const QVParseMessage& b) { return place(a) < place(b); });
  for (const QVParseMessage& message : messages) {
    const char* prefix = message.IsError() ? "Error: " : message.IsWarning() ? "Warning: " : "";
    document->OutputMessage(prefix + message.Describe() + "\n", -1, 0);
  }
}

HRESULT QVSetModellingLanguageText(IDataObject* data, const std::string& text) {
  IQVParser* parser = HostService<IQVParser>::Get();
  if (!parser) return FE_NOSERVICE;
  return parser->SetModellingLanguageText(data, text);
}

HRESULT GetDefaultName(IFTypePalette* palette, const std::string& keyword, std::string& name) {
  IQVParser* parser = HostService<IQVParser>::Get();
  if (!parser) return FE_NOSERVICE;
  return parser->GetDefaultName(palette, keyword, name);
}
