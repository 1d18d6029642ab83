#pragma once
// The crosshair of the figure's appearance and death sequences, kept in the player's own
// fields: it starts at the centre of the playing area and slides onto its target.
#include "effects/kill_sequence.h"

namespace zarvo {

// Puts the crosshair at its start, aimed at (tx, ty), with the warning sound.
void Start_Crosshair(Game& g, int tx, int ty);
void Draw_Ego_Crosshair(Game& g);
// One frame of the slide, drawn; answers true once the crossing stands on (tx, ty).
bool Approach_Crosshair(Game& g, int tx, int ty);

}  // namespace zarvo
