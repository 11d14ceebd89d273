// Registered clipboard formats. Names are registered in the same table as
// window messages, so a format and a message of the same name share one id,
// and every id lies in the registered range.
#include <map>

#include "platform/Ole.h"
#include "platform/Window.h"

namespace {
std::map<CLIPFORMAT, std::string>& FormatNames() {
  static std::map<CLIPFORMAT, std::string> names;
  return names;
}
}  // namespace

CLIPFORMAT RegisterClipboardFormat(const std::string& name) {
  UINT id = RegisterWindowMessage(name);
  // A format id is 16 bits wide: once the registered range is used up, no more formats.
  if (id < kFirstRegisteredId || id > 0xFFFF) return 0;
  auto format = static_cast<CLIPFORMAT>(id);
  FormatNames().emplace(format, name);
  return format;
}

std::string GetClipboardFormatName(CLIPFORMAT format) {
  auto& names = FormatNames();
  auto it = names.find(format);
  return it == names.end() ? std::string() : it->second;
}
