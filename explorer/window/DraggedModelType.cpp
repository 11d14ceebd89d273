#include "explorer/window/DraggedModelType.h"

#include <string>

#include "explorer/core/ExplorerContainerObject.h"
#include "explorer/window/ExplorerContainerCast.h"
#include "explorer/window/ExplorerNodeExtensions.h"
#include "platform/Resources.h"

namespace {

constexpr UINT IDS_ICON = 13588;         // "Icon"
constexpr UINT IDS_BLOCK_TYPE = 53571;   // "Block Type"
constexpr UINT IDS_STREAM_TYPE = 53572;  // "Stream Type"

}  // namespace

bool DraggedModelType(CExplorerObject& node, IRModelType*& modelType) {
  modelType = nullptr;
  std::string className;
  node.GetClassName(className);
  if (className == LoadStringOrEmpty(IDS_ICON)) {
    auto* icon = dynamic_cast<IExplorerIconNode*>(&node);
    modelType = icon ? icon->GetIconModelType() : nullptr;
    return modelType != nullptr;
  }
  if (className != LoadStringOrEmpty(IDS_BLOCK_TYPE) && className != LoadStringOrEmpty(IDS_STREAM_TYPE)) return true;
  auto* container = AsContainer(&node);
  modelType = container ? container->GetModelType() : nullptr;
  return modelType != nullptr;
}
