#include "explorer/window/DraggedModelType.h"

#include <string>

#include "explorer/core/ExplorerContainerObject.h"
#include "explorer/resources/StringIds.h"
#include "explorer/window/ExplorerContainerCast.h"
#include "explorer/window/ExplorerNodeExtensions.h"
#include "platform/Resources.h"

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
