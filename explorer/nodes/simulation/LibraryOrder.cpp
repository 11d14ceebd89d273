#include "explorer/nodes/simulation/LibraryOrder.h"

#include "platform/TextCompare.h"

namespace {

constexpr const char* kHiddenLibrary = "syslib.dsl";
constexpr const char* kModeler = "Modeler";
constexpr const char* kSystemLibrary = "SystemLibrary";

}  // namespace

bool IsShownLibrary(const std::string& name) { return name != kHiddenLibrary; }

std::vector<std::size_t> LibraryTreeOrder(const std::vector<std::string>& names) {
  std::vector<std::size_t> order, modeler, system;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (!IsShownLibrary(names[i])) continue;
    if (CompareNoCase(names[i], kModeler) == 0) {
      modeler.push_back(i);
    } else if (CompareNoCase(names[i], kSystemLibrary) == 0) {
      system.push_back(i);
    } else {
      order.push_back(i);
    }
  }
  order.insert(order.end(), modeler.begin(), modeler.end());
  order.insert(order.end(), system.begin(), system.end());
  return order;
}
