#pragma once
// The media layer in a browser page: the back buffer put into the page's canvas, Web Audio
// playing the mixer, the keyboard and the pointer read from the page, and the refreshes that
// drive the timer. The page (page.html) shows the picture as large as the tab allows (where
// that is between once and twice its size, averaged to that size here: area_scale.h) and
// offers the browser's full screen; every position the game sees is in game pixels,
// kept inside the confinement rectangle as a window system would keep it.
//
// A game controller is read through the page's Gamepad API (the first one connected, in the
// standard layout) once a refresh, from the first time the page hears of one.
//
// The refreshes are the page's animation frames while the picture moves; a display faster than
// the ticks is asked for a frame only when a tick is about to fall due. Once it has stood
// still for a while (the title screen, a box waiting for a key), asking the browser for
// animation frames would cost several times more than the game itself, so a timer set to the
// next tick wakes the page instead, until the picture moves again.
#include <cstdint>
#include <vector>

#include "platform/area_scale.h"
#include "platform/desk_keys.h"
#include "platform/media.h"
#include "platform/pointer_rect.h"
#include "platform/web/web_audio.h"
#include "platform/web/web_keys.h"

namespace zarvo {

// What the page tells the program, already in game terms.
class Web_Listener {
  public:
    virtual ~Web_Listener() = default;
    // A key went down, as the game knows it (web_keys.h); `desk` is its desktop comfort,
    // `show` its number for a shown run (Page_Show_Code), and `repeat` tells that it is held.
    virtual void Key_Down(Key_Code key, Desk_Key desk, int32_t show, bool repeat) = 0;
    // A button of the game controller went down.
    virtual void Pad_Button_Down(Pad_Button button) = 0;
    // The pointer moved to game pixel (x, y), inside the confinement rectangle.
    virtual void Pointer_Moved(int x, int y) = 0;
    // The left button went down over the picture and came up again.
    virtual void Clicked() = 0;
    // The page became visible and focused, or stopped being either.
    virtual void Active_Changed(bool active) = 0;
    // A refresh of the page at `now_ms`: a tick may be due. Answers false to stop them.
    virtual bool Refresh(double now_ms) = 0;
    // How long until the next tick is due.
    virtual double Ms_Until_Tick(double now_ms) = 0;
};

class Web_Media : public Surface_Media {
  public:
    Web_Media(const Assets* assets, int width, int height);
    Web_Media(const Web_Media&) = delete;
    Web_Media& operator=(const Web_Media&) = delete;

    // Hooks the page's events up to the listener and starts the animation frames.
    void Start(Web_Listener& listener);
    bool Active() const { return focused_ && visible_; }
    // Opens the sound, once; the page calls it (zarvo_open_sound) from a click, tap or key
    // that it keeps from the game, since browsers start sound only on such an event.
    void Open_Audio() { audio_.Open(assets_ ? assets_->Waves : std::vector<Sound>{}); }
    bool Closed() const { return closed_; }
    // The game that closed the page starts again.
    void Reopen() { closed_ = false; }
    // Drawn over every picture just before the page takes it.
    void Set_Overlay(Frame_Overlay* overlay) { overlay_ = overlay; }
    void Set_Sound_Level(int percent) { audio_.Set_Level(percent); }
    void Suspend_Sound(bool suspended) { audio_.Suspend(suspended); }
    // Every polled direction state is also told to the listener (the recorder), if any.
    void Listen_To_Polls(Poll_Listener* listener) { poll_listener_ = listener; }
    // Keeps a pointer position (game pixels) where the confinement lets it go now.
    void Clamp_Pointer(int& x, int& y) const {
        clip_.Clamp(x, y, back_buffer_.Width, back_buffer_.Height);
    }
    // The browser's full screen on or off (inside a key or click event, as browsers demand).
    void Toggle_Full_Screen();
    // The size in device pixels at which the page shows the picture: between once and twice
    // the picture's size the program averages it to that size itself (the page calls it,
    // zarvo_show_at, whenever the size changes); at any other size the page's canvas takes
    // the picture as it is. Shows the whole picture again at the new size.
    void Show_At(int width, int height);

    bool Surface_Ready() override { return true; }
    void Poll_Input(Input_States& states) override;
    void Show_Back_Buffer() override;
    void Play_Wave(int index) override { audio_.Play(index); }
    void Confine_Pointer(int left, int top, int right, int bottom) override;
    void Release_Pointer() override { clip_.Confined = false; }
    // A page cannot move the system pointer; the game's own pointer is where it placed it.
    void Place_Pointer(int, int) override {}
    void Hide_System_Pointer(bool hidden) override;
    // The game asks to end: the driver sees it as Closed.
    void Close() override { closed_ = true; }

  private:
    struct Events;  // the page's event handlers
    void Key(bool down, const char* key, const char* code, Desk_Key desk, bool repeat);
    void Read_Pad();
    void Show_Part(const Pixel_Rect& r);
    void Hand_Over(const Pixel_Rect& r);
    // Moves the game's pointer to the page point, kept inside the confinement rectangle;
    // answers whether the point was inside. With only_inside a point outside moves nothing.
    bool Pointer_At(double client_x, double client_y, bool only_inside = false);
    void Activity(bool focused, bool visible);
    // One refresh; answers whether the page goes on refreshing.
    bool Refresh(double now_ms);
    bool Quiet() const { return refreshes_unchanged_ >= Quiet_Refreshes; }
    void Wait_For_Tick(double now_ms);

    // After this many refreshes without a change of picture the timer takes over.
    static constexpr int Quiet_Refreshes = 24;
    // How long before a tick is due the page asks for the animation frame that runs it.
    static constexpr double Frame_Lead_Ms = 4;

    Web_Listener* listener_ = nullptr;
    Poll_Listener* poll_listener_ = nullptr;
    Frame_Overlay* overlay_ = nullptr;
    bool held_[Direction_Key_Count] = {};
    Input_States pad_held_;
    int pad_buttons_ = 0;  // the controller's buttons down at the last look
    bool left_down_ = false;
    bool focused_ = true, visible_ = true;
    bool closed_ = false;
    Pointer_Rect clip_;
    Web_Audio audio_;
    std::vector<uint32_t> shown_;  // the canvas's pixels as the page takes them (RGBA bytes)
    // The picture averaged to the size the page shows it at, while that is not the picture's.
    Area_Axis across_, down_;
    std::vector<uint32_t> scaled_;
    bool shown_once_ = false;
    int refreshes_unchanged_ = 0;
    bool frames_in_row_ = false;  // the last animation frame asked for the next
    double last_frame_ms_ = 0;
    double refresh_ms_ = 1000;  // the display's refresh interval, once two frames came in a row
};

}  // namespace zarvo
