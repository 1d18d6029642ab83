#pragma once
// The player's star shots: the indicator, the launch, the flight and the explosions.
#include "state/game.h"

namespace zarvo {

void Show_Star_Indicator(Game& g);
void Launch_Star_Shot(Game& g);
void Show_Ego_Shoot(Game& g);
// Clears every volley slot and shot record.
void Clear_Star_Shots(Game& g);
// A target hit by the rocket standing in (col, row) removes it without an explosion.
void Remove_Shot_At(Game& g, int col, int row);

}  // namespace zarvo
