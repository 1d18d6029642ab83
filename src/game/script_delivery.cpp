#include "game/script_delivery.h"

#include "game/input.h"

namespace zarvo {

namespace {

void Set_Held(Input_States& held, int32_t dir, bool down) {
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

}  // namespace

void Deliver_Script_Event(Game& g, Headless_Media& media, Script_Standstill& still,
                          const Script_Event& e) {
    switch (e.Kind) {
        case Event_Kind::Key:
            FormKeyDown(g, Event_Key(e));
            break;
        case Event_Kind::Hold:
        case Event_Kind::Release:
            Set_Held(media.held, e.A, e.Kind == Event_Kind::Hold);
            break;
        case Event_Kind::Move: {
            int x = e.A, y = e.B;
            media.Clamp_Pointer(x, y);
            media.pointer_x = x, media.pointer_y = y;
            DXDraw1MouseMove(g, x, y);
            break;
        }
        case Event_Kind::Click:
            DXDraw1Click(g);
            break;
        case Event_Kind::Focus:
            still.Focused = e.A != 0;
            break;
        case Event_Kind::Pause:
            still.Paused = e.A != 0;
            break;
        case Event_Kind::Mute:
            media.sound_muted = e.A != 0;
            break;
        case Event_Kind::Volume:
            media.sound_volume = e.A;
            break;
    }
}

}  // namespace zarvo
