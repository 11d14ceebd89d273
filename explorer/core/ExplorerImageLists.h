// The two image lists every Explorer pane shows its nodes' icons from: one
// large (32 by 32) and one small (16 by 16) per process, each with the seven
// overlay images. Icons are added once per process: an icon cache maps an icon
// to its images, and the icon added last is remembered for a quick repeat.
#pragma once

#include <cstddef>

#include "explorer/resources/IconIds.h"
#include "platform/ImageList.h"

// The icon resources of overlays 1 to 7; overlay 1 marks a node that is "not OK".
inline constexpr UINT kOverlayIconIds[7] = {
    IDI_OVERLAY_ERROR_MARK,       IDI_OVERLAY_DEFAULT_MARK, IDI_OVERLAY_SPARE, IDI_OVERLAY_AVAILABLE,
    IDI_OVERLAY_PROBLEM_VARIABLE, IDI_OVERLAY_EQUIVALENCE,  IDI_OVERLAY_ACTIVE};

struct ExplorerImageIndex {
  int large = -1;
  int small = -1;
};

class CExplorerImageLists {
 public:
  // The lists, created with their overlays on first use.
  static CImageList& Large();
  static CImageList& Small();

  // The images of icon resource id; rememberAsLast false leaves the last-icon memory alone.
  static ExplorerImageIndex AddIconResource(UINT iconId, bool rememberAsLast = true);
  // The images of an icon (a resource or a picture the host supplied); -1 for a null icon.
  static ExplorerImageIndex AddIcon(HICON icon, bool rememberAsLast = true);

  // How many distinct icons were added through the cache.
  static std::size_t CachedIconCount();
};
