#include "driver/desktop/sdl_key_choice.h"

#include <cctype>
#include <cstdio>

#include "game/comforts.h"
#include "platform/sdl/sdl_keys.h"

namespace zarvo {

namespace {

// A key named in the settings, or SDL_SCANCODE_UNKNOWN (told on stderr) when no key has it.
SDL_Scancode Key_Named(const char* setting, const std::string& name) {
    if (name.empty()) return SDL_SCANCODE_UNKNOWN;
    const SDL_Scancode key = SDL_GetScancodeFromName(name.c_str());
    if (key == SDL_SCANCODE_UNKNOWN)
        std::fprintf(stderr, "zarvo: %s = %s names no key; the game's own key stays\n", setting,
                     name.c_str());
    return key;
}

std::string Shown_Name(SDL_Scancode key) {
    std::string name = SDL_GetScancodeName(key);
    for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return name;
}

// What a key already does for the window or the game, whatever the settings say; null when
// nothing. The window's comfort keys (P pauses, M mutes...) are the window's alone; a Ctrl,
// which presses the button under the pointer, may become the fire key, which then fires (the
// other Ctrl still presses).
const char* Fixed_Use(SDL_Scancode key, bool fire) {
    SDL_Keysym sym{};
    sym.scancode = key;
    sym.sym = SDL_GetKeyFromScancode(key);
    const Desk_Action action = Desk_Action_For(Desk_Key_Of(sym), false, false);
    if (action != Desk_Action::None && !(fire && action == Desk_Action::Press))
        return "by the window (pause, sound, fullscreen, help or the pointer's press)";
    switch (key) {
        case SDL_SCANCODE_UP:
        case SDL_SCANCODE_DOWN:
        case SDL_SCANCODE_LEFT:
        case SDL_SCANCODE_RIGHT:
        case SDL_SCANCODE_KP_8:
        case SDL_SCANCODE_KP_2:
        case SDL_SCANCODE_KP_4:
        case SDL_SCANCODE_KP_6:
            return "by a direction";
        case SDL_SCANCODE_SPACE:
        case SDL_SCANCODE_RETURN:
        case SDL_SCANCODE_KP_ENTER:
            return "by fire and confirm";
        default:
            return nullptr;
    }
}

// The keys of the settings in the order up, down, left, right, fire.
struct Chosen {
    const std::string* Named[5];
    SDL_Scancode Key[5];
    // The game's own letters walk unless their direction is given another key.
    SDL_Scancode Own[5] = {SDL_SCANCODE_K, SDL_SCANCODE_J, SDL_SCANCODE_H, SDL_SCANCODE_L,
                           SDL_SCANCODE_UNKNOWN};
    SDL_Scancode In_Use(int i) const { return Key[i] != SDL_SCANCODE_UNKNOWN ? Key[i] : Own[i]; }
};

constexpr const char* Setting_Names[5] = {"key.up", "key.down", "key.left", "key.right",
                                          "key.fire"};

void Refuse(Chosen& c, int i, const std::string& use) {
    std::fprintf(stderr, "zarvo: %s = %s is taken already %s; the game's own key stays\n",
                 Setting_Names[i], c.Named[i]->c_str(), use.c_str());
    c.Key[i] = SDL_SCANCODE_UNKNOWN;
}

// The setting before this one, or a direction's own letter, that has the same key.
const char* Taken_By(const Chosen& c, int i) {
    for (int j = 0; j < 5; ++j)
        if (j != i && c.In_Use(j) == c.Key[i] && (j < i || c.Key[j] == SDL_SCANCODE_UNKNOWN))
            return Setting_Names[j];
    return nullptr;
}

// A name that is no key, or a key that something else already uses, is refused (one line on
// stderr each) and the game's own key stays for it.
Chosen Choose(const Settings& s) {
    Chosen c{{&s.Key_Up, &s.Key_Down, &s.Key_Left, &s.Key_Right, &s.Key_Fire}, {}};
    for (int i = 0; i < 5; ++i) {
        c.Key[i] = Key_Named(Setting_Names[i], *c.Named[i]);
        if (c.Key[i] == SDL_SCANCODE_UNKNOWN) continue;
        if (const char* use = Fixed_Use(c.Key[i], i == 4)) Refuse(c, i, use);
    }
    // A refused key gives its letter back, which may be another setting's key: look again.
    for (bool refused = true; refused;) {
        refused = false;
        for (int i = 0; i < 5 && !refused; ++i)
            if (c.Key[i] != SDL_SCANCODE_UNKNOWN)
                if (const char* other = Taken_By(c, i))
                    Refuse(c, i, std::string("by ") + other), refused = true;
    }
    for (int i = 0; i < 4; ++i) c.Key[i] = c.In_Use(i);
    return c;
}

}  // namespace

Key_Choice Choose_Keys(const Settings& s, Sdl_Media& media) {
    const Chosen chosen = Choose(s);
    Key_Choice choice;
    std::string letters;
    for (int d = 0; d < 4; ++d) {
        media.Set_Walk_Key(d, chosen.Key[d]);
        if (d) letters += ' ';
        letters += Shown_Name(chosen.Key[d]);
    }
    choice.Names.Walk = "WALK: ARROWS OR ";  // appended: no literal + temporary (-Wrestrict)
    choice.Names.Walk += letters;
    choice.Fire = chosen.Key[4];
    if (choice.Fire != SDL_SCANCODE_UNKNOWN)
        choice.Names.Fire = std::string("FIRE AND OK: ").append(Shown_Name(choice.Fire)) +
                            " OR SPACE OR ENTER";
    return choice;
}

}  // namespace zarvo
