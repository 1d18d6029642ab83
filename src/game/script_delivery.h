#pragma once
// The one way an event reaches a game, whether a player's input at the tick, a script's line or
// a run's: keys, the pointer and its clicks go to the game's handlers; what else an event
// changes (the held directions, where the pointer stands, the standstill, the sound) goes to a
// sink that keeps it as its way of playing does: the headless media, the window, a watched run.
#include <cstdint>

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

// What an event changes besides the game.
class Script_Sink {
  public:
    virtual ~Script_Sink() = default;
    // Keeps a pointer position (game pixels) where the confinement lets it go, and puts the
    // pointer there.
    virtual void Point(int32_t& x, int32_t& y) = 0;
    // A direction key (up, down, left, right) goes down or comes up.
    virtual void Hold(int32_t dir, bool down) = 0;
    virtual void Focus(bool focused) = 0;
    virtual void Pause(bool paused) = 0;
    virtual void Mute(bool muted) = 0;
    virtual void Volume(int32_t percent) = 0;

    // Sets the state of a direction (up, down, left, right); any other number changes nothing.
    static void Set_Held(Input_States& held, int32_t dir, bool down);
};

void Deliver_Script_Event(Game& g, Script_Sink& sink, const Script_Event& e);

// A game played without a window: the headless media holds the directions, the pointer and
// the sound, `still` the standstill.
void Deliver_Script_Event(Game& g, Headless_Media& media, Script_Standstill& still,
                          const Script_Event& e);

}  // namespace zarvo
