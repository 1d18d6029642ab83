#pragma once
// The game panel and the click star burst.
#include "state/game.h"

namespace zarvo {

// The names shown on the panel: difficulties 1..3 (6 letters) and levels 1..8 (16 characters,
// padded with spaces). Entry 0 is empty.
extern const char* const Difficulty_Name[4];
extern const char* const Level_Name[9];

// The game panel below the arena: the panel picture with the difficulty and level names, and
// the background picture chosen by Back_Picture_Choice.
void Show_Panel(Game& g);

// Starts (or restarts) the eight-star burst centred on window pixel (x, y).
void Start_Message_Explose(Game& g, int x, int y);
// Runs one frame of the burst: 20 frames of stars flying apart, then it ends by itself.
void Show_Message_Explose(Game& g);

}  // namespace zarvo
