#include "app/headless/LibraryToolbarPrinter.h"

#include <ostream>
#include <vector>

#include "explorer/libtoolbar/InvLibTBExplorer.h"

namespace {

// What a hidden tab is called in the provider's lists.
constexpr const char* kHiddenTabName = "#$";

std::string Joined(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& name : names) text += (text.empty() ? "" : ", ") + name;
  return text;
}

// "line 3, colour 9, labels hidden" from a stream type's line-style code.
std::string LineStyleText(int code) {
  if (code < 0) return "style unknown";
  std::string text = "line " + std::to_string(((code >> 8) & 0x7F) + 1) + ", colour " + std::to_string(code & 0xFF);
  if (code & 0x8000) text += ", labels hidden";
  return text;
}

void PrintLibrary(std::ostream& out, CInvLibTBExplorer& provider, int lib) {
  out << "  library " << provider.GetLibName(lib) << '\n';
  std::vector<std::string> tabs;
  std::vector<HTREEITEM> tabItems;
  std::vector<int> order;
  provider.GetLibTabNamehItemList(lib, tabs, tabItems, order);
  for (std::size_t t = 0; t < tabs.size(); ++t) {
    if (tabs[t] == kHiddenTabName) continue;
    std::vector<std::string> models;
    std::vector<HTREEITEM> items;
    std::vector<CInvLibTBModelIcons> icons;
    provider.GetLibTabModelList(lib, order[t], models, items, icons, CSize(32, 32), RGB(255, 255, 255));
    out << "    tab " << tabs[t] << ": " << Joined(models) << '\n';
  }
  std::vector<std::string> streams;
  std::vector<HTREEITEM> items;
  std::vector<int> styles;
  provider.GetLibStreamList(lib, streams, items, styles);
  for (std::size_t s = 0; s < streams.size(); ++s)
    out << "    stream type " << streams[s] << " (" << LineStyleText(s < styles.size() ? styles[s] : -1) << ")\n";
}

}  // namespace

bool PrintLibraryToolbar(std::ostream& out, const std::string& library) {
  CInvLibTBExplorer& provider = *CInvLibTBExplorer::GetInvInstance();
  provider.GetTreeCount();
  provider.GetParseTree();
  bool found = library.empty();
  out << "Model Libraries:\n";
  for (int lib = 0; lib < provider.GetAllLibCount(); ++lib) {
    if (!library.empty() && provider.GetLibName(lib) != library) continue;
    found = true;
    PrintLibrary(out, provider, lib);
  }
  return found;
}
