#pragma once
// The full-screen crosshair of the player's sequences: it starts at the centre of the playing
// area and slides onto its target at up to 8 pixels per axis and frame.
#include "shell/game.h"

namespace zarvo {

inline constexpr int Cross_Start_X = 310;
inline constexpr int Cross_Start_Y = 214;

// Puts the crosshair at its start, aimed at (tx, ty), with the warning sound.
void Start_Crosshair(Game& g, int tx, int ty);
void Draw_Crosshair(Game& g);
// One frame of the slide, drawn; answers true once the crossing stands on (tx, ty).
bool Approach_Crosshair(Game& g, int tx, int ty);

}  // namespace zarvo
