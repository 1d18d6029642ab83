#include "platform/web/web_media.h"

#include <emscripten/emscripten.h>
#include <emscripten/eventloop.h>
#include <emscripten/html5.h>

#include <cmath>

#include "platform/frame_diff.h"
#include "platform/pad_steer.h"

// The page's canvas, as page.html names it.
#define ZARVO_CANVAS "#screen"

// JavaScript, which the C++ formatter would take apart.
// clang-format off
// Hands one part of the picture (RGBA bytes in the program's memory, the whole picture as
// shown) to the page, which puts it into its canvas.
EM_JS(void, Page_Show_Part, (const uint32_t* rgba, int width, int height, int x, int y, int w, int h), {
    let image = Module.zarvoImage;
    if (!image || image.data.buffer !== HEAPU8.buffer || image.data.byteOffset !== rgba ||
        image.width !== width || image.height !== height) {
        const bytes = new Uint8ClampedArray(HEAPU8.buffer, rgba, width * height * 4);
        image = Module.zarvoImage = new ImageData(bytes, width, height);
    }
    Module.zarvoPage.show(image, x, y, w, h);
});

// Listening for a controller makes the browser poll its devices (about 1 % of a core), so the
// page listens only while it is active; once a controller has been seen it goes on listening.
EM_JS(void, Page_Listen_For_Pads, (int on), {
    const heard = Module.zarvoPadHeard ||
        (Module.zarvoPadHeard = () => { Module.zarvoPads = true; });
    if (on)
        addEventListener("gamepadconnected", heard);
    else if (!Module.zarvoPads)
        removeEventListener("gamepadconnected", heard);
});

// The first game controller connected, in the standard layout: its stick's position in
// axes[0..1], and its buttons as bits (A, Back, Start, then the pad's up, down, left, right,
// then X).
// Answers -1 while the page has heard of no controller, 0 when none is connected now, else
// 1 with the readings filled.
EM_JS(int, Page_Read_Pad, (float* axes, int* buttons), {
    if (!Module.zarvoPads) return -1;
    const pads = navigator.getGamepads ? navigator.getGamepads() : [];
    for (const pad of pads) {
        if (!pad || pad.connected === false) continue;
        const down = (i) => !!pad.buttons[i] && (pad.buttons[i].pressed || pad.buttons[i].value > 0.5);
        let bits = 0;
        [0, 8, 9, 12, 13, 14, 15, 2].forEach((button, bit) => { if (down(button)) bits |= 1 << bit; });
        HEAPF32[axes >> 2] = pad.axes[0] || 0;
        HEAPF32[(axes >> 2) + 1] = pad.axes[1] || 0;
        HEAP32[buttons >> 2] = bits;
        return 1;
    }
    return 0;
});

// Where the canvas is on the page, in CSS pixels: left, top, width, height.
EM_JS(void, Page_Canvas_Rect, (double* out), {
    const r = document.getElementById("screen").getBoundingClientRect();
    HEAPF64[(out >> 3) + 0] = r.left;
    HEAPF64[(out >> 3) + 1] = r.top;
    HEAPF64[(out >> 3) + 2] = r.width;
    HEAPF64[(out >> 3) + 3] = r.height;
});

EM_JS(void, Page_Hide_Pointer, (int hidden), {
    document.getElementById("screen").style.cursor = hidden ? "none" : "";
});

// The size the page shows the picture at, in device pixels, as its layout found it.
EM_JS(void, Page_Shown_Size, (int* out), {
    const size = Module.zarvoPage.shownSize();
    HEAP32[out >> 2] = size[0];
    HEAP32[(out >> 2) + 1] = size[1];
});

EM_JS(int, Page_Has_Focus, (), { return document.hasFocus() ? 1 : 0; });
EM_JS(int, Page_Is_Visible, (), { return document.visibilityState === "hidden" ? 0 : 1; });
EM_JS(void, Page_Toggle_Full_Screen, (), { Module.zarvoPage.toggleFullScreen(); });
// A frame without allow="fullscreen" has none: F11 then stays the browser's.
EM_JS(int, Page_Full_Screen_Allowed, (), {
    return document.fullscreenEnabled || document.webkitFullscreenEnabled ? 1 : 0;
});
// clang-format on

namespace zarvo {

namespace {

// A display refreshing faster than 52 Hz (the game's 41.7 ticks a second leave some of its
// frames without a tick) gets frames only for the ticks.
constexpr double Fast_Refresh_Ms = 19;

// The one media layer of the page, for the page's script.
Web_Media* Page_Media = nullptr;

}  // namespace

// The handlers the page calls; each answers whether the page should skip its own default.
struct Web_Media::Events {
    static Web_Media& Of(void* self) { return *static_cast<Web_Media*>(self); }

    static EM_BOOL Key_Down(int, const EmscriptenKeyboardEvent* e, void* self) {
        const Desk_Key desk = Page_Desk_Key(e->key, e->code, e->altKey);
        Of(self).Key(true, e->key, e->code, desk, e->repeat);
        if (desk == Desk_Key::Fullscreen) return Page_Full_Screen_Allowed() ? EM_TRUE : EM_FALSE;
        // The browser keeps its own shortcuts (anything with Ctrl, Alt or Meta) and the keys
        // the game leaves alone.
        const bool shortcut = e->ctrlKey || e->altKey || e->metaKey;
        return !shortcut && Page_Game_Key(e->key, e->code) ? EM_TRUE : EM_FALSE;
    }
    static EM_BOOL Key_Up(int, const EmscriptenKeyboardEvent* e, void* self) {
        Of(self).Key(false, e->key, e->code, Desk_Key::Other, false);
        return EM_FALSE;
    }
    static EM_BOOL Mouse_Move(int, const EmscriptenMouseEvent* e, void* self) {
        Of(self).Pointer_At(e->clientX, e->clientY);
        return EM_FALSE;
    }
    static EM_BOOL Mouse_Down(int, const EmscriptenMouseEvent* e, void* self) {
        if (e->button != 0) return EM_FALSE;
        Web_Media& m = Of(self);
        m.Open_Audio();
        m.left_down_ = true;
        m.Pointer_At(e->clientX, e->clientY);
        // The browser's own mouse-down gives the page, and a frame holding it, the keyboard.
        return EM_FALSE;
    }
    static EM_BOOL Mouse_Up(int, const EmscriptenMouseEvent* e, void* self) {
        Web_Media& m = Of(self);
        if (e->button != 0 || !m.left_down_) return EM_FALSE;
        m.left_down_ = false;
        m.Pointer_At(e->clientX, e->clientY);
        if (m.listener_) m.listener_->Clicked();
        return EM_FALSE;
    }
    // A finger on the picture points; lifting it clicks. A finger that lands where the
    // pointer cannot go (outside the confinement rectangle) does neither: a tap on the arena
    // during play must not become a click on the panel's nearest button.
    static EM_BOOL Touch(int type, const EmscriptenTouchEvent* e, void* self) {
        Web_Media& m = Of(self);
        for (int i = 0; i < e->numTouches; ++i) {
            const EmscriptenTouchPoint& t = e->touches[i];
            if (!t.isChanged) continue;
            if (type == EMSCRIPTEN_EVENT_TOUCHSTART) {
                if (!m.Pointer_At(t.clientX, t.clientY, true)) break;
                m.Open_Audio();
                m.left_down_ = true;
            } else if (m.left_down_) {
                m.Pointer_At(t.clientX, t.clientY);
                if (type != EMSCRIPTEN_EVENT_TOUCHEND) break;
                m.left_down_ = false;
                if (m.listener_) m.listener_->Clicked();
            }
            break;
        }
        return EM_TRUE;
    }
    static EM_BOOL Focus(int type, const EmscriptenFocusEvent*, void* self) {
        Web_Media& m = Of(self);
        m.Activity(type == EMSCRIPTEN_EVENT_FOCUS, m.visible_);
        return EM_FALSE;
    }
    static EM_BOOL Visibility(int, const EmscriptenVisibilityChangeEvent* e, void* self) {
        Web_Media& m = Of(self);
        m.Activity(m.focused_, !e->hidden);
        return EM_FALSE;
    }
    // An animation frame. On a display that refreshes faster than the ticks fall due the page
    // asks for no frame until the next tick is nearly due (a frame without a tick costs the
    // browser nearly as much as one with); a picture that stands still hands over to the timer
    // altogether.
    static EM_BOOL Frame(double now_ms, void* self) {
        Web_Media& m = Of(self);
        if (m.frames_in_row_) m.refresh_ms_ = now_ms - m.last_frame_ms_;
        m.last_frame_ms_ = now_ms;
        if (!m.Refresh(now_ms)) return EM_FALSE;
        const bool fast = m.refresh_ms_ < Fast_Refresh_Ms;
        m.frames_in_row_ =
            !m.Quiet() && (!fast || m.listener_->Ms_Until_Tick(now_ms) <= Frame_Lead_Ms);
        if (m.frames_in_row_) return EM_TRUE;
        m.Wait_For_Tick(now_ms);
        return EM_FALSE;
    }
    // The timer: the animation frames again while the picture moves, else a refresh of its own.
    static void Timer(void* self) {
        Web_Media& m = Of(self);
        if (!m.Quiet()) {
            emscripten_request_animation_frame_loop(&Frame, self);
            return;
        }
        const double now_ms = emscripten_get_now();
        if (!m.Refresh(now_ms)) return;
        if (m.Quiet())
            m.Wait_For_Tick(now_ms);
        else
            emscripten_request_animation_frame_loop(&Frame, self);
    }
};

Web_Media::Web_Media(const Assets* assets, int width, int height)
    : Surface_Media(assets, width, height),
      shown_(static_cast<size_t>(width) * static_cast<size_t>(height), 0) {}

void Web_Media::Start(Web_Listener& listener) {
    listener_ = &listener;
    Page_Media = this;
    const char* window = EMSCRIPTEN_EVENT_TARGET_WINDOW;
    emscripten_set_keydown_callback(window, this, true, &Events::Key_Down);
    emscripten_set_keyup_callback(window, this, true, &Events::Key_Up);
    emscripten_set_mousemove_callback(window, this, true, &Events::Mouse_Move);
    emscripten_set_mousedown_callback(ZARVO_CANVAS, this, true, &Events::Mouse_Down);
    emscripten_set_mouseup_callback(window, this, true, &Events::Mouse_Up);
    emscripten_set_touchstart_callback(ZARVO_CANVAS, this, true, &Events::Touch);
    emscripten_set_touchmove_callback(ZARVO_CANVAS, this, true, &Events::Touch);
    emscripten_set_touchend_callback(ZARVO_CANVAS, this, true, &Events::Touch);
    // The window's own focus and blur only: caught on their way down, those of the picture
    // and the name field would read as the page losing the keyboard whenever a click moves
    // the focus within it.
    emscripten_set_focus_callback(window, this, false, &Events::Focus);
    emscripten_set_blur_callback(window, this, false, &Events::Focus);
    emscripten_set_visibilitychange_callback(this, true, &Events::Visibility);
    Activity(Page_Has_Focus() != 0, Page_Is_Visible() != 0);
    int size[2];
    Page_Shown_Size(size);
    Show_At(size[0], size[1]);
    emscripten_request_animation_frame_loop(&Events::Frame, this);
}

void Web_Media::Show_At(int width, int height) {
    const int w = back_buffer_.Width, h = back_buffer_.Height;
    const bool averaged = width > w && width < 2 * w && height > h && height < 2 * h;
    if (averaged && width == across_.To && height == down_.To) return;
    if (!averaged && scaled_.empty()) return;
    if (averaged) {
        across_ = Make_Area_Axis(w, width);
        down_ = Make_Area_Axis(h, height);
        scaled_.assign(static_cast<size_t>(width) * static_cast<size_t>(height), 0);
    } else {
        across_ = down_ = {};
        scaled_ = {};
    }
    if (shown_once_) Hand_Over({0, 0, w, h});
}

bool Web_Media::Refresh(double now_ms) {
    if (!listener_) return false;
    if (refreshes_unchanged_ < Quiet_Refreshes) ++refreshes_unchanged_;
    Read_Pad();
    return listener_->Refresh(now_ms);
}

// The controller's stick and pad steer at the next tick; its buttons act as they go down.
void Web_Media::Read_Pad() {
    if (!Active()) return;  // reading the controllers would keep the browser polling them
    float axes[2] = {};
    int buttons = 0;
    const int read = Page_Read_Pad(axes, &buttons);
    if (read < 0) return;
    pad_held_ = {};
    if (read == 0 || !Active()) buttons = 0;
    Steer_By_Stick(axes[0], axes[1], pad_held_);
    pad_held_.Up |= (buttons & 8) != 0, pad_held_.Down |= (buttons & 16) != 0;
    pad_held_.Left |= (buttons & 32) != 0, pad_held_.Right |= (buttons & 64) != 0;
    const int pressed = buttons & ~pad_buttons_;
    pad_buttons_ = buttons;
    constexpr Pad_Button Bit_Button[8] = {Pad_Button::Confirm, Pad_Button::Back,  Pad_Button::Start,
                                          Pad_Button::Other,   Pad_Button::Other, Pad_Button::Other,
                                          Pad_Button::Other,   Pad_Button::Press};
    for (int bit = 0; bit < 8; ++bit)
        if ((pressed & (1 << bit)) && Bit_Button[bit] != Pad_Button::Other)
            listener_->Pad_Button_Down(Bit_Button[bit]);
}

// A picture that moves asks for the animation frame a little before the tick is due.
void Web_Media::Wait_For_Tick(double now_ms) {
    const double wait = listener_->Ms_Until_Tick(now_ms) - (Quiet() ? 0 : Frame_Lead_Ms);
    emscripten_set_timeout(&Events::Timer, wait < 1 ? 1 : wait, this);
}

// A held key repeats its key-down, as on the desktop.
void Web_Media::Key(bool down, const char* key, const char* code, Desk_Key desk, bool repeat) {
    if (down) Open_Audio();
    const int direction = Direction_Key(code);
    if (direction >= 0) held_[direction] = down;
    if (down && listener_)
        listener_->Key_Down(Page_Key_Code(key), desk, Page_Show_Code(key), repeat);
}

bool Web_Media::Pointer_At(double client_x, double client_y, bool only_inside) {
    double rect[4];
    Page_Canvas_Rect(rect);
    if (rect[2] <= 0 || rect[3] <= 0 || !listener_) return false;
    const int w = back_buffer_.Width, h = back_buffer_.Height;
    const int at_x = static_cast<int>(std::floor((client_x - rect[0]) * w / rect[2]));
    const int at_y = static_cast<int>(std::floor((client_y - rect[1]) * h / rect[3]));
    int x = at_x, y = at_y;
    clip_.Clamp(x, y, w, h);
    const bool inside = x == at_x && y == at_y;
    if (only_inside && !inside) return false;
    listener_->Pointer_Moved(x, y);
    return inside;
}

// Keys that went up while the page was away would stay held, so none stays held.
void Web_Media::Activity(bool focused, bool visible) {
    const bool was = Active();
    focused_ = focused, visible_ = visible;
    Page_Listen_For_Pads(Active() ? 1 : 0);
    if (!Active()) {
        for (bool& key : held_) key = false;
        left_down_ = false;
        pad_held_ = {};
    }
    if (listener_ && was != Active()) listener_->Active_Changed(Active());
}

void Web_Media::Poll_Input(Input_States& s) {
    auto any = [&](int direction) {
        return held_[3 * direction] || held_[3 * direction + 1] || held_[3 * direction + 2];
    };
    s.Up = any(0) || pad_held_.Up, s.Down = any(1) || pad_held_.Down;
    s.Left = any(2) || pad_held_.Left, s.Right = any(3) || pad_held_.Right;
    if (poll_listener_) poll_listener_->Polled(s);
}

// The page takes RGBA bytes; only the parts of the picture the frame may have changed are
// turned, and only the parts that did change are handed over again.
void Web_Media::Show_Back_Buffer() {
    Finish_Frame(overlay_);
    if (overlay_) overlay_->Draw_Over();
    const Pixel_Rect whole = back_buffer_.Whole();
    Changed_Rects parts;
    if (shown_once_)
        parts = Changed_Parts(Changes(), whole);
    else
        parts.Rect[parts.Count++] = whole;
    Forget_Changes();
    for (int i = 0; i < parts.Count; ++i) Show_Part(parts.Rect[i]);
    shown_once_ = true;
}

void Web_Media::Show_Part(const Pixel_Rect& r) {
    const int width = back_buffer_.Width;
    bool changed = !shown_once_;
    for (int y = r.Top; y < r.Bottom; ++y) {
        const size_t row = static_cast<size_t>(y) * static_cast<size_t>(width);
        changed |= Put_Rgba(back_buffer_.Pixels.data() + row + r.Left, shown_.data() + row + r.Left,
                            r.Right - r.Left);
    }
    if (!changed) return;
    refreshes_unchanged_ = 0;
    Hand_Over(r);
}

// Gives the page a part of the picture, averaged to the size it is shown at where needed.
void Web_Media::Hand_Over(const Pixel_Rect& r) {
    if (scaled_.empty()) {
        Page_Show_Part(shown_.data(), back_buffer_.Width, back_buffer_.Height, r.Left, r.Top,
                       r.Right - r.Left, r.Bottom - r.Top);
        return;
    }
    Pixel_Rect to;
    Shown_Span(across_, r.Left, r.Right, to.Left, to.Right);
    Shown_Span(down_, r.Top, r.Bottom, to.Top, to.Bottom);
    Area_Scale(shown_.data(), across_, down_, to, scaled_.data());
    Page_Show_Part(scaled_.data(), across_.To, down_.To, to.Left, to.Top, to.Right - to.Left,
                   to.Bottom - to.Top);
}

void Web_Media::Confine_Pointer(int left, int top, int right, int bottom) {
    clip_ = {true, left, top, right, bottom};
}

void Web_Media::Hide_System_Pointer(bool hidden) {
    Page_Hide_Pointer(hidden ? 1 : 0);
}

void Web_Media::Toggle_Full_Screen() {
    Page_Toggle_Full_Screen();
}

}  // namespace zarvo

extern "C" EMSCRIPTEN_KEEPALIVE void zarvo_open_sound() {
    if (zarvo::Page_Media) zarvo::Page_Media->Open_Audio();
}

extern "C" EMSCRIPTEN_KEEPALIVE void zarvo_show_at(int width, int height) {
    if (zarvo::Page_Media) zarvo::Page_Media->Show_At(width, height);
}
