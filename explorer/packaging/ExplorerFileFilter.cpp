#include "explorer/packaging/ExplorerFileFilter.h"

#include "host/framework/CRBaseApp.h"
#include "platform/FileDialog.h"
#include "platform/TextTrim.h"

namespace {

// One part of the filter: its text and the extensions the application
// recorded for it (none for a caller's filter).
struct FilterPart {
  std::string text;
  std::vector<std::string> recordedExtensions;
};

// Appends a part's entries. The recorded extensions are used when there is
// one for each entry; otherwise each entry takes the extension of its pattern.
void AppendPart(const FilterPart& part, ExplorerFileFilter& filter) {
  std::vector<FileFilterEntry> entries = ParseFileFilter(part.text);
  bool recordedFit = entries.size() == part.recordedExtensions.size();
  for (std::size_t i = 0; i < entries.size(); ++i) {
    filter.text += entries[i].description + "|" + entries[i].pattern + "|";
    filter.extensions.push_back(recordedFit ? part.recordedExtensions[i] : PatternExtension(entries[i].pattern));
  }
}

std::vector<std::string> AdditionalExtensions(const CRBaseApp& app) {
  std::vector<std::string> extensions;
  for (int index = 0;; ++index) {
    std::string extension = app.GetAdditionalExtension(index);
    if (extension.empty()) break;
    extensions.push_back(extension);
  }
  return extensions;
}

}  // namespace

std::string PatternExtension(const std::string& pattern) {
  std::string first = TrimText(pattern.substr(0, pattern.find(';')));
  if (!first.starts_with("*.")) return kAllFilesExtension;
  std::string extension = first.substr(2);
  bool wildcard = extension.empty() || extension.find_first_of("*?") != std::string::npos;
  return wildcard ? std::string(kAllFilesExtension) : extension;
}

ExplorerFileFilter BuildExplorerFileFilter(const std::string& callerFilter, const CRBaseApp* app) {
  std::vector<FilterPart> parts;
  std::string given = TrimLeftText(callerFilter);
  if (!given.empty()) {
    parts.push_back({given, {}});
  } else if (app) {
    parts.push_back({app->GetDocumentFilter(), {app->GetDefaultExtension()}});
  }
  if (app) {
    if (app->HasAdditionalFileTypes()) {
      parts.push_back({app->GetAdditionalFilter(), AdditionalExtensions(*app)});
    } else if (!app->GetSecondaryFilter().empty()) {
      parts.push_back({app->GetSecondaryFilter(), {app->GetSecondaryExtension()}});
    }
  }
  ExplorerFileFilter filter;
  for (const FilterPart& part : parts) AppendPart(part, filter);
  filter.text += kAllFilesFilter;
  filter.extensions.push_back(kAllFilesExtension);
  return filter;
}
