#pragma once
// Key-down events as the key codes the game was written for: Backspace 8, Enter 13 (either
// Enter key), Space 32, the letters 65-90. Every other key arrives as 0, which still withdraws
// a pending Enter but never types anything.
#include <SDL.h>

#include <cstdint>

namespace zarvo {

int32_t Windows_Key_Code(SDL_Keycode key);

}  // namespace zarvo
