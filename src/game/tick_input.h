#pragma once
// The player's input to the game in a window, held until the next tick. Only then does it
// reach the game and the recording together, as the events of the frame that tick runs, just
// as a replay delivers them. What arrives after the last tick (a click in the same moment as
// closing the window) reaches neither, so a recording replays to the state the game closed
// with.
#include <cstdint>
#include <vector>

#include "game/script.h"
#include "state/game.h"

namespace zarvo {

class Recorder;

class Tick_Input {
  public:
    Tick_Input() { pending_.reserve(64); }

    void Key(Key_Code key) { pending_.push_back(Key_Event(0, key)); }
    // A pointer position in game pixels; a move straight after a move replaces it.
    void Move(int32_t x, int32_t y);
    void Click() { pending_.push_back({0, Event_Kind::Click, 0, 0}); }
    // Nothing arrived since the last tick.
    bool Empty() const { return pending_.empty(); }

    // Hands what arrived since the last tick to the game and the recording, as the events of
    // the frame about to run. `clamp(x, y)` keeps a position where the confinement lets the
    // pointer go now (an earlier click may have moved the confinement).
    template <class Clamp>
    void Deliver(Game& g, Recorder& recorder, Clamp clamp) {
        for (Script_Event e : pending_) {
            if (e.Kind == Event_Kind::Move) clamp(e.A, e.B);
            Apply(g, recorder, e);
        }
        pending_.clear();
    }

  private:
    static void Apply(Game& g, Recorder& recorder, Script_Event e);
    std::vector<Script_Event> pending_;
};

}  // namespace zarvo
