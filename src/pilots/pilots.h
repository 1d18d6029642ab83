#pragma once
// The flying pilots and their bombs.
#include "shell/game.h"

namespace zarvo {

void Pilot_Shuffle(Game& g);
void Pilot_Setup(Game& g);
void Pilot_Dispatch(Game& g);
void Pilot_Bomb(Game& g);
void Pilot_Flame_Burst(Game& g);
void Pilot_Kill_Sequence(Game& g);
void Pilot_Explosion(Game& g);

}  // namespace zarvo
