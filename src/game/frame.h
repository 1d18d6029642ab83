#pragma once
// Program start and the frame: the modes and the 32 steps of a game frame.
#include "state/game.h"

namespace zarvo {

// Sets every piece of shared state to its start value; seeds the generator with seed.
void FormCreate(Game& g, uint32_t seed, int screen_width, int screen_height);
// One tick of the frame timer.
void DXTimer1Timer(Game& g);
// The surface is torn down: give the pointer back.
void DXDraw1Finalize(Game& g);
// The sprite engine draws its one sprite, the background picture.
void Draw_Sprites(Game& g);
// The level-complete test of every game frame.
void Level_Complete_Test(Game& g);

}  // namespace zarvo
