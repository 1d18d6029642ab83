#pragma once
// The title screen, the option screen and the score-table screen.
#include "state/game.h"

namespace zarvo {

// Each runs one frame of its screen and answers true when the screen closed over a running
// game: the game's flow then gives the figure back (Resume_Ego).
bool Show_Sponsor(Game& g);
bool Show_Option(Game& g);
bool Show_Score(Game& g);

}  // namespace zarvo
