#include "enemies/hazards.h"

namespace zarvo {

void Pyr_Setup(Game&, int) {}
void Blaster_Setup(Game&, int) {}
void Pyr_Routine(Game&) {}
void Blaster_Routine(Game&) {}
void Blast_Thunder(Game&) {}
void Flame_Mover(Game&) {}
void Fuse_Mover(Game&) {}
void Blaster_Blocker(Game&) {}
void Flame_End_Burst(Game&) {}
void Fuse_End_Burst(Game&) {}
void Pyr_Explosion(Game&) {}
void Blaster_Explosion(Game&) {}
void Pyr_Kill_Sequence(Game&) {}
void Blaster_Kill_Sequence(Game&) {}

}  // namespace zarvo
