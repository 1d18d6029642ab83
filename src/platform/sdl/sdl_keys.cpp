#include "platform/sdl/sdl_keys.h"

namespace zarvo {

Key_Code Windows_Key_Code(SDL_Keycode key) {
    if (key >= SDLK_a && key <= SDLK_z) return Letter_Key(static_cast<char>('A' + (key - SDLK_a)));
    switch (key) {
        case SDLK_BACKSPACE:
            return Key_Code::Backspace;
        case SDLK_RETURN:
        case SDLK_RETURN2:
        case SDLK_KP_ENTER:
            return Key_Code::Enter;
        case SDLK_SPACE:
            return Key_Code::Space;
        default:
            return Key_Code::Other;
    }
}

int32_t Show_Key_Code(SDL_Keycode key) {
    if (key >= SDLK_0 && key <= SDLK_9) return '0' + (key - SDLK_0);
    if (key >= SDLK_KP_1 && key <= SDLK_KP_9) return '1' + (key - SDLK_KP_1);
    switch (key) {
        case SDLK_KP_0:
            return '0';
        case SDLK_LEFT:
            return 37;
        case SDLK_RIGHT:
            return 39;
        default:
            return Key_Number(Windows_Key_Code(key));
    }
}

Desk_Key Desk_Key_Of(const SDL_Keysym& key) {
    const bool alt = (key.mod & KMOD_ALT) != 0;
    switch (key.sym) {
        case SDLK_F11:
            return Desk_Key::Fullscreen;
        case SDLK_F1:
            return Desk_Key::Help;
        case SDLK_RETURN:
        case SDLK_KP_ENTER:
            return alt ? Desk_Key::Fullscreen : Desk_Key::Other;
        case SDLK_PAUSE:
            return Desk_Key::Pause;
        case SDLK_ESCAPE:
            return Desk_Key::Escape;
        case SDLK_LCTRL:
        case SDLK_RCTRL:
            return Desk_Key::Press;
        case SDLK_p:
            return Desk_Key::P;
        case SDLK_m:
            return Desk_Key::M;
        case SDLK_AUDIOMUTE:
        case SDLK_MUTE:
            return Desk_Key::Mute;
        case SDLK_f:
            return Desk_Key::F;
        case SDLK_SPACE:
            return Desk_Key::Space;
        case SDLK_MINUS:
        case SDLK_KP_MINUS:
            return Desk_Key::Volume_Down;
        case SDLK_PLUS:
        case SDLK_EQUALS:
        case SDLK_KP_PLUS:
            return Desk_Key::Volume_Up;
        default:
            return Desk_Key::Other;
    }
}

Pad_Button Pad_Button_Of(SDL_GameControllerButton button) {
    switch (button) {
        case SDL_CONTROLLER_BUTTON_A:
            return Pad_Button::Confirm;
        case SDL_CONTROLLER_BUTTON_START:
            return Pad_Button::Start;
        case SDL_CONTROLLER_BUTTON_BACK:
            return Pad_Button::Back;
        case SDL_CONTROLLER_BUTTON_X:
            return Pad_Button::Press;
        default:
            return Pad_Button::Other;
    }
}

}  // namespace zarvo
