#pragma once
// Every picture of the four image lists, painted from nothing but code. Each painter answers
// a canvas of exactly its catalogue size and key; the seed varies the texture and scatter
// within one look, and the same seed always paints the same pixels.
#include <cstdint>

#include "raster.h"

namespace assetgen {

// The game's one tagline, under its name on the title picture and on the title panel.
inline constexpr const char* Tagline = "CLAIM - CUT - SURVIVE";

// The item at index of list (paint_lists.cpp chooses the painter).
Image Paint_Item(zarvo::Image_List list, int index, uint32_t seed);

// paint_floor.cpp: the floor plate and the edge pieces.
Image Paint_Kachel(uint32_t seed);
Image Paint_Edge_Piece(int index, uint32_t seed);

// paint_icons.cpp: the small items of the first list: hearts, stars, balls, digits, the
// pointer, the crosshair, the laser pieces and the kill-sequence triangle.
Image Paint_Icon(int index, uint32_t seed);

// paint_figures.cpp: the player's figure and its star-shot rockets, the pilot, the monsters.
Image Paint_Ego(int index);
Image Paint_Ego_Fire(int index);
Image Paint_Pilot(int index);
Image Paint_Monster(int index);

// paint_enemies.cpp: the ground enemies with their shadows, the bomb, rockets and the
// Orbiter's star.
Image Paint_Enemy_1(int index, uint32_t seed);
Image Paint_Enemy_2(int index, uint32_t seed);

// paint_hazards.cpp: the Pyr, the Blaster, its blocks and their flames.
Image Paint_Hazard(int index, uint32_t seed);

// paint_blasts.cpp: explosions, debris, smoke, flames and thunder.
Image Paint_Blast_1(int index, uint32_t seed);
Image Paint_Blast_2(int index, uint32_t seed);
Image Paint_Big_Blast(int index, uint32_t seed);

// paint_screens.cpp: the panels and the boxes with their buttons.
Image Paint_Screen(int index, uint32_t seed);
// paint_backdrops.cpp: the two full-size pictures behind the game.
Image Paint_Backdrop(int index, uint32_t seed);

}  // namespace assetgen
