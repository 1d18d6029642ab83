#pragma once
// The energy store, the panel readouts and the bump stars.
#include "state/game.h"

namespace zarvo {

void Reset_Energy(Game& g);
void Show_Energy(Game& g);
void Show_Bump_Stars(Game& g);

}  // namespace zarvo
