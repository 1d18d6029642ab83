#include "game/comforts.h"

#include <algorithm>

namespace zarvo {

bool Typing(const World& w) {
    const Game_State& s = w.game;
    return s.Name_Entry_On || s.CodeWord_1_Typing || s.CodeWord_2_Typing;
}

bool Game_In_Progress(const World& w) {
    const Game_State& s = w.game;
    return !s.Sponsor_On && !s.Sponsor_Paused && !s.Game_Over && !s.Set_Score_New_On;
}

Desk_Action Desk_Action_For(Desk_Key key, bool typing, bool replay) {
    switch (key) {
        case Desk_Key::Fullscreen:
            return Desk_Action::Fullscreen;
        case Desk_Key::Help:
            return Desk_Action::Help;
        case Desk_Key::Pause:
        case Desk_Key::Escape:
            return Desk_Action::Pause;
        case Desk_Key::Press:
            return replay ? Desk_Action::None : Desk_Action::Press;
        case Desk_Key::P:
            return typing && !replay ? Desk_Action::None : Desk_Action::Pause;
        case Desk_Key::M:
            return typing && !replay ? Desk_Action::None : Desk_Action::Mute;
        case Desk_Key::Mute:
            return Desk_Action::Mute;
        case Desk_Key::Space:
            return replay ? Desk_Action::Pause : Desk_Action::None;
        case Desk_Key::F:
            return replay ? Desk_Action::Fast_Forward : Desk_Action::None;
        case Desk_Key::Volume_Down:
            return Desk_Action::Volume_Down;
        case Desk_Key::Volume_Up:
            return Desk_Action::Volume_Up;
        case Desk_Key::Other:
            break;
    }
    return Desk_Action::None;
}

Pad_Does Pad_Does_For(Pad_Button button) {
    switch (button) {
        case Pad_Button::Confirm:
        case Pad_Button::Start:
            return Pad_Does::Enter;
        case Pad_Button::Back:
            return Pad_Does::Pause;
        case Pad_Button::Press:
            return Pad_Does::Press;
        case Pad_Button::Other:
            break;
    }
    return Pad_Does::Nothing;
}

int Volume_Step(int volume, int step) {
    return std::clamp(volume + 10 * step, 0, 100);
}

}  // namespace zarvo
