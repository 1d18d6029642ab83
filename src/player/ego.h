#pragma once
// The player's figure: its input and movement step, its drawing and its level start.
#include "state/game.h"

namespace zarvo {

void Call_Ego_Input(Game& g);
void Show_Ego(Game& g);
void Ego_Start_New_Level(Game& g);

}  // namespace zarvo
