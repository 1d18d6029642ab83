// Showing the back buffer: the choice between a hardware renderer and the window's own
// surface, the picture's place in the window, and the two ways of putting a frame on screen.
#include <algorithm>
#include <cstring>

#include "platform/frame_diff.h"
#include "platform/sdl/sdl_media.h"

namespace zarvo {

namespace {

// An OpenGL renderer that draws on the processor is slower than the window surface: it
// uploads and scales every frame in software.
bool Drawn_In_Software(SDL_Renderer* renderer) {
    SDL_RendererInfo info;
    if (SDL_GetRendererInfo(renderer, &info) != 0) return true;
    if (info.flags & SDL_RENDERER_SOFTWARE) return true;
    if (std::strncmp(info.name, "opengl", 6) != 0) return false;
    using Get_String = const unsigned char* (*)(unsigned);
    const auto get = reinterpret_cast<Get_String>(SDL_GL_GetProcAddress("glGetString"));
    const unsigned GL_Renderer = 0x1F01;
    const char* name = get ? reinterpret_cast<const char*>(get(GL_Renderer)) : nullptr;
    if (!name) return true;
    for (const char* soft : {"llvmpipe", "softpipe", "Software", "SWR", "swrast"})
        if (std::strstr(name, soft)) return true;
    return false;
}

bool Picture_Fills(const View& v, Size area) {
    return v.X == 0 && v.Y == 0 && v.Width == area.Width && v.Height == area.Height;
}

}  // namespace

bool Sdl_Media::Create_Presenter() {
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "0");
    renderer_ =
        SDL_CreateRenderer(window_, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC);
    if (!renderer_) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_ACCELERATED);
    if (renderer_ && Drawn_In_Software(renderer_)) {
        SDL_DestroyRenderer(renderer_);
        renderer_ = nullptr;
    }
    if (renderer_) return Create_Texture();
    if (x11_.Open(window_, back_buffer_.Width, back_buffer_.Height)) {
        back_buffer_.Keep_In(x11_.Store());  // the server reads the frames where they are drawn
        return true;
    }
    // The window system's own frame buffer (shared memory on X11), not a texture behind it.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    return SDL_GetWindowSurface(window_) != nullptr;
}

bool Sdl_Media::Create_Texture() {
    if (texture_) SDL_DestroyTexture(texture_);
    texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING,
                                 back_buffer_.Width, back_buffer_.Height);
    texture_lost_ = false;
    redraw_all_ = true;
    return texture_ != nullptr;
}

// A lost texture is made anew; the back buffer is our own and never lost.
bool Sdl_Media::Surface_Ready() {
    if (!window_) return false;
    if (!renderer_) return true;
    if (texture_lost_ || !texture_) return Create_Texture();
    return true;
}

// Where the picture stands: the largest whole factor that fits the window, centred.
void Sdl_Media::Layout() {
    Size area;
    SDL_GetWindowSize(window_, &area.Width, &area.Height);
    if (!renderer_ && !x11_.Ready()) {
        SDL_Surface* now = SDL_GetWindowSurface(window_);
        if (now != window_surface_) redraw_all_ = true;
        window_surface_ = now;
    }
    if (area == area_ && !redraw_all_) return;
    area_ = area;
    const View before = view_;
    view_ = Centred_View(area, {back_buffer_.Width, back_buffer_.Height});
    redraw_all_ = true;
    if (!(view_ == before)) Apply_Confinement();
}

void Sdl_Media::Window_Changed() {
    redraw_all_ = true;
    if (window_) Layout();
}

void Sdl_Media::Show_Back_Buffer() {
    Finish_Frame(overlay_);
    if (!Surface_Ready()) return;
    if (overlay_) overlay_->Draw_Over();
    Layout();
    if (renderer_)
        Present_To_Texture();
    else if (x11_.Ready())
        Present_To_X11();
    else
        Present_To_Window_Surface();
    Forget_Changes();
}

// The parts of the picture to show: all of it when the window needs it, else what changed.
Changed_Rects Sdl_Media::Parts_To_Show(const Pixel_Rect& within) const {
    if (!redraw_all_) return Changed_Parts(Changes(), within);
    Changed_Rects all;
    all.Rect[all.Count++] = back_buffer_.Whole().Within(within);
    return all;
}

// The changed rows go into the locked texture; the GPU scales. Only bars need a clear.
void Sdl_Media::Present_To_Texture() {
    const Changed_Rects parts = Parts_To_Show(back_buffer_.Whole());
    if (parts.Empty() && !redraw_all_) return;
    if (!parts.Empty()) {
        const Pixel_Rect b = parts.Bounds();
        const SDL_Rect rows{0, b.Top, back_buffer_.Width, b.Bottom - b.Top};
        void* pixels = nullptr;
        int pitch = 0;
        if (SDL_LockTexture(texture_, &rows, &pixels, &pitch) != 0) {
            redraw_all_ = true;  // the texture missed these rows: all go next time
            return;
        }
        Put_Scaled(back_buffer_, parts, {static_cast<uint32_t*>(pixels), pitch / 4, 0, b.Top}, 1);
        SDL_UnlockTexture(texture_);
    }
    if (!Picture_Fills(view_, area_)) {
        SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
        SDL_RenderClear(renderer_);
    }
    const SDL_Rect to{view_.X, view_.Y, view_.Width, view_.Height};
    SDL_RenderCopy(renderer_, texture_, nullptr, &to);
    SDL_RenderPresent(renderer_);
    redraw_all_ = false;
}

// The changed parts are scaled straight into the window's surface and only they are sent. A
// window kept smaller than the picture (by a tiling window manager, or without one) shows the
// picture's top-left part.
void Sdl_Media::Present_To_Window_Surface() {
    SDL_Surface* s = window_surface_;
    if (!s || s->format->BytesPerPixel != 4 || (SDL_MUSTLOCK(s) && SDL_LockSurface(s) != 0)) {
        redraw_all_ = true;  // nothing was shown: all goes next time
        return;
    }
    const bool all = redraw_all_;
    if (all) SDL_FillRect(s, nullptr, 0);
    const int k = view_.Scale;
    const Changed_Rects parts = Parts_To_Show({0, 0, (s->w - view_.X) / k, (s->h - view_.Y) / k});
    const int pitch = s->pitch / 4;
    Put_Scaled(back_buffer_, parts,
               {static_cast<uint32_t*>(s->pixels) + static_cast<size_t>(view_.Y) * pitch + view_.X,
                pitch},
               k);
    if (SDL_MUSTLOCK(s)) SDL_UnlockSurface(s);
    redraw_all_ = false;
    if (all) {
        SDL_UpdateWindowSurface(window_);
        return;
    }
    if (parts.Empty()) return;
    SDL_Rect rects[Changed_Rects::Max];
    for (int i = 0; i < parts.Count; ++i) {
        const Pixel_Rect& r = parts.Rect[i];
        rects[i] = {view_.X + r.Left * k, view_.Y + r.Top * k, (r.Right - r.Left) * k,
                    (r.Bottom - r.Top) * k};
    }
    SDL_UpdateWindowSurfaceRects(window_, rects, parts.Count);
}

// The changed parts that lie in the window go to the X server, which scales them.
void Sdl_Media::Present_To_X11() {
    const int k = view_.Scale;
    const Changed_Rects parts =
        Parts_To_Show({0, 0, (area_.Width - view_.X) / k, (area_.Height - view_.Y) / k});
    if (!parts.Empty() || redraw_all_)
        x11_.Show(back_buffer_, parts, view_, area_, redraw_all_ && !Picture_Fills(view_, area_));
    redraw_all_ = false;
}

}  // namespace zarvo
