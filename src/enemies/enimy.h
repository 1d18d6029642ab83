#pragma once
// The ground enemies: roster, set-up, dispatch, kill sequence and explosion.
#include "shell/game.h"

namespace zarvo {

void Enimy_Shuffle(Game& g);
void Enimy_Setup(Game& g);
void Enimy_Dispatch(Game& g);
void Enimy_Kill_Sequence(Game& g);
void Enimy_Explosion(Game& g);
// The thunder blasts of every type, in the type order 6, 7, 4, 1, 5, 3, 2.
void Enimy_Thunder_Blasts(Game& g);
// The shots of every type that has them, in the type order 5, 6, 7, 2, 4, 1.
void Enimy_Shots(Game& g);
// The bomb chains of every type, in the type order 4, 6, 5, 1, 7, 3, 2.
void Enimy_Chains(Game& g);

}  // namespace zarvo
