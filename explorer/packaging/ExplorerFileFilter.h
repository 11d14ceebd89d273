// The filter of an Explorer file dialog with its extension list: the caller's
// filter or the application's document filter, then the application's
// additional file types (or its secondary filter), then "All Files". Each
// filter entry has its own extension at the same position, so the filter a
// person picks always names its own extension.
#pragma once

#include <string>
#include <vector>

class CRBaseApp;

inline constexpr const char* kAllFilesFilter = "All Files (*.*)|*.*||";
inline constexpr const char* kAllFilesExtension = "*";

struct ExplorerFileFilter {
  std::string text;                     // "Kestrane Language (*.ktrf)|*.ktrf|...|All Files (*.*)|*.*||"
  std::vector<std::string> extensions;  // one per filter entry, without the dot; "*" for All Files
};

// callerFilter: empty (after leading blanks) for the application's document
// filter. app may be null: then only the caller's entries and "All Files".
ExplorerFileFilter BuildExplorerFileFilter(const std::string& callerFilter, const CRBaseApp* app);

// The extension a filter pattern names: the text after "*." of its first
// pattern ("*.ktrf" gives "ktrf", "*.*" gives "*"); "*" when it names none.
std::string PatternExtension(const std::string& pattern);
