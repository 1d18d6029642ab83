#include "platform/sdl/sdl_keys.h"

namespace zarvo {

int32_t Windows_Key_Code(SDL_Keycode key) {
    if (key >= SDLK_a && key <= SDLK_z) return 'A' + (key - SDLK_a);
    switch (key) {
        case SDLK_BACKSPACE:
            return 8;
        case SDLK_RETURN:
        case SDLK_RETURN2:
        case SDLK_KP_ENTER:
            return 13;
        case SDLK_SPACE:
            return 32;
        default:
            return 0;
    }
}

}  // namespace zarvo
