#pragma once
// The Blaster's flames, blocks and fuses, as the Blaster itself uses them.
#include "state/game.h"

namespace zarvo {

// Clears the flame slots and star burst of the place.
void Clear_Flames(Blaster_Rec& b);
// Clears the three fuses.
void Clear_Fuses(Game& g);
// Runs the place's star burst and relaunches its spent flames.
void Flame_Launcher(Game& g, int place);

}  // namespace zarvo
