#pragma once
// The numbers and icons that Show_Energy draws onto the panel.
#include "state/game.h"

namespace zarvo {

// Nine score digits with leading zeros; a score above 999 999 999 is held there.
void Show_Score_Digits(Game& g);
// Fliese_Percent from Fliese_Claimed, truncated, drawn as two red digits.
void Show_Claimed_Percent(Game& g);
// One heart per life (at most ten) and one icon per star shot left.
void Show_Lives_And_Shots(Game& g);

}  // namespace zarvo
