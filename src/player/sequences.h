#pragma once
// The figure's appearance and death sequences.
#include "state/game.h"

namespace zarvo {

void Show_Ego_Implose(Game& g);
void Show_Ego_Explose(Game& g);

}  // namespace zarvo
