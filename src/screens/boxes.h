#pragma once
// The level-complete, game-over and code-word boxes.
#include "state/game.h"

namespace zarvo {

void Show_Well_Done(Game& g);
void Show_Game_Over(Game& g);
void Show_CodeWords(Game& g);

}  // namespace zarvo
