#pragma once
// The title screen, the option screen and the score-table screen.
#include "state/game.h"

namespace zarvo {

void Show_Sponsor(Game& g);
void Show_Option(Game& g);
void Show_Score(Game& g);

}  // namespace zarvo
