#include "explorer/nodes/library/IconPictureImages.h"

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "host/model/IQVIcon.h"
#include "platform/Resources.h"

namespace {

std::uint64_t HashImage(std::uint64_t hash, const IconImage& image) {
  auto mix = [&hash](std::uint64_t value) {
    hash ^= value;
    hash *= 1099511628211ull;
  };
  mix(static_cast<std::uint64_t>(image.width));
  mix(static_cast<std::uint64_t>(image.height));
  for (std::uint32_t pixel : image.pixels) mix(pixel);
  return hash;
}

bool SameImage(const IconImage& a, const IconImage& b) {
  return a.width == b.width && a.height == b.height && a.pixels == b.pixels;
}

// Pictures by hash; pictures whose hashes collide are told apart by their pixels.
std::unordered_multimap<std::uint64_t, HICON>& Pictures() {
  static std::unordered_multimap<std::uint64_t, HICON> pictures;
  return pictures;
}

HICON PictureHandle(const std::string& name, const IconImage& large, const IconImage& small) {
  const std::uint64_t hash = HashImage(HashImage(14695981039346656037ull, large), small);
  auto range = Pictures().equal_range(hash);
  for (auto it = range.first; it != range.second; ++it) {
    const IconData* data = GetIconData(it->second);
    if (data && SameImage(data->large, large) && SameImage(data->small, small)) return it->second;
  }
  HICON icon = CreateIconFromImages(name, large, small);
  if (icon) Pictures().emplace(hash, icon);
  return icon;
}

}  // namespace

ExplorerImageIndex IconPictureImages(IQVIcon* icon) {
  if (!icon) return {};
  IconImage large, small;
  if (FAILED(icon->GetImages(large, small)) || (large.pixels.empty() && small.pixels.empty())) return {};
  std::string name;
  icon->GetName(name);
  return CExplorerImageLists::AddIcon(PictureHandle(name, large, small), false);
}

std::size_t IconPictureCount() { return Pictures().size(); }
