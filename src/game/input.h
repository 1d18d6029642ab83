#pragma once
// Keyboard and mouse events as the game takes them.
#include "platform/key_code.h"
#include "state/game.h"

namespace zarvo {

// The two code words of the title's code-word box: the first makes the figure immortal, the
// second gives it a full load of star shots.
inline constexpr const char* Immortal_Word = "XORBLATTERFUM";
inline constexpr const char* Fire_Word = "PLONKMIRAGEVUS";

void FormKeyDown(Game& g, Key_Code key);
void DXDraw1Click(Game& g);
void DXDraw1MouseMove(Game& g, int x, int y);

}  // namespace zarvo
