#pragma once
// The level-complete, game-over and code-word boxes.
#include "state/game.h"

namespace zarvo {

// Answers true in the frame the box is accepted: the next level is to be built.
bool Show_Well_Done(Game& g);
void Show_Game_Over(Game& g);
void Show_CodeWords(Game& g);

}  // namespace zarvo
