#pragma once
// The flying pilots and their bombs.
#include "state/game.h"

namespace zarvo {

// Level set-up: spreads the roster over the slots, then puts the pilots on their start blocks.
void Pilot_Shuffle(Game& g);
void Pilot_Setup(Game& g);

// One frame of every pilot on the roster, and of one pilot.
void Pilot_Dispatch(Game& g);
void Pilot_Fly(Game& g, int slot);

// The falling bombs with their flying flames, and the flames' bursts.
void Pilot_Bomb(Game& g);
void Pilot_Flame_Burst(Game& g);

// A pilot's death: the crosshair and triangle, then the debris and 999 points.
void Pilot_Kill_Sequence(Game& g);
void Pilot_Explosion(Game& g);

}  // namespace zarvo
