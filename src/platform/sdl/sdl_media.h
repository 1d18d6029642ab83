#pragma once
// The media layer on SDL2: a borderless, always-on-top window centred on the screen, the back
// buffer shown through a streaming texture, the sound device, keyboard and game controller,
// and the system pointer hidden, confined and placed. Game pixels are scaled by `scale` in
// the window; every position the game sees stays in game pixels.
#include <SDL.h>

#include <string>

#include "platform/media.h"
#include "platform/pointer_rect.h"
#include "platform/sdl/sdl_audio.h"

namespace zarvo {

class Sdl_Media : public Surface_Media {
  public:
    // A window for a picture of width x height game pixels.
    Sdl_Media(const Assets* assets, int width, int height, int scale);
    ~Sdl_Media() override;
    Sdl_Media(const Sdl_Media&) = delete;
    Sdl_Media& operator=(const Sdl_Media&) = delete;

    // Starts SDL, reads the screen size and opens the window; answers false with a message
    // when no window can be created. Sound and controllers are optional.
    bool Open(std::string& error);
    int Screen_Width_Px() const { return screen_w_; }
    int Screen_Height_Px() const { return screen_h_; }
    int Scale() const { return scale_; }
    bool Closed() const { return closed_; }
    // Keeps a pointer position (game pixels) where the confinement lets it go.
    void Clamp_Pointer(int& x, int& y) const {
        clip_.Clamp(x, y, back_buffer_.Width, back_buffer_.Height);
    }
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

    // Window events the loop passes on.
    void Set_Focused(bool focused) { focused_ = focused; }
    void Surface_Lost() { texture_lost_ = true; }
    void Controller_Added(int device_index);
    void Controller_Removed(SDL_JoystickID id);
    // Every polled direction state is also told to the listener (the recorder), if any.
    void Listen_To_Polls(Poll_Listener* listener) { poll_listener_ = listener; }

  private:
    bool Create_Renderer();
    bool Create_Texture();
    void Poll_Controller(Input_States& states) const;

    int scale_;
    int screen_w_ = 0, screen_h_ = 0;
    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;
    SDL_GameController* controller_ = nullptr;
    SDL_Joystick* joystick_ = nullptr;
    Sdl_Audio audio_;
    bool closed_ = false;
    bool focused_ = true;
    bool texture_lost_ = false;
    Pointer_Rect clip_;
    Poll_Listener* poll_listener_ = nullptr;
};

}  // namespace zarvo
