#pragma once
// The enemy weapons the movers launch: bomb chains, thunder blasts, the Boxer's twin laser,
// the Orbiter's stars and the Clipper's arms and shrapnel, with their per-frame routines.
#include "shell/game.h"

namespace zarvo {

// Bomb chains.
void Start_Chain(Game& g, int slot);
void Start_Chains_All(Game& g, int slot);
// The per-frame chain routine of one enemy type.
void Bomb_Chains(Game& g, int type);

// The per-frame thunder-blast routine of one enemy type (a blast starts by setting Blast_On).
void Thunder_Blast(Game& g, int type);

// The Boxer's twin laser, run by the Boxer mover while it attacks.
void Boxer_Laser(Game& g, int slot);

// The Orbiter's stars: reload at the Orbiter, launch star k (1..8), burst star k.
void Orbiter_Star_Reload(Game& g, int slot);
void Orbiter_Star_Launch(Game& g, int slot, int star);
void Orbiter_Star_Burst(Game& g, int slot, int star);
void Orbiter_Stars(Game& g);

// The Clipper: its mover (arm phases and attack), its arms and shrapnel drawn by its type
// routine, and the cleaning of its arm marks once it is gone.
void Clipper_Mover(Game& g, int slot);
void Clipper_Draw(Game& g, int slot);
void Clipper_Clean_Arms(Game& g, int slot);

}  // namespace zarvo
