#pragma once
// The page's keyboard events in the game's terms. A key-down arrives as a key the game knows,
// as on the desktop: Backspace, Enter (either Enter key), Space, the letters, every other key
// Other. The direction keys are physical keys, wherever the layout puts its letters.
#include <cstdint>

#include "platform/desk_keys.h"
#include "platform/key_code.h"

namespace zarvo {

// `key` is the event's key: "a", "Enter", "Backspace", " ".
Key_Code Page_Key_Code(const char* key);

// The same as a number, and the digits and the left and right arrows, which a shown run and the
// score screen's choice of a run take, though the game itself takes none of them (as
// Show_Key_Code does on the desktop).
int32_t Page_Show_Code(const char* key);

// The key of a desktop comfort, as on the desktop: F11 or Alt with Enter, F1, Pause, Escape, P,
// M, F, Space, minus and plus (or the = key that shares it) on the main keys or the keypad, and
// Ctrl, which presses the button under the game's pointer.
Desk_Key Page_Desk_Key(const char* key, const char* code, bool alt);

// Whether the page keeps the browser from acting on a key while the game has the keyboard:
// the keys the game reads (letters, Space, Enter, Backspace, the direction keys) and its
// comforts (P, M, -, +, Pause, F11, F1), and the keys that would scroll; `key` and `code` are the
// event's.
bool Page_Game_Key(const char* key, const char* code);

// The direction keys: K, cursor up, keypad 8 are up; J, cursor down, keypad 2 down; H, cursor
// left, keypad 4 left; L, cursor right, keypad 6 right.
inline constexpr int Direction_Key_Count = 12;
// The number (0..11) of a physical direction key, or -1; number / 3 is up, down, left, right.
int Direction_Key(const char* code);

}  // namespace zarvo
