#pragma once
// The figure's appearance and death sequences.
#include "state/game.h"

namespace zarvo {

void Show_Ego_Implose(Game& g);
void Show_Ego_Explose(Game& g);

// A screen over the game gives the controls back: the figure is free again, unless its
// appearance or its death is still running, which keeps it frozen to the end. (Freed during
// its death, it would walk off and reappear wherever it had walked to.)
void Resume_Ego(Game& g);

}  // namespace zarvo
