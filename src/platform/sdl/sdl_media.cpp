#include "platform/sdl/sdl_media.h"

namespace zarvo {

namespace {

// A stick counts as pushed beyond half its way, as the game's joystick was set up.
constexpr Sint16 Stick_Dead_Zone = 16384;

bool Any_Down(const Uint8* keys, SDL_Scancode a, SDL_Scancode b, SDL_Scancode c) {
    return keys[a] || keys[b] || keys[c];
}

}  // namespace

Sdl_Media::Sdl_Media(const Assets* assets, int width, int height, int scale)
    : Surface_Media(assets, width, height), scale_(scale) {}

Sdl_Media::~Sdl_Media() {
    audio_.Close();
    if (controller_) SDL_GameControllerClose(controller_);
    if (joystick_) SDL_JoystickClose(joystick_);
    if (texture_) SDL_DestroyTexture(texture_);
    if (renderer_) SDL_DestroyRenderer(renderer_);
    if (window_) SDL_DestroyWindow(window_);
    SDL_Quit();
}

bool Sdl_Media::Open(std::string& error) {
    if (SDL_Init(SDL_INIT_VIDEO) != 0) return error = SDL_GetError(), false;
    SDL_Rect screen{0, 0, 0, 0};
    if (SDL_GetDisplayBounds(0, &screen) != 0) return error = SDL_GetError(), false;
    screen_w_ = screen.w, screen_h_ = screen.h;
    const int w = back_buffer_.Width * scale_, h = back_buffer_.Height * scale_;
    window_ =
        SDL_CreateWindow("Zarvo", screen.x + (screen.w - w) / 2, screen.y + (screen.h - h) / 2, w,
                         h, SDL_WINDOW_BORDERLESS | SDL_WINDOW_ALWAYS_ON_TOP);
    if (!window_) return error = SDL_GetError(), false;
    if (!Create_Renderer() || !Create_Texture()) return error = SDL_GetError(), false;
    SDL_RaiseWindow(window_);
    audio_.Open(assets_ ? assets_->Waves : std::vector<Sound>{});
    SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER);
    return true;
}

bool Sdl_Media::Create_Renderer() {
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "0");
    const Uint32 tries[] = {SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC,
                            SDL_RENDERER_ACCELERATED, SDL_RENDERER_SOFTWARE};
    for (Uint32 flags : tries)
        if ((renderer_ = SDL_CreateRenderer(window_, -1, flags))) return true;
    return false;
}

bool Sdl_Media::Create_Texture() {
    if (texture_) SDL_DestroyTexture(texture_);
    texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING,
                                 back_buffer_.Width, back_buffer_.Height);
    texture_lost_ = false;
    return texture_ != nullptr;
}

// A lost texture is made anew; the back buffer is our own and never lost.
bool Sdl_Media::Surface_Ready() {
    if (!window_ || !renderer_) return false;
    if (texture_lost_ || !texture_) return Create_Texture();
    return true;
}

void Sdl_Media::Show_Back_Buffer() {
    if (!Surface_Ready()) return;
    SDL_UpdateTexture(texture_, nullptr, back_buffer_.Pixels.data(),
                      back_buffer_.Width * static_cast<int>(sizeof(uint32_t)));
    SDL_RenderClear(renderer_);
    SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
    SDL_RenderPresent(renderer_);
}

void Sdl_Media::Poll_Input(Input_States& s) {
    s = {};
    if (focused_) {
        const Uint8* k = SDL_GetKeyboardState(nullptr);
        s.Up = Any_Down(k, SDL_SCANCODE_K, SDL_SCANCODE_UP, SDL_SCANCODE_KP_8);
        s.Down = Any_Down(k, SDL_SCANCODE_J, SDL_SCANCODE_DOWN, SDL_SCANCODE_KP_2);
        s.Left = Any_Down(k, SDL_SCANCODE_H, SDL_SCANCODE_LEFT, SDL_SCANCODE_KP_4);
        s.Right = Any_Down(k, SDL_SCANCODE_L, SDL_SCANCODE_RIGHT, SDL_SCANCODE_KP_6);
        Poll_Controller(s);
    }
    if (poll_listener_) poll_listener_->Polled(s);
}

void Sdl_Media::Poll_Controller(Input_States& s) const {
    Sint16 x = 0, y = 0;
    if (controller_) {
        x = SDL_GameControllerGetAxis(controller_, SDL_CONTROLLER_AXIS_LEFTX);
        y = SDL_GameControllerGetAxis(controller_, SDL_CONTROLLER_AXIS_LEFTY);
        s.Up |= SDL_GameControllerGetButton(controller_, SDL_CONTROLLER_BUTTON_DPAD_UP) != 0;
        s.Down |= SDL_GameControllerGetButton(controller_, SDL_CONTROLLER_BUTTON_DPAD_DOWN) != 0;
        s.Left |= SDL_GameControllerGetButton(controller_, SDL_CONTROLLER_BUTTON_DPAD_LEFT) != 0;
        s.Right |= SDL_GameControllerGetButton(controller_, SDL_CONTROLLER_BUTTON_DPAD_RIGHT) != 0;
    } else if (joystick_) {
        x = SDL_JoystickGetAxis(joystick_, 0);
        y = SDL_JoystickNumAxes(joystick_) > 1 ? SDL_JoystickGetAxis(joystick_, 1) : 0;
        const Uint8 hat = SDL_JoystickNumHats(joystick_) > 0 ? SDL_JoystickGetHat(joystick_, 0) : 0;
        s.Up |= (hat & SDL_HAT_UP) != 0, s.Down |= (hat & SDL_HAT_DOWN) != 0;
        s.Left |= (hat & SDL_HAT_LEFT) != 0, s.Right |= (hat & SDL_HAT_RIGHT) != 0;
    }
    s.Left |= x<-Stick_Dead_Zone, s.Right |= x> Stick_Dead_Zone;
    s.Up |= y<-Stick_Dead_Zone, s.Down |= y> Stick_Dead_Zone;
}

void Sdl_Media::Controller_Added(int device_index) {
    if (controller_ || joystick_) return;
    if (SDL_IsGameController(device_index))
        controller_ = SDL_GameControllerOpen(device_index);
    else
        joystick_ = SDL_JoystickOpen(device_index);
}

void Sdl_Media::Controller_Removed(SDL_JoystickID id) {
    if (controller_ && SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller_)) == id) {
        SDL_GameControllerClose(controller_);
        controller_ = nullptr;
    }
    if (joystick_ && SDL_JoystickInstanceID(joystick_) == id) {
        SDL_JoystickClose(joystick_);
        joystick_ = nullptr;
    }
}

void Sdl_Media::Confine_Pointer(int left, int top, int right, int bottom) {
    clip_ = {true, left, top, right, bottom};
    if (!window_) return;
    const SDL_Rect r{left * scale_, top * scale_, (right - left) * scale_, (bottom - top) * scale_};
    SDL_SetWindowMouseRect(window_, &r);
}

void Sdl_Media::Release_Pointer() {
    clip_.Confined = false;
    if (window_) SDL_SetWindowMouseRect(window_, nullptr);
}

void Sdl_Media::Place_Pointer(int x, int y) {
    if (window_) SDL_WarpMouseInWindow(window_, x * scale_, y * scale_);
}

void Sdl_Media::Hide_System_Pointer(bool hidden) {
    SDL_ShowCursor(hidden ? SDL_DISABLE : SDL_ENABLE);
}

}  // namespace zarvo
