#include "pilots/monsters.h"

namespace zarvo {

void Monster_Reset(Game&) {}
void Monster_Spawn(Game&) {}
void Monster_Move(Game&) {}

}  // namespace zarvo
