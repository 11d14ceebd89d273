#include "app/headless/ExplorerPath.h"

std::vector<std::string> SplitExplorerPath(const std::string& path) {
  std::vector<std::string> labels;
  std::string label;
  auto finish = [&] {
    if (!label.empty()) labels.push_back(label);
    label.clear();
  };
  for (std::size_t i = 0; i < path.size(); ++i) {
    if (path[i] == '\\' && i + 1 < path.size() && path[i + 1] == '/') {
      label += '/';
      ++i;
    } else if (path[i] == '/') {
      finish();
    } else {
      label += path[i];
    }
  }
  finish();
  return labels;
}

std::string JoinExplorerPath(const std::vector<std::string>& labels) {
  std::string path;
  for (const std::string& label : labels) {
    if (!path.empty()) path += '/';
    for (char c : label) {
      if (c == '/') path += '\\';
      path += c;
    }
  }
  return path;
}
