#pragma once
// The name entry after a game.
#include "state/game.h"

namespace zarvo {

void Show_Set_Score_New(Game& g);

}  // namespace zarvo
