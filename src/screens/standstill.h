#pragma once
// The look of a game that stands still, drawn over the finished frame in the game's own
// lettering: the picture dimmed behind a box in the colours of the game's boxes, a large word
// and a line under it. A pause and a window that lost its focus look the same, in the window
// and on the page; the help screen stands in the same box.
#include <string_view>

#include "platform/surface.h"
#include "state/game.h"

namespace zarvo {

// Characters of the large lettering are twice the panel's: 16 x 20 pixels, 20 apart.
inline constexpr int Large_Text_Advance = 20;

// Dims the whole picture and draws an empty box of width x height pixels centred over the
// arena; answers the box's place.
Pixel_Rect Show_Backdrop_Box(Surface& picture, int width, int height);
// Text twice the panel's size; its top-left corner at (x, y).
void Show_Large_Text(Game& g, std::string_view text, int x, int y);
// Text centred on the column x (panel size when `large` is false).
void Show_Centred_Text(Game& g, std::string_view text, int x, int y, bool large);
// The standstill: `word` large and `line` under it, in a box over the dimmed picture.
void Show_Standstill(Game& g, Surface& picture, std::string_view word, std::string_view line);

}  // namespace zarvo
