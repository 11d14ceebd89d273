#include "app/ui/CommandPrompt.h"

#include "platform/Resources.h"

QString CommandPrompt(UINT command) {
  std::string text;
  if (!command || !LoadString(command, text)) return {};
  return QString::fromStdString(text.substr(0, text.find('\n')));
}

QString CommandTooltip(UINT command) {
  std::string text;
  if (!command || !LoadString(command, text)) return {};
  std::size_t feed = text.find('\n');
  return feed == std::string::npos ? QString() : QString::fromStdString(text.substr(feed + 1));
}
