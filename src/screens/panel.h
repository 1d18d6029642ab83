#pragma once
// The game panel, the bitmap text and the click star burst.
#include <string_view>

#include "state/game.h"

namespace zarvo {

// The names shown on the panel: difficulties 1..3 (6 letters) and levels 1..8 (16 characters,
// padded with spaces). Entry 0 is empty.
extern const char* const Difficulty_Name[4];
extern const char* const Level_Name[9];

// The game panel below the arena: the panel picture with the difficulty and level names, and
// the background picture chosen by Back_Picture_Choice.
void Show_Panel(Game& g);

// Draws text with the bitmap alphabet, the first character's top-left corner at (x, y), one
// character every 10 pixels; lower-case letters come out as capitals and characters without a
// glyph leave a gap.
void Show_Text(Game& g, std::string_view text, int x, int y);
// The glyph of the bitmap alphabet for a character, or -1 when it has none.
int Glyph_Index(char c);

// Starts (or restarts) the eight-star burst centred on window pixel (x, y).
void Start_Message_Explose(Game& g, int x, int y);
// Runs one frame of the burst: 20 frames of stars flying apart, then it ends by itself.
void Show_Message_Explose(Game& g);

}  // namespace zarvo
