// The picture of an icon, kept as text in its definition and drawn from it:
//
//   Icon Tank
//     Name = Tank
//     Fill 15
//     Rectangle 6 4 26 28 7
//     Frame 6 4 26 28 0
//     Ellipse 10 8 22 14 9
//     Line 16 28 16 32 0
//   End
//
// Coordinates are on a 32 by 32 grid (x to the right, y down; the second
// corner is outside the shape), colours are indices of the 17-colour drawing
// palette. Lines the picture does not know, and comments, are passed over.
// A text that draws nothing gets the default picture of its name.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Draw.h"
#include "platform/Resources.h"

struct IconShape {
  enum class Kind { Fill, Rectangle, Frame, Ellipse, Line };
  Kind kind = Kind::Fill;
  int x1 = 0, y1 = 0, x2 = 32, y2 = 32;
  int colour = 0;
};

constexpr int kIconGrid = 32;
constexpr int kIconColours = 17;

// The colour of palette index (0xAARRGGBB, opaque); index outside 0..16 gives black.
std::uint32_t IconColour(int index);

std::vector<IconShape> ReadIconShapes(std::string_view text);
// The first word after "Name = ", empty when there is none.
std::string IconNameInText(std::string_view text);
// The text with its "Name = " word (and the header name) replaced; a text
// without a "Name = " line gets one after its header.
std::string SetIconNameInText(std::string_view text, std::string_view name);
// A definition that draws a framed box in a colour chosen by the name.
std::string DefaultIconText(std::string_view name);
// The shapes of text, or those of the default picture when text draws nothing.
std::vector<IconShape> IconShapesOrDefault(std::string_view text, std::string_view name);

// The picture at size by size pixels (32 or 16), transparent where nothing is drawn.
IconImage RenderIcon(const std::vector<IconShape>& shapes, int size);
// Draws the picture scaled into rect.
void DrawIcon(const std::vector<IconShape>& shapes, CDC& dc, const CRect& rect);
