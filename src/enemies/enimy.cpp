#include "enemies/enimy.h"

namespace zarvo {

void Enimy_Shuffle(Game&) {}
void Enimy_Setup(Game&) {}
void Enimy_Dispatch(Game&) {}
void Enimy_Kill_Sequence(Game&) {}
void Enimy_Explosion(Game&) {}
void Enimy_Thunder_Blasts(Game&) {}
void Enimy_Shots(Game&) {}
void Enimy_Chains(Game&) {}

}  // namespace zarvo
