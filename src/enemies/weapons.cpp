#include "enemies/weapons.h"

namespace zarvo {

void Start_Chain(Game&, int) {}
void Start_Chains_All(Game&, int) {}
void Bomb_Chains(Game&, int) {}
void Thunder_Blast(Game&, int) {}
void Boxer_Laser(Game&, int) {}
void Orbiter_Star_Reload(Game&, int) {}
void Orbiter_Star_Launch(Game&, int, int) {}
void Orbiter_Star_Burst(Game&, int, int) {}
void Orbiter_Stars(Game&) {}
void Clipper_Mover(Game&, int) {}
void Clipper_Draw(Game&, int) {}
void Clipper_Clean_Arms(Game&, int) {}

}  // namespace zarvo
