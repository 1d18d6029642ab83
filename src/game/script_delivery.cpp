#include "game/script_delivery.h"

#include "game/input.h"

namespace zarvo {

namespace {

// The headless media holds what a window's system would.
class Headless_Sink : public Script_Sink {
  public:
    Headless_Sink(Headless_Media& media, Script_Standstill& still) : media_(media), still_(still) {}

    void Point(int32_t& x, int32_t& y) override {
        media_.Clamp_Pointer(x, y);
        media_.pointer_x = x, media_.pointer_y = y;
    }
    void Hold(int32_t dir, bool down) override { Set_Held(media_.held, dir, down); }
    void Focus(bool focused) override { still_.Focused = focused; }
    void Pause(bool paused) override { still_.Paused = paused; }
    void Mute(bool muted) override { media_.sound_muted = muted; }
    void Volume(int32_t percent) override { media_.sound_volume = percent; }

  private:
    Headless_Media& media_;
    Script_Standstill& still_;
};

}  // namespace

void Script_Sink::Set_Held(Input_States& held, int32_t dir, bool down) {
    switch (static_cast<Direction>(dir)) {
        case Direction::Up:
            held.Up = down;
            break;
        case Direction::Down:
            held.Down = down;
            break;
        case Direction::Left:
            held.Left = down;
            break;
        case Direction::Right:
            held.Right = down;
            break;
    }
}

void Deliver_Script_Event(Game& g, Script_Sink& sink, const Script_Event& e) {
    switch (e.Kind) {
        case Event_Kind::Key:
            FormKeyDown(g, Event_Key(e));
            break;
        case Event_Kind::Hold:
        case Event_Kind::Release:
            sink.Hold(e.A, e.Kind == Event_Kind::Hold);
            break;
        case Event_Kind::Move: {
            int32_t x = e.A, y = e.B;
            sink.Point(x, y);
            DXDraw1MouseMove(g, x, y);
            break;
        }
        case Event_Kind::Click:
            DXDraw1Click(g);
            break;
        case Event_Kind::Focus:
            sink.Focus(e.A != 0);
            break;
        case Event_Kind::Pause:
            sink.Pause(e.A != 0);
            break;
        case Event_Kind::Mute:
            sink.Mute(e.A != 0);
            break;
        case Event_Kind::Volume:
            sink.Volume(e.A);
            break;
    }
}

void Deliver_Script_Event(Game& g, Headless_Media& media, Script_Standstill& still,
                          const Script_Event& e) {
    Headless_Sink sink(media, still);
    Deliver_Script_Event(g, sink, e);
}

}  // namespace zarvo
