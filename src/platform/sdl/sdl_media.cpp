#include "platform/sdl/sdl_media.h"

#include <cstring>

#include "platform/pad_steer.h"
#include "platform/sdl/sdl_window_manager.h"
#include "platform/sdl/sdl_x_errors.h"

namespace zarvo {

namespace {

bool Any_Down(const Uint8* keys, SDL_Scancode a, SDL_Scancode b, SDL_Scancode c) {
    return keys[a] || keys[b] || keys[c];
}

bool Set(const char* name) {
    const char* value = SDL_getenv(name);
    return value && value[0];
}

// The largest part of a rectangle (screen pixels) that lies on one display; false when no
// part of it is on any display.
bool On_A_Display(const SDL_Rect& r, SDL_Rect& part) {
    bool found = false;
    for (int i = 0; i < SDL_GetNumVideoDisplays(); ++i) {
        SDL_Rect display{0, 0, 0, 0}, common{0, 0, 0, 0};
        if (SDL_GetDisplayBounds(i, &display) != 0) continue;
        if (!SDL_IntersectRect(&r, &display, &common)) continue;
        if (found && common.w * common.h <= part.w * part.h) continue;
        part = common, found = true;
    }
    return found;
}

// SDL falls back to drivers that show nothing; only a player who names one gets it.
bool Invisible_Driver(const char* name) {
    return name && (std::strcmp(name, "offscreen") == 0 || std::strcmp(name, "dummy") == 0);
}

}  // namespace

Sdl_Media::Sdl_Media(const Assets* assets, int width, int height, Window_Choice choice)
    : Surface_Media(assets, width, height), choice_(choice) {}

Sdl_Media::~Sdl_Media() {
    back_buffer_.Keep_In(nullptr);
    x11_.Close();
    audio_.Close();
    if (controller_) SDL_GameControllerClose(controller_);
    if (joystick_) SDL_JoystickClose(joystick_);
    if (texture_) SDL_DestroyTexture(texture_);
    if (renderer_) SDL_DestroyRenderer(renderer_);
    if (window_) SDL_DestroyWindow(window_);
    SDL_Quit();
}

bool Display_Named(std::string& error) {
    if (Set("SDL_VIDEODRIVER") || Set("DISPLAY") || Set("WAYLAND_DISPLAY")) return true;
    error = "no display to show the game on (neither DISPLAY nor WAYLAND_DISPLAY is set)";
    return false;
}

bool Sdl_Media::Open(std::string& error) {
    const bool driver_named = Set("SDL_VIDEODRIVER");
    if (!Display_Named(error)) return false;
    if (SDL_Init(SDL_INIT_VIDEO) != 0) return error = SDL_GetError(), false;
    Keep_X_Errors_Harmless();
    if (!driver_named && Invisible_Driver(SDL_GetCurrentVideoDriver()))
        return error = "no display to show the game on", false;
    if (!Open_Window(error)) return false;
    if (!audio_.Open(assets_ ? assets_->Waves : std::vector<Sound>{}))
        notes_.push_back(std::string("no sound device (") + SDL_GetError() +
                         "): the game runs silent");
    // Controllers are read once a turn of the frame loop (Update_Controllers), not at every
    // look at the event queue, and never keep the loop from sleeping.
    SDL_SetHint(SDL_HINT_AUTO_UPDATE_JOYSTICKS, "0");
    SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER);
    return true;
}

bool Sdl_Media::Open_Window(std::string& error) {
    SDL_Rect screen{0, 0, 0, 0}, usable{0, 0, 0, 0};
    if (SDL_GetDisplayBounds(0, &screen) != 0) return error = SDL_GetError(), false;
    if (SDL_GetDisplayUsableBounds(0, &usable) != 0) usable = screen;
    screen_w_ = screen.w, screen_h_ = screen.h;
    const Size picture{back_buffer_.Width, back_buffer_.Height};
    const int scale = Fit_Scale(choice_.Scale, {usable.w, usable.h}, picture);
    if (scale < choice_.Scale)
        notes_.push_back("scale " + std::to_string(choice_.Scale) + " does not fit the display (" +
                         std::to_string(usable.w) + " x " + std::to_string(usable.h) +
                         " usable): scale " + std::to_string(scale));
    const int w = picture.Width * scale, h = picture.Height * scale;
    const Uint32 kind =
        choice_.Normal ? SDL_WINDOW_RESIZABLE : SDL_WINDOW_BORDERLESS | SDL_WINDOW_ALWAYS_ON_TOP;
    const int x = choice_.Normal ? SDL_WINDOWPOS_CENTERED : screen.x + (screen.w - w) / 2;
    const int y = choice_.Normal ? SDL_WINDOWPOS_CENTERED : screen.y + (screen.h - h) / 2;
    window_ = SDL_CreateWindow("Zarvo", x, y, w, h, kind | SDL_WINDOW_HIDDEN);
    if (!window_) return error = SDL_GetError(), false;
    SDL_SetWindowMinimumSize(window_, picture.Width, picture.Height);
    window_manager_ = Window_Manager_Runs(window_);
    if (!Create_Presenter()) return error = SDL_GetError(), false;
    if (choice_.Fullscreen) Set_Fullscreen(true);
    SDL_ShowWindow(window_);
    SDL_RaiseWindow(window_);
    Layout();
    return true;
}

bool Sdl_Media::Fullscreen() const {
    if (!window_manager_) return covering_;
    return window_ && (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN_DESKTOP) ==
                          SDL_WINDOW_FULLSCREEN_DESKTOP;
}

void Sdl_Media::Set_Fullscreen(bool on) {
    if (!window_) return;
    redraw_all_ = true;
    if (window_manager_) {
        SDL_SetWindowFullscreen(window_, on ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
        return;
    }
    if (on == covering_) return;
    covering_ = on;
    if (on) {
        SDL_GetWindowPosition(window_, &before_cover_.x, &before_cover_.y);
        SDL_GetWindowSize(window_, &before_cover_.w, &before_cover_.h);
        SDL_Rect display{0, 0, 0, 0};
        SDL_GetDisplayBounds(SDL_GetWindowDisplayIndex(window_), &display);
        SDL_SetWindowBordered(window_, SDL_FALSE);
        SDL_SetWindowPosition(window_, display.x, display.y);
        SDL_SetWindowSize(window_, display.w, display.h);
    } else {
        SDL_SetWindowSize(window_, before_cover_.w, before_cover_.h);
        SDL_SetWindowPosition(window_, before_cover_.x, before_cover_.y);
        SDL_SetWindowBordered(window_, choice_.Normal ? SDL_TRUE : SDL_FALSE);
    }
}

void Sdl_Media::Set_Icon(int width, int height, const uint32_t* argb) {
    if (!window_ || width <= 0 || height <= 0) return;
    SDL_Surface* icon = SDL_CreateRGBSurfaceWithFormatFrom(
        const_cast<uint32_t*>(argb), width, height, 32, width * 4, SDL_PIXELFORMAT_ARGB8888);
    if (!icon) return;
    SDL_SetWindowIcon(window_, icon);
    SDL_FreeSurface(icon);
}

void Sdl_Media::Poll_Input(Input_States& s) {
    s = {};
    if (scripted_) {
        s = *scripted_;
    } else if (focused_) {
        const Uint8* k = SDL_GetKeyboardState(nullptr);
        s.Up = Any_Down(k, walk_[0], SDL_SCANCODE_UP, SDL_SCANCODE_KP_8);
        s.Down = Any_Down(k, walk_[1], SDL_SCANCODE_DOWN, SDL_SCANCODE_KP_2);
        s.Left = Any_Down(k, walk_[2], SDL_SCANCODE_LEFT, SDL_SCANCODE_KP_4);
        s.Right = Any_Down(k, walk_[3], SDL_SCANCODE_RIGHT, SDL_SCANCODE_KP_6);
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
    Steer_By_Stick(x / 32768.0f, y / 32768.0f, s);
}

void Sdl_Media::Update_Controllers() {
    // Each look at the device list reads a socket of the system's; four a second find a
    // controller as soon as a player can reach for it.
    constexpr Uint64 Plug_Look_Ms = 250;
    const Uint64 now = SDL_GetTicks64();
    if (!controller_ && !joystick_ && now < next_plug_look_) return;
    next_plug_look_ = now + Plug_Look_Ms;
    SDL_GameControllerUpdate();
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

bool Sdl_Media::Is_Plain_Joystick(SDL_JoystickID id) const {
    return joystick_ && SDL_JoystickInstanceID(joystick_) == id;
}

void Sdl_Media::Window_To_Game(int window_x, int window_y, int& x, int& y) const {
    Area_To_Picture(view_, window_x, window_y, x, y);
    clip_.Clamp(x, y, back_buffer_.Width, back_buffer_.Height);
}

void Sdl_Media::Confine_Pointer(int left, int top, int right, int bottom) {
    clip_ = {true, left, top, right, bottom};
    Apply_Confinement();
}

void Sdl_Media::Release_Pointer() {
    clip_.Confined = false;
    Apply_Confinement();
}

// The confinement in window pixels, where the picture stands now. Only the part of it that
// lies on a display is given to the window system (an X server refuses a barrier off the
// screen); when none of it does, the pointer is left free.
void Sdl_Media::Apply_Confinement() {
    if (!window_) return;
    if (!clip_.Confined) {
        SDL_SetWindowMouseRect(window_, nullptr);
        return;
    }
    int x = 0, y = 0, window_x = 0, window_y = 0;
    Picture_To_Area(view_, clip_.Left, clip_.Top, x, y);
    SDL_GetWindowPosition(window_, &window_x, &window_y);
    const SDL_Rect on_screen{window_x + x, window_y + y, (clip_.Right - clip_.Left) * view_.Scale,
                             (clip_.Bottom - clip_.Top) * view_.Scale};
    SDL_Rect part{0, 0, 0, 0};
    if (!On_A_Display(on_screen, part)) {
        SDL_SetWindowMouseRect(window_, nullptr);
        return;
    }
    part.x -= window_x, part.y -= window_y;
    SDL_SetWindowMouseRect(window_, &part);
}

void Sdl_Media::Place_Pointer(int x, int y) {
    if (!window_) return;
    int wx = 0, wy = 0;
    Picture_To_Area(view_, x, y, wx, wy);
    SDL_WarpMouseInWindow(window_, wx, wy);
}

void Sdl_Media::Hide_System_Pointer(bool hidden) {
    SDL_ShowCursor(hidden ? SDL_DISABLE : SDL_ENABLE);
}

}  // namespace zarvo
