#pragma once
// The one way a script's or a run's event reaches a game played without a window: keys, held
// directions, the pointer and its clicks go to the game's handlers as the window's would; focus,
// pause and the sound change what the headless media and the standstill hold.
#include "game/script.h"
#include "platform/headless/headless_media.h"
#include "state/game.h"

namespace zarvo {

// Whether the game stands still between ticks: without focus or paused, the frames count but
// no tick runs.
struct Script_Standstill {
    bool Focused = true;
    bool Paused = false;

    bool Ticks() const { return Focused && !Paused; }
};

void Deliver_Script_Event(Game& g, Headless_Media& media, Script_Standstill& still,
                          const Script_Event& e);

}  // namespace zarvo
