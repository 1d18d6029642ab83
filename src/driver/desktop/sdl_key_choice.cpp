#include "driver/desktop/sdl_key_choice.h"

#include <cctype>
#include <cstdio>

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

}  // namespace

Key_Choice Choose_Keys(const Settings& s, Sdl_Media& media) {
    const std::string* walk[4] = {&s.Key_Up, &s.Key_Down, &s.Key_Left, &s.Key_Right};
    const char* settings[4] = {"key.up", "key.down", "key.left", "key.right"};
    const SDL_Scancode own[4] = {SDL_SCANCODE_K, SDL_SCANCODE_J, SDL_SCANCODE_H, SDL_SCANCODE_L};
    Key_Choice choice;
    std::string letters;
    for (int d = 0; d < 4; ++d) {
        SDL_Scancode key = Key_Named(settings[d], *walk[d]);
        if (key == SDL_SCANCODE_UNKNOWN) key = own[d];
        media.Set_Walk_Key(d, key);
        if (d) letters += ' ';
        letters += Shown_Name(key);
    }
    choice.Names.Walk = "WALK: ARROWS OR ";  // appended: no literal + temporary (-Wrestrict)
    choice.Names.Walk += letters;
    choice.Fire = Key_Named("key.fire", s.Key_Fire);
    if (choice.Fire != SDL_SCANCODE_UNKNOWN)
        choice.Names.Fire = std::string("FIRE AND OK: ").append(Shown_Name(choice.Fire)) +
                            " OR SPACE OR ENTER";
    return choice;
}

}  // namespace zarvo
