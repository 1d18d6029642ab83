#pragma once
// The player's input to the game in a window, held until the next tick. Only then does it
// reach the game and the recording together, as the events of the frame that tick runs, just
// as a replay delivers them. What arrives after the last tick (a click in the same moment as
// closing the window) reaches neither, so a recording replays to the state the game closed
// with.
#include <cstdint>
#include <vector>

#include "game/script.h"
#include "game/script_delivery.h"
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
        Live_Sink<Clamp> sink(clamp);
        for (Script_Event e : pending_) Apply(g, recorder, sink, e);
        pending_.clear();
    }

  private:
    // The player's own input is keys, moves and clicks; the pointer already stands where it
    // is moved to, within the confinement.
    template <class Clamp>
    class Live_Sink : public Script_Sink {
      public:
        explicit Live_Sink(Clamp& clamp) : clamp_(clamp) {}
        void Point(int32_t& x, int32_t& y) override { clamp_(x, y); }
        void Hold(int32_t, bool) override {}
        void Focus(bool) override {}
        void Pause(bool) override {}
        void Mute(bool) override {}
        void Volume(int32_t) override {}

      private:
        Clamp& clamp_;
    };

    static void Apply(Game& g, Recorder& recorder, Script_Sink& sink, Script_Event e);
    std::vector<Script_Event> pending_;
};

}  // namespace zarvo
