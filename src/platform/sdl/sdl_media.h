#pragma once
// The media layer on SDL2: the game's window (borderless, on top and centred; or a normal
// window; or the whole display), the back buffer shown by a whole-number factor with black
// around it, the sound device, keyboard and game controller, and the system pointer hidden,
// confined and placed. Every position the game sees stays in game pixels.
//
// Showing a frame: with a hardware renderer the changed rows go straight into a locked
// streaming texture; without one (a software OpenGL, a virtual X server) the window's own
// surface receives the changed stretches, scaled here; on a local X server the changed parts
// go through shared memory and the server scales them (x11_presenter.h). A frame equal to the
// one shown before is not shown again.
#include <SDL.h>

#include <string>
#include <vector>

#include "platform/frame_diff.h"
#include "platform/media.h"
#include "platform/pointer_rect.h"
#include "platform/scaling.h"
#include "platform/sdl/sdl_audio.h"
#include "platform/sdl/x11_presenter.h"

namespace zarvo {

struct Window_Choice {
    int Scale = 1;            // wanted factor; the largest that fits is taken when it is too big
    bool Normal = false;      // decorated, movable and resizable, not on top
    bool Fullscreen = false;  // the whole display
};

// False with a one-line message when there is no display to show a window on: neither an X
// nor a Wayland display is named and no video driver is asked for.
bool Display_Named(std::string& error);

class Sdl_Media : public Surface_Media {
  public:
    // A window for a picture of width x height game pixels.
    Sdl_Media(const Assets* assets, int width, int height, Window_Choice choice);
    ~Sdl_Media() override;
    Sdl_Media(const Sdl_Media&) = delete;
    Sdl_Media& operator=(const Sdl_Media&) = delete;

    // Starts SDL, reads the screen size and opens the window; answers false with a one-line
    // message when no window can be shown. Sound and controllers are optional.
    bool Open(std::string& error);
    // One line each for what the player should know: a scale that did not fit, no sound.
    const std::vector<std::string>& Notes() const { return notes_; }
    int Screen_Width_Px() const { return screen_w_; }
    int Screen_Height_Px() const { return screen_h_; }
    int Scale() const { return view_.Scale; }
    bool Closed() const { return closed_; }
    bool Hardware_Present() const { return renderer_ != nullptr; }
    // The game pixel under a window pixel, kept where the confinement lets the pointer go.
    void Window_To_Game(int window_x, int window_y, int& x, int& y) const;
    Uint32 Window_Id() const { return window_ ? SDL_GetWindowID(window_) : 0; }

    bool Surface_Ready() override;
    void Poll_Input(Input_States& states) override;
    void Show_Back_Buffer() override;
    void Play_Wave(int index) override { audio_.Play(index); }
    void Confine_Pointer(int left, int top, int right, int bottom) override;
    void Release_Pointer() override;
    void Place_Pointer(int x, int y) override;
    void Hide_System_Pointer(bool hidden) override;
    void Close() override { closed_ = true; }

    // Desktop comforts.
    bool Fullscreen() const;
    void Set_Fullscreen(bool on);
    void Set_Sound_Level(int percent) { audio_.Set_Level(percent); }
    // The window's icon: width x height pixels of 0xAARRGGBB, row by row.
    void Set_Icon(int width, int height, const uint32_t* argb);
    void Set_Overlay(Frame_Overlay* overlay) { overlay_ = overlay; }

    // Window events the loop passes on.
    void Set_Focused(bool focused) { focused_ = focused; }
    // Resized, exposed or fullscreen: the picture's place is found at once, so that pointer
    // events that follow map to the new place even before the next frame.
    void Window_Changed();
    // Moved: the confinement follows the window, kept to the part of it on a display.
    void Window_Moved() { Apply_Confinement(); }
    void Surface_Lost() { texture_lost_ = true; }
    // Reads the controllers: their states, and their events into the event queue. While none
    // is open, a newly plugged one is looked for only a few times a second.
    void Update_Controllers();
    void Controller_Added(int device_index);
    void Controller_Removed(SDL_JoystickID id);
    // True for a plain joystick's events (a game controller's come as controller events).
    bool Is_Plain_Joystick(SDL_JoystickID id) const;
    // The letter key of a direction (0 up, 1 down, 2 left, 3 right; K, J, H and L unless
    // changed); the cursor keys and the keypad always walk too.
    void Set_Walk_Key(int direction, SDL_Scancode key) { walk_[direction & 3] = key; }
    // While set, the direction states come from here instead of the keyboard (a replay).
    void Use_Scripted_Input(const Input_States* held) { scripted_ = held; }
    // Keeps a pointer position (game pixels) where the confinement lets it go.
    void Clamp_Pointer(int& x, int& y) const {
        clip_.Clamp(x, y, back_buffer_.Width, back_buffer_.Height);
    }
    // Every polled direction state is also told to the listener (the recorder), if any.
    void Listen_To_Polls(Poll_Listener* listener) { poll_listener_ = listener; }

  private:
    bool Open_Window(std::string& error);
    bool Create_Presenter();
    bool Create_Texture();
    void Layout();
    void Present_To_Texture();
    void Present_To_Window_Surface();
    void Present_To_X11();
    Changed_Rects Parts_To_Show(const Pixel_Rect& within) const;
    void Apply_Confinement();
    void Poll_Controller(Input_States& states) const;

    Window_Choice choice_;
    bool window_manager_ = true;
    bool covering_ = false;    // fullscreen by hand, without a window manager
    SDL_Rect before_cover_{};  // the window's place before it covered the display
    View view_;
    Size area_;  // the window's inside
    int screen_w_ = 0, screen_h_ = 0;
    std::vector<std::string> notes_;
    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;  // null: the window surface shows the frames
    SDL_Texture* texture_ = nullptr;
    SDL_Surface* window_surface_ = nullptr;
    X11_Presenter x11_;
    bool redraw_all_ = true;
    SDL_GameController* controller_ = nullptr;
    SDL_Joystick* joystick_ = nullptr;
    Uint64 next_plug_look_ = 0;  // when Update_Controllers looks for a new controller
    Sdl_Audio audio_;
    Frame_Overlay* overlay_ = nullptr;
    bool closed_ = false;
    bool focused_ = true;
    bool texture_lost_ = false;
    Pointer_Rect clip_;
    Poll_Listener* poll_listener_ = nullptr;
    const Input_States* scripted_ = nullptr;
    SDL_Scancode walk_[4] = {SDL_SCANCODE_K, SDL_SCANCODE_J, SDL_SCANCODE_H, SDL_SCANCODE_L};
};

}  // namespace zarvo
