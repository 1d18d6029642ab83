#pragma once
// The keys the settings file names for walking and firing, taken into the window.
#include <SDL.h>

#include "screens/help_screen.h"
#include "driver/start/settings.h"
#include "platform/sdl/sdl_media.h"

namespace zarvo {

struct Key_Choice {
    SDL_Scancode Fire = SDL_SCANCODE_UNKNOWN;  // a key that fires as Space does, if any
    Key_Names Names;                           // for the help screen
};

// Gives the media its walk keys. A name that is no key is told once on stderr; the game's own
// key stays for it.
Key_Choice Choose_Keys(const Settings& s, Sdl_Media& media);

}  // namespace zarvo
