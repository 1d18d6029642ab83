#pragma once
// The small monsters that hatch at the hazard places and run along the edge.
#include "shell/game.h"

namespace zarvo {

void Monster_Reset(Game& g);
void Monster_Spawn(Game& g);
void Monster_Move(Game& g);

}  // namespace zarvo
