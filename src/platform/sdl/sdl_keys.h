#pragma once
// Key-down events as the key codes the game was written for: Backspace 8, Enter 13 (either
// Enter key), Space 32, the letters 65-90. Every other key arrives as 0, which still withdraws
// a pending Enter but never types anything. Besides, the keys of the desktop comforts.
#include <SDL.h>

#include <cstdint>

#include "platform/desk_keys.h"

namespace zarvo {

int32_t Windows_Key_Code(SDL_Keycode key);
Desk_Key Desk_Key_Of(const SDL_Keysym& key);
// A game controller's button, or a plain joystick's (its first button confirms).
Pad_Button Pad_Button_Of(SDL_GameControllerButton button);

}  // namespace zarvo
