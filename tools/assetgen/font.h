#pragma once
// The lettering of the game: one 8 x 10 pixel design for every character, with strokes two
// pixels thick that fill the cell, the same on every label painted on the pictures, in the
// bitmap alphabet the game writes with, and blown up into shaded blocks for the title.
// The '*' of the alphabet is the game's text cursor: a solid block.
#include <string_view>

#include "raster.h"

namespace assetgen {

inline constexpr int Glyph_Columns = 8;
inline constexpr int Glyph_Rows = 10;
// The game writes a character every 10 pixels; labels painted on the pictures do the same
// unless they must fit a narrow cell.
inline constexpr int Text_Advance = 10;

// True where the design of c has a pixel; characters without a design have none.
bool Glyph_Pixel(char c, int column, int row);
bool Has_Glyph(char c);

// Letters in one flat colour, a character every `advance` pixels.
void Small_Text(Image& img, std::string_view text, int x, int y, Colour c,
                int advance = Text_Advance);
int Small_Text_Width(std::string_view text, int advance = Text_Advance);
// The same, centred on x.
void Small_Text_Centred(Image& img, std::string_view text, int cx, int y, Colour c,
                        int advance = Text_Advance);

// The bitmap alphabet's look: letters lit from above, a character every 10 pixels.
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
