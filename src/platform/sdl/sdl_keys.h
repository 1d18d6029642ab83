#pragma once
// Key-down events as the keys the game knows: Backspace, Enter (either Enter key), Space, the
// letters; every other key is Other. Besides, the keys of the desktop comforts.
#include <SDL.h>

#include <cstdint>

#include "platform/desk_keys.h"
#include "platform/key_code.h"

namespace zarvo {

Key_Code Windows_Key_Code(SDL_Keycode key);
// The same as a number, and the digits (row and keypad) and the left and right arrows, which a
// shown run and the score screen's choice of a run take, though the game itself takes none of
// them.
int32_t Show_Key_Code(SDL_Keycode key);
Desk_Key Desk_Key_Of(const SDL_Keysym& key);
// A game controller's button, or a plain joystick's (its first button confirms).
Pad_Button Pad_Button_Of(SDL_GameControllerButton button);

}  // namespace zarvo
