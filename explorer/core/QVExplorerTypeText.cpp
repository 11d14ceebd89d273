// A type's text, read and written through the data object of the type (or of
// the instance that stands for it) in the clipboard formats.
#include "explorer/core/ExplorerClipboardFormats.h"
#include "explorer/core/QVExplorer.h"
#include "host/com/DataObject.h"
#include "host/language/Parser.h"
#include "host/store/MwInstance.h"
#include "host/store/TypeFlags.h"

int CQVExplorer::ReadTypeText(IFType* type, int full, std::string& text) {
  if (!type) return 0;
  DWORD flags = 0;
  type->GetFlags(&flags);
  const char* format = (flags & FT_PLAINTEXT) ? kNonEmbeddedTextFormat
                       : full                 ? kFullModellingLanguageFormat
                                              : kModellingLanguageFormat;
  MwInstance path(static_cast<IUnknown*>(type));
  return SUCCEEDED(path.GetString(format, text)) ? 1 : 0;
}

int CQVExplorer::WriteTypeText(IFType* type, const std::string& formatName, const std::string& text) {
  if (!type) return 0;
  MwInstance path(static_cast<IUnknown*>(type));
  if (formatName == kNonEmbeddedTextFormat) return SUCCEEDED(path.SetString(formatName, text)) ? 1 : 0;
  CComPtr<IDataObject> data;
  if (FAILED(path.QueryType(&data)) && FAILED(path.QueryInstance(&data))) return 0;
  // Modelling-language texts are checked by the host's parser as they are set.
  return SUCCEEDED(QVSetModellingLanguageText(data, text)) ? 1 : 0;
}
