#include "game/tick_input.h"

#include "game/recorder.h"

namespace zarvo {

void Tick_Input::Move(int32_t x, int32_t y) {
    if (!pending_.empty() && pending_.back().Kind == Event_Kind::Move) {
        pending_.back().A = x, pending_.back().B = y;
        return;
    }
    pending_.push_back({0, Event_Kind::Move, x, y});
}

// Delivered as a script's event is, and written to the recording as delivered: a move clamped
// where the confinement lets the pointer go.
void Tick_Input::Apply(Game& g, Recorder& recorder, Script_Sink& sink, Script_Event e) {
    e.Frame = g.w.Frame_Count + 1;
    if (e.Kind == Event_Kind::Move) {
        sink.Point(e.A, e.B);
        // A move to where the game already has the pointer changes nothing (a scaled window
        // reports several moves within one game pixel; the game's own placing of the pointer
        // comes back as a move).
        if (e.A == g.w.game.Mouse_X && e.B == g.w.game.Mouse_Y) return;
    }
    Deliver_Script_Event(g, sink, e);
    recorder.Write(e);
}

}  // namespace zarvo
