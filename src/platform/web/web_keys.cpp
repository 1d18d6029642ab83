#include "platform/web/web_keys.h"

#include <cstring>

namespace zarvo {

namespace {

bool Same(const char* a, const char* b) {
    return std::strcmp(a, b) == 0;
}

// Three keys for each direction, in the order up, down, left, right.
constexpr const char* Direction_Codes[Direction_Key_Count] = {
    "KeyK", "ArrowUp",   "Numpad8", "KeyJ", "ArrowDown",  "Numpad2",
    "KeyH", "ArrowLeft", "Numpad4", "KeyL", "ArrowRight", "Numpad6",
};

}  // namespace

Key_Code Page_Key_Code(const char* key) {
    const char c = key[0];
    if (c != '\0' && key[1] == '\0') {
        if (c >= 'a' && c <= 'z') return Letter_Key(static_cast<char>('A' + (c - 'a')));
        if (c >= 'A' && c <= 'Z') return Letter_Key(c);
        if (c == ' ') return Key_Code::Space;
    }
    if (Same(key, "Backspace")) return Key_Code::Backspace;
    if (Same(key, "Enter")) return Key_Code::Enter;
    return Key_Code::Other;
}

int32_t Page_Show_Code(const char* key) {
    if (key[0] >= '0' && key[0] <= '9' && key[1] == '\0') return key[0];
    if (Same(key, "ArrowLeft")) return 37;
    if (Same(key, "ArrowRight")) return 39;
    return Key_Number(Page_Key_Code(key));
}

Desk_Key Page_Desk_Key(const char* key, const char* code, bool alt) {
    if (Same(code, "F11")) return Desk_Key::Fullscreen;
    if (Same(code, "F1")) return Desk_Key::Help;
    if (Same(key, "Enter")) return alt ? Desk_Key::Fullscreen : Desk_Key::Other;
    if (Same(key, "Pause")) return Desk_Key::Pause;
    if (Same(key, "AudioVolumeMute")) return Desk_Key::Mute;
    if (Same(key, "Escape")) return Desk_Key::Escape;
    if (Same(key, "Control")) return Desk_Key::Press;
    if (Same(key, " ")) return Desk_Key::Space;
    if (Same(key, "-")) return Desk_Key::Volume_Down;
    if (Same(key, "+") || Same(key, "=")) return Desk_Key::Volume_Up;
    const Key_Code letter = Page_Key_Code(key);
    if (letter == Letter_Key('P')) return Desk_Key::P;
    if (letter == Letter_Key('M')) return Desk_Key::M;
    if (letter == Letter_Key('F')) return Desk_Key::F;
    return Desk_Key::Other;
}

// Keys of the game and of its comforts whose default would scroll the page or its host,
// navigate, or type into a field; every other key keeps the browser's meaning (Tab moves the
// focus on, Escape leaves full screen).
bool Page_Game_Key(const char* key, const char* code) {
    constexpr const char* Codes[] = {"Space",  "Enter",     "NumpadEnter",    "Backspace", "Minus",
                                     "Equal",  "NumpadAdd", "NumpadSubtract", "Pause",     "F11",
                                     "PageUp", "PageDown",  "Home",           "End",       "F1"};
    if (Page_Key_Code(key) != Key_Code::Other || Direction_Key(code) >= 0) return true;
    for (const char* c : Codes)
        if (Same(code, c)) return true;
    return false;
}

int Direction_Key(const char* code) {
    for (int i = 0; i < Direction_Key_Count; ++i)
        if (Same(code, Direction_Codes[i])) return i;
    return -1;
}

}  // namespace zarvo
