#include "app/icons/HostIconImage.h"

QImage ImageFromHostPixels(const IconImage& image) {
  if (image.width <= 0 || image.height <= 0 || image.width > 1024 || image.height > 1024) return {};
  const auto expected = static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height);
  if (image.pixels.size() != expected) return {};
  QImage result(image.width, image.height, QImage::Format_ARGB32);
  for (int y = 0; y < image.height; ++y) {
    auto* line = reinterpret_cast<std::uint32_t*>(result.scanLine(y));
    const std::uint32_t* source = image.pixels.data() + static_cast<std::size_t>(y) * image.width;
    std::copy(source, source + image.width, line);
  }
  return result;
}
