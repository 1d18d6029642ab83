#pragma once
// The hazards on the twelve places: Blasters with their flames, blocks and fuses, and Pyrs.
#include "state/game.h"

namespace zarvo {

void Pyr_Setup(Game& g, int count);
void Blaster_Setup(Game& g, int count);
void Pyr_Routine(Game& g);
void Blaster_Routine(Game& g);
void Blast_Thunder(Game& g);
void Flame_Mover(Game& g);
void Fuse_Mover(Game& g);
void Blaster_Blocker(Game& g);
void Flame_End_Burst(Game& g);
void Fuse_End_Burst(Game& g);
void Pyr_Explosion(Game& g);
void Blaster_Explosion(Game& g);
void Pyr_Kill_Sequence(Game& g);
void Blaster_Kill_Sequence(Game& g);

}  // namespace zarvo
