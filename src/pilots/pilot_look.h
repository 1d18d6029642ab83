#pragma once
// How a pilot looks and where its four diagonal directions lead.
#include <cstdint>

#include "state/game.h"

namespace zarvo {

// The drawn angle of a flight direction (5 up-right, 6 up-left, 7 down-right, 8 down-left).
int32_t Pilot_Dir_Angle(Pilot_Dir dir);
// The cell step of a flight direction.
int32_t Pilot_Dir_Col(Pilot_Dir dir);
int32_t Pilot_Dir_Row(Pilot_Dir dir);

// The pilot and its shadow; both grow, and the shadow drifts off, as it rises.
void Show_Pilot(Game& g, const Pilot_Rec& p);

}  // namespace zarvo
