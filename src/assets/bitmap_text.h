#pragma once
// The bitmap alphabet: text drawn glyph by glyph from the catalogue's Abc list.
#include <string_view>

#include "platform/media.h"

namespace zarvo {

// Draws text with the bitmap alphabet, the first character's top-left corner at (x, y), one
// character every 10 pixels; lower-case letters come out as capitals and characters without a
// glyph leave a gap.
void Show_Text(Media& m, std::string_view text, int x, int y);
// The glyph of the bitmap alphabet for a character, or -1 when it has none.
int Glyph_Index(char c);

}  // namespace zarvo
