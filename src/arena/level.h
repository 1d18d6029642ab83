#pragma once
// Level set-up: the level table, the difficulty settings and the rosters.
#include "shell/game.h"

namespace zarvo {

void Set_Level(Game& g);

}  // namespace zarvo
