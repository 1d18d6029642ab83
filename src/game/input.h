#pragma once
// Keyboard and mouse events as the game takes them.
#include "state/game.h"

namespace zarvo {

// The two code words of the title's code-word box: the first makes the figure immortal, the
// second gives it a full load of star shots.
inline constexpr const char* Immortal_Word = "XORBLATTERFUM";
inline constexpr const char* Fire_Word = "PLONKMIRAGEVUS";

// Key codes as the window system gives them: Backspace 8, Enter 13, Space 32, letters 65-90.
void FormKeyDown(Game& g, int key);
void DXDraw1Click(Game& g);
void DXDraw1MouseMove(Game& g, int x, int y);

}  // namespace zarvo
