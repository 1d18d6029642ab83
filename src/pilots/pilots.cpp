#include "pilots/pilots.h"

namespace zarvo {

void Pilot_Shuffle(Game&) {}
void Pilot_Setup(Game&) {}
void Pilot_Dispatch(Game&) {}
void Pilot_Bomb(Game&) {}
void Pilot_Flame_Burst(Game&) {}
void Pilot_Kill_Sequence(Game&) {}
void Pilot_Explosion(Game&) {}

}  // namespace zarvo
