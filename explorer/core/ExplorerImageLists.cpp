#include "explorer/core/ExplorerImageLists.h"

#include <unordered_map>

#include "platform/Resources.h"

namespace {

constexpr int kGrowBy = 10;

struct IconCache {
  std::unordered_map<HICON, ExplorerImageIndex> images;
  HICON lastIcon = nullptr;
  ExplorerImageIndex lastImages;
};

IconCache& Cache() {
  static IconCache cache;
  return cache;
}

void CreateWithOverlays(CImageList& list, int size) {
  list.Create(size, size, ILC_MASK | ILC_COLORDDB, 0, kGrowBy);
  int overlay = 1;
  for (UINT iconId : kOverlayIconIds) {
    int image = list.Add(LoadIcon(iconId));
    if (image >= 0) list.SetOverlayImage(image, overlay);
    ++overlay;
  }
}

}  // namespace

CImageList& CExplorerImageLists::Large() {
  static CImageList list;
  if (!list.IsCreated()) CreateWithOverlays(list, 32);
  return list;
}

CImageList& CExplorerImageLists::Small() {
  static CImageList list;
  if (!list.IsCreated()) CreateWithOverlays(list, 16);
  return list;
}

ExplorerImageIndex CExplorerImageLists::AddIconResource(UINT iconId, bool rememberAsLast) {
  return AddIcon(LoadIcon(iconId), rememberAsLast);
}

ExplorerImageIndex CExplorerImageLists::AddIcon(HICON icon, bool rememberAsLast) {
  if (!icon) return {};
  IconCache& cache = Cache();
  if (icon == cache.lastIcon) return cache.lastImages;
  ExplorerImageIndex images;
  auto found = cache.images.find(icon);
  if (found != cache.images.end()) {
    images = found->second;
  } else {
    images.large = Large().Add(icon);
    images.small = Small().Add(icon);
    cache.images.emplace(icon, images);
  }
  if (rememberAsLast) {
    cache.lastIcon = icon;
    cache.lastImages = images;
  }
  return images;
}

std::size_t CExplorerImageLists::CachedIconCount() { return Cache().images.size(); }
