#pragma once
// The ground enemies: roster, set-up, dispatch, damage, kill sequence and explosion.
#include "state/game.h"

namespace zarvo {

// The record of a slot (1..11).
inline Enimy_Rec& Enimy(Game& g, int slot) {
    return g.w.enemies.Enimy_Table[slot];
}

void Enimy_Shuffle(Game& g);
void Enimy_Setup(Game& g);
void Enimy_Dispatch(Game& g);
// Burn spots, and the hits of shots and holes inside the block; first in every type routine.
void Enimy_Damage(Game& g, int slot);
void Enimy_Kill_Sequence(Game& g);
void Enimy_Explosion(Game& g);
// The thunder blasts of every type, in the type order 6, 7, 4, 1, 5, 3, 2.
void Enimy_Thunder_Blasts(Game& g);
// The shots of every type that has them, in the type order 5, 6, 7, 2, 4, 1.
void Enimy_Shots(Game& g);
// The bomb chains of every type, in the type order 4, 6, 5, 1, 7, 3, 2.
void Enimy_Chains(Game& g);

// The type routines: damage, drawing, then the mover.
void Boxer_Routine(Game& g, int slot);
void Orbiter_Routine(Game& g, int slot);
void Clipper_Routine(Game& g, int slot);
void Expander_Routine(Game& g, int slot);
void Tank_Routine(Game& g, int slot);
void Spider_Routine(Game& g, int slot);
void Sub_Routine(Game& g, int slot);

}  // namespace zarvo
