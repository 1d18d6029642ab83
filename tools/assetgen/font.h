#pragma once
// The lettering of the game: one 5 x 7 pixel design for every character, drawn small on the
// pictures' labels, outlined as the bitmap alphabet, and in big shaded blocks for
// the title. The '*' of the alphabet is the game's text cursor: a solid block.
#include <string_view>

#include "raster.h"

namespace assetgen {

inline constexpr int Glyph_Columns = 5;
inline constexpr int Glyph_Rows = 7;

// True where the design of c has a pixel; characters without a design have none.
bool Glyph_Pixel(char c, int column, int row);
bool Has_Glyph(char c);

// Plain 5 x 7 letters, 6 pixels apart, in one colour.
void Small_Text(Image& img, std::string_view text, int x, int y, Colour c);
int Small_Text_Width(std::string_view text);
// The same, centred on x.
void Small_Text_Centred(Image& img, std::string_view text, int cx, int y, Colour c);

// The bitmap alphabet's look: letters with a gradient and a dark outline, 8 x 10 cells
// 10 pixels apart. Upper case only.
void Game_Text(Image& img, std::string_view text, int x, int y);
void Game_Text_Centred(Image& img, std::string_view text, int cx, int y);
// One glyph of the bitmap alphabet drawn into its own canvas (8 wide, 10 or 11 high).
Image Alphabet_Glyph(char c, int height, int32_t key);

// Title lettering: every design pixel becomes a bevelled block of cell x cell pixels.
void Big_Text(Image& img, std::string_view text, int x, int y, int cell, Colour top, Colour bottom);
// The same letters' shape in one flat colour, for the shadow under them.
void Big_Text_Shadow(Image& img, std::string_view text, int x, int y, int cell, Colour c);
int Big_Text_Width(std::string_view text, int cell);

}  // namespace assetgen
