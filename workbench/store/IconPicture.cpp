#include "workbench/store/IconPicture.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <optional>

#include "workbench/language/TextCase.h"

namespace {

struct Rgb {
  BYTE r, g, b;
};

// The drawing palette (the same 17 colours the stream styles use).
constexpr std::array<Rgb, kIconColours> kPalette = {{{0, 0, 0},
                                                     {0, 0, 128},
                                                     {0, 128, 0},
                                                     {0, 128, 128},
                                                     {128, 0, 0},
                                                     {128, 0, 128},
                                                     {128, 128, 0},
                                                     {192, 192, 192},
                                                     {128, 128, 128},
                                                     {0, 0, 255},
                                                     {0, 255, 0},
                                                     {0, 255, 255},
                                                     {255, 0, 0},
                                                     {255, 0, 255},
                                                     {255, 255, 0},
                                                     {255, 255, 255},
                                                     {235, 235, 235}}};

// Coordinates far outside the grid are clamped so that scaling cannot overflow.
constexpr int kCoordinateLimit = 4 * kIconGrid;

std::string_view Trim(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t' || text.front() == '\r')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) text.remove_suffix(1);
  return text;
}

std::vector<std::string_view> Words(std::string_view line) {
  std::vector<std::string_view> words;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == ';' || line[i] == ',')) ++i;
    const std::size_t start = i;
    while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != ';' && line[i] != ',') ++i;
    if (i > start) words.push_back(line.substr(start, i - start));
  }
  return words;
}

std::optional<int> Number(std::string_view word) {
  int value = 0;
  const char* end = word.data() + word.size();
  auto [ptr, ec] = std::from_chars(word.data(), end, value);
  if (ec != std::errc() || ptr != end) return std::nullopt;
  return std::clamp(value, -kCoordinateLimit, kCoordinateLimit);
}

std::optional<IconShape::Kind> ShapeKind(std::string_view word) {
  if (EqualsNoCase(word, "Fill")) return IconShape::Kind::Fill;
  if (EqualsNoCase(word, "Rectangle")) return IconShape::Kind::Rectangle;
  if (EqualsNoCase(word, "Frame")) return IconShape::Kind::Frame;
  if (EqualsNoCase(word, "Ellipse")) return IconShape::Kind::Ellipse;
  if (EqualsNoCase(word, "Line")) return IconShape::Kind::Line;
  return std::nullopt;
}

std::optional<IconShape> ReadShape(std::string_view line) {
  const std::vector<std::string_view> words = Words(line);
  if (words.empty()) return std::nullopt;
  const std::optional<IconShape::Kind> kind = ShapeKind(words[0]);
  if (!kind) return std::nullopt;
  IconShape shape;
  shape.kind = *kind;
  const std::size_t wanted = *kind == IconShape::Kind::Fill ? 2 : 6;
  if (words.size() != wanted) return std::nullopt;
  std::vector<int> values;
  for (std::size_t i = 1; i < words.size(); ++i) {
    const std::optional<int> value = Number(words[i]);
    if (!value) return std::nullopt;
    values.push_back(*value);
  }
  shape.colour = values.back();
  if (shape.colour < 0 || shape.colour >= kIconColours) return std::nullopt;
  if (*kind != IconShape::Kind::Fill) {
    shape.x1 = values[0];
    shape.y1 = values[1];
    shape.x2 = values[2];
    shape.y2 = values[3];
  }
  return shape;
}

// Each line of text with where it starts.
template <class F>
void ForEachLine(std::string_view text, F&& f) {
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t end = text.find('\n', start);
    const std::size_t stop = end == std::string_view::npos ? text.size() : end;
    f(text.substr(start, stop - start), start);
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
}

constexpr std::string_view kNameMark = "Name = ";

struct PixelRect {
  int x1, y1, x2, y2;  // x2, y2 outside
};

PixelRect ToPixels(const IconShape& shape, int size) {
  auto scale = [&](int v) { return static_cast<int>(std::lround(static_cast<double>(v) * size / kIconGrid)); };
  PixelRect r{scale(std::min(shape.x1, shape.x2)), scale(std::min(shape.y1, shape.y2)),
              scale(std::max(shape.x1, shape.x2)), scale(std::max(shape.y1, shape.y2))};
  return r;
}

class CCanvas {
 public:
  explicit CCanvas(int size) : m_size(size) { m_image.width = m_image.height = size; m_image.pixels.assign(size * size, 0u); }
  void Set(int x, int y, std::uint32_t colour) {
    if (x >= 0 && y >= 0 && x < m_size && y < m_size) m_image.pixels[static_cast<std::size_t>(y * m_size + x)] = colour;
  }
  void Fill(const PixelRect& r, std::uint32_t colour) {
    for (int y = std::max(r.y1, 0); y < std::min(r.y2, m_size); ++y)
      for (int x = std::max(r.x1, 0); x < std::min(r.x2, m_size); ++x) Set(x, y, colour);
  }
  void Frame(const PixelRect& r, std::uint32_t colour) {
    if (r.x2 <= r.x1 || r.y2 <= r.y1) return;
    for (int x = r.x1; x < r.x2; ++x) {
      Set(x, r.y1, colour);
      Set(x, r.y2 - 1, colour);
    }
    for (int y = r.y1; y < r.y2; ++y) {
      Set(r.x1, y, colour);
      Set(r.x2 - 1, y, colour);
    }
  }
  void Ellipse(const PixelRect& r, std::uint32_t colour) {
    const double cx = (r.x1 + r.x2) / 2.0, cy = (r.y1 + r.y2) / 2.0;
    const double rx = (r.x2 - r.x1) / 2.0, ry = (r.y2 - r.y1) / 2.0;
    if (rx <= 0 || ry <= 0) return;
    for (int y = std::max(r.y1, 0); y < std::min(r.y2, m_size); ++y)
      for (int x = std::max(r.x1, 0); x < std::min(r.x2, m_size); ++x) {
        const double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
        if (dx * dx + dy * dy <= 1.0) Set(x, y, colour);
      }
  }
  void Line(int x1, int y1, int x2, int y2, std::uint32_t colour) {
    const int dx = std::abs(x2 - x1), dy = -std::abs(y2 - y1);
    const int sx = x1 < x2 ? 1 : -1, sy = y1 < y2 ? 1 : -1;
    int error = dx + dy;
    for (int steps = 0; steps <= 4 * kCoordinateLimit; ++steps) {
      Set(x1, y1, colour);
      if (x1 == x2 && y1 == y2) break;
      const int twice = 2 * error;
      if (twice >= dy) {
        error += dy;
        x1 += sx;
      }
      if (twice <= dx) {
        error += dx;
        y1 += sy;
      }
    }
  }
  IconImage Take() { return std::move(m_image); }

 private:
  int m_size;
  IconImage m_image;
};

COLORREF ColourRef(int index) {
  const Rgb c = kPalette[static_cast<std::size_t>(std::clamp(index, 0, kIconColours - 1))];
  return RGB(c.r, c.g, c.b);
}

}  // namespace

std::uint32_t IconColour(int index) {
  if (index < 0 || index >= kIconColours) return 0xFF000000u;
  const Rgb c = kPalette[static_cast<std::size_t>(index)];
  return 0xFF000000u | (std::uint32_t{c.r} << 16) | (std::uint32_t{c.g} << 8) | c.b;
}

std::vector<IconShape> ReadIconShapes(std::string_view text) {
  std::vector<IconShape> shapes;
  ForEachLine(text, [&](std::string_view line, std::size_t) {
    line = Trim(line);
    if (line.empty() || line.substr(0, 2) == "//") return;
    if (std::optional<IconShape> shape = ReadShape(line)) shapes.push_back(*shape);
  });
  return shapes;
}

std::string IconNameInText(std::string_view text) {
  const std::size_t mark = text.find(kNameMark);
  if (mark == std::string_view::npos) return {};
  const std::vector<std::string_view> words = Words(text.substr(mark + kNameMark.size(), text.find('\n', mark) - mark - kNameMark.size()));
  return words.empty() ? std::string() : std::string(words[0]);
}

std::string SetIconNameInText(std::string_view text, std::string_view name) {
  if (Trim(text).empty()) return "Icon " + std::string(name) + "\n  Name = " + std::string(name) + "\nEnd\n";
  std::vector<std::string> lines;
  ForEachLine(text, [&](std::string_view line, std::size_t) { lines.emplace_back(line); });
  std::size_t header = lines.size();
  for (std::size_t i = 0; i < lines.size() && header == lines.size(); ++i) {
    const std::string_view trimmed = Trim(lines[i]);
    if (!trimmed.empty() && trimmed.substr(0, 2) != "//") header = i;
  }
  bool named = false;
  for (std::string& line : lines) {
    const std::size_t mark = line.find(kNameMark);
    if (mark == std::string::npos) continue;
    const std::size_t begin = mark + kNameMark.size();
    std::size_t end = begin;
    while (end < line.size() && line[end] != ' ' && line[end] != '\t' && line[end] != ';' && line[end] != '\r') ++end;
    line = line.substr(0, begin) + std::string(name) + line.substr(end);
    named = true;
    break;
  }
  if (header < lines.size()) {
    const std::vector<std::string_view> words = Words(Trim(lines[header]));
    if (!words.empty() && EqualsNoCase(words[0], "Icon")) lines[header] = "Icon " + std::string(name);
  }
  if (!named) {
    const std::size_t at = header < lines.size() ? header + 1 : 0;
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), "  Name = " + std::string(name));
  }
  std::string result;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i) result += '\n';
    result += lines[i];
  }
  return result;
}

std::string DefaultIconText(std::string_view name) {
  // The colour follows the name, so models are told apart at a glance.
  constexpr int kColours[] = {1, 2, 3, 4, 5, 6, 9, 10, 11, 12, 13, 14};
  std::uint32_t hash = 2166136261u;
  for (char c : name) hash = (hash ^ static_cast<unsigned char>(ToLowerAscii(c))) * 16777619u;
  const int colour = kColours[hash % std::size(kColours)];
  const std::string n(name);
  return "Icon " + n + "\n  Name = " + n + "\n  Rectangle 3 5 29 27 " + std::to_string(colour) +
         "\n  Frame 3 5 29 27 0\n  Ellipse 11 11 21 21 15\n  Line 0 16 3 16 0\n  Line 29 16 32 16 0\nEnd\n";
}

std::vector<IconShape> IconShapesOrDefault(std::string_view text, std::string_view name) {
  std::vector<IconShape> shapes = ReadIconShapes(text);
  if (shapes.empty()) shapes = ReadIconShapes(DefaultIconText(name));
  return shapes;
}

IconImage RenderIcon(const std::vector<IconShape>& shapes, int size) {
  size = std::clamp(size, 1, 256);
  CCanvas canvas(size);
  for (const IconShape& shape : shapes) {
    const std::uint32_t colour = IconColour(shape.colour);
    const PixelRect r = ToPixels(shape, size);
    switch (shape.kind) {
      case IconShape::Kind::Fill: canvas.Fill({0, 0, size, size}, colour); break;
      case IconShape::Kind::Rectangle: canvas.Fill(r, colour); break;
      case IconShape::Kind::Frame: canvas.Frame(r, colour); break;
      case IconShape::Kind::Ellipse: canvas.Ellipse(r, colour); break;
      case IconShape::Kind::Line: {
        auto scale = [&](int v) { return std::min(static_cast<int>(static_cast<long>(v) * size / kIconGrid), size - 1); };
        canvas.Line(scale(shape.x1), scale(shape.y1), scale(shape.x2), scale(shape.y2), colour);
        break;
      }
    }
  }
  return canvas.Take();
}

void DrawIcon(const std::vector<IconShape>& shapes, CDC& dc, const CRect& rect) {
  auto mapX = [&](int x) { return rect.left + static_cast<int>(static_cast<long>(x) * rect.Width() / kIconGrid); };
  auto mapY = [&](int y) { return rect.top + static_cast<int>(static_cast<long>(y) * rect.Height() / kIconGrid); };
  for (const IconShape& shape : shapes) {
    const CBrush brush(ColourRef(shape.colour));
    const CRect target(mapX(std::min(shape.x1, shape.x2)), mapY(std::min(shape.y1, shape.y2)),
                       mapX(std::max(shape.x1, shape.x2)), mapY(std::max(shape.y1, shape.y2)));
    switch (shape.kind) {
      case IconShape::Kind::Fill: dc.FillRect(rect, brush); break;
      case IconShape::Kind::Rectangle: dc.FillRect(target, brush); break;
      case IconShape::Kind::Frame: dc.FrameRect(target, brush); break;
      case IconShape::Kind::Ellipse: {
        // Row by row: the drawing list knows rectangles and lines.
        const double cy = (target.top + target.bottom) / 2.0, ry = target.Height() / 2.0;
        const double cx = (target.left + target.right) / 2.0, rx = target.Width() / 2.0;
        if (rx <= 0 || ry <= 0) break;
        for (int y = target.top; y < target.bottom; ++y) {
          const double dy = (y + 0.5 - cy) / ry;
          if (dy * dy > 1.0) continue;
          const double half = rx * std::sqrt(1.0 - dy * dy);
          const int left = static_cast<int>(std::lround(cx - half)), right = static_cast<int>(std::lround(cx + half));
          if (right > left) dc.FillRect(CRect(left, y, right, y + 1), brush);
        }
        break;
      }
      case IconShape::Kind::Line:
        dc.SelectObject(CPen(PS_SOLID, 1, ColourRef(shape.colour)));
        dc.MoveTo(mapX(shape.x1), mapY(shape.y1));
        dc.LineTo(mapX(shape.x2), mapY(shape.y2));
        break;
    }
  }
}
