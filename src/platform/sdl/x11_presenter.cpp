#include "platform/sdl/x11_presenter.h"

#include <SDL_syswm.h>

#include <cmath>
#include <cstring>

#if defined(SDL_VIDEO_DRIVER_X11) && __has_include(<X11/extensions/XShm.h>) && \
    __has_include(<X11/extensions/Xrender.h>)
#define ZARVO_X11_PRESENTER 1
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <X11/extensions/Xrender.h>
#include <sys/ipc.h>
#include <sys/shm.h>
#endif

namespace zarvo {

#if defined(ZARVO_X11_PRESENTER)

namespace {

// The libraries are looked up when the game runs, as SDL does, so that the game also starts
// where they are missing (a display without X).
struct X_Calls {
    decltype(&::XSync) Sync = nullptr;
    decltype(&::XFlush) Flush = nullptr;
    decltype(&::XSetErrorHandler) Set_Error_Handler = nullptr;
    decltype(&::XGetWindowAttributes) Get_Window_Attributes = nullptr;
    decltype(&::XCreatePixmap) Create_Pixmap = nullptr;
    decltype(&::XFreePixmap) Free_Pixmap = nullptr;
    decltype(&::XCreateGC) Create_GC = nullptr;
    decltype(&::XFreeGC) Free_GC = nullptr;
    decltype(&::XShmQueryExtension) Shm_Query = nullptr;
    decltype(&::XShmCreateImage) Shm_Create_Image = nullptr;
    decltype(&::XShmAttach) Shm_Attach = nullptr;
    decltype(&::XShmDetach) Shm_Detach = nullptr;
    decltype(&::XShmPutImage) Shm_Put_Image = nullptr;
    decltype(&::XRenderQueryExtension) Render_Query = nullptr;
    decltype(&::XRenderFindVisualFormat) Find_Visual_Format = nullptr;
    decltype(&::XRenderCreatePicture) Create_Picture = nullptr;
    decltype(&::XRenderFreePicture) Free_Picture = nullptr;
    decltype(&::XRenderSetPictureTransform) Set_Transform = nullptr;
    decltype(&::XRenderSetPictureFilter) Set_Filter = nullptr;
    decltype(&::XRenderComposite) Composite = nullptr;
    decltype(&::XRenderFillRectangle) Fill_Rectangle = nullptr;
};

template <typename F>
bool Find(void* library, const char* name, F& f) {
    f = library ? reinterpret_cast<F>(SDL_LoadFunction(library, name)) : nullptr;
    return f != nullptr;
}

bool refused = false;  // the server answered a request of the opening with an error

int Note_Refusal(Display*, XErrorEvent*) {
    refused = true;
    return 0;
}

}  // namespace

struct X11_Presenter::State : Pixel_Store {
    X_Calls x;
    void* x11 = nullptr;
    void* xext = nullptr;
    void* xrender = nullptr;
    Display* display = nullptr;
    Window window = 0;
    int width = 0, height = 0;
    XShmSegmentInfo shm{};
    bool attached = false;
    XImage* image = nullptr;
    Pixmap pixmap = 0;
    GC gc = nullptr;
    Picture from = 0, to = 0;
    int scale = 0;      // the factor `from` is scaled by
    bool lent = false;  // a surface keeps its pixels in the shared memory

    State() { shm.shmid = -1; }
    ~State() override { Free(); }
    State(const State&) = delete;
    State& operator=(const State&) = delete;
    bool Load();
    bool Local() const;
    bool Make();
    bool Make_Image(Visual* visual);
    void Scale_By(int k);
    void* Lend(size_t bytes) override;
    bool Take_Back(void* block) override;
    void Free();
};

bool X11_Presenter::State::Load() {
    x11 = SDL_LoadObject("libX11.so.6");
    xext = SDL_LoadObject("libXext.so.6");
    xrender = SDL_LoadObject("libXrender.so.1");
    return Find(x11, "XSync", x.Sync) && Find(x11, "XFlush", x.Flush) &&
           Find(x11, "XSetErrorHandler", x.Set_Error_Handler) &&
           Find(x11, "XGetWindowAttributes", x.Get_Window_Attributes) &&
           Find(x11, "XCreatePixmap", x.Create_Pixmap) &&
           Find(x11, "XFreePixmap", x.Free_Pixmap) && Find(x11, "XCreateGC", x.Create_GC) &&
           Find(x11, "XFreeGC", x.Free_GC) && Find(xext, "XShmQueryExtension", x.Shm_Query) &&
           Find(xext, "XShmCreateImage", x.Shm_Create_Image) &&
           Find(xext, "XShmAttach", x.Shm_Attach) && Find(xext, "XShmDetach", x.Shm_Detach) &&
           Find(xext, "XShmPutImage", x.Shm_Put_Image) &&
           Find(xrender, "XRenderQueryExtension", x.Render_Query) &&
           Find(xrender, "XRenderFindVisualFormat", x.Find_Visual_Format) &&
           Find(xrender, "XRenderCreatePicture", x.Create_Picture) &&
           Find(xrender, "XRenderFreePicture", x.Free_Picture) &&
           Find(xrender, "XRenderSetPictureTransform", x.Set_Transform) &&
           Find(xrender, "XRenderSetPictureFilter", x.Set_Filter) &&
           Find(xrender, "XRenderComposite", x.Composite) &&
           Find(xrender, "XRenderFillRectangle", x.Fill_Rectangle);
}

// Shared memory reaches only a server on this machine.
bool X11_Presenter::State::Local() const {
    const char* name = DisplayString(display);
    return name && (name[0] == ':' || std::strncmp(name, "unix:", 5) == 0);
}

// The image in shared memory, as wide and high as the picture, 0x00RRGGBB in each 32 bits.
bool X11_Presenter::State::Make_Image(Visual* visual) {
    image = x.Shm_Create_Image(display, visual, 24, ZPixmap, nullptr, &shm,
                               static_cast<unsigned>(width), static_cast<unsigned>(height));
    if (!image || image->bits_per_pixel != 32 || image->byte_order != LSBFirst) return false;
    shm.shmid = shmget(IPC_PRIVATE, static_cast<size_t>(image->bytes_per_line) * height,
                       IPC_CREAT | 0600);
    if (shm.shmid < 0) return false;
    void* at = shmat(shm.shmid, nullptr, 0);
    if (at == reinterpret_cast<void*>(-1)) return false;
    shm.shmaddr = image->data = static_cast<char*>(at);
    shm.readOnly = False;
    attached = x.Shm_Attach(display, &shm) != 0;
    return attached;
}

bool X11_Presenter::State::Make() {
    int event_base = 0, error_base = 0;
    if (!x.Shm_Query(display) || !x.Render_Query(display, &event_base, &error_base)) return false;
    XWindowAttributes a{};
    if (!x.Get_Window_Attributes(display, window, &a) || a.depth != 24 || !a.visual ||
        a.visual->red_mask != 0xFF0000 || a.visual->green_mask != 0xFF00 ||
        a.visual->blue_mask != 0xFF)
        return false;
    XRenderPictFormat* format = x.Find_Visual_Format(display, a.visual);
    if (!format) return false;
    x.Sync(display, False);
    refused = false;
    const auto before = x.Set_Error_Handler(Note_Refusal);
    const bool made = Make_Image(a.visual);
    if (made) {
        pixmap = x.Create_Pixmap(display, window, static_cast<unsigned>(width),
                                 static_cast<unsigned>(height), 24);
        gc = x.Create_GC(display, pixmap, 0, nullptr);
        XRenderPictureAttributes plain{};
        from = x.Create_Picture(display, pixmap, format, 0, &plain);
        to = x.Create_Picture(display, window, format, 0, &plain);
        x.Set_Filter(display, from, const_cast<char*>(FilterNearest), nullptr, 0);
    }
    x.Sync(display, False);
    x.Set_Error_Handler(before);
    if (shm.shmid >= 0) shmctl(shm.shmid, IPC_RMID, nullptr);  // gone once both let go
    return made && !refused;
}

// The pixmap's picture is read through a transform that makes each pixel k x k.
void X11_Presenter::State::Scale_By(int k) {
    const auto one = static_cast<XFixed>(65536);
    const auto part = static_cast<XFixed>(std::lround(65536.0 / k));
    XTransform t{{{part, 0, 0}, {0, part, 0}, {0, 0, one}}};
    x.Set_Transform(display, from, &t);
    scale = k;
}

void X11_Presenter::State::Free() {
    if (display) {
        if (from) x.Free_Picture(display, from);
        if (to) x.Free_Picture(display, to);
        if (gc) x.Free_GC(display, gc);
        if (pixmap) x.Free_Pixmap(display, pixmap);
        if (attached) x.Shm_Detach(display, &shm);
        x.Sync(display, False);
    }
    if (image) {
        image->data = nullptr;  // the shared memory is let go below
        XDestroyImage(image);
    }
    if (shm.shmaddr) shmdt(shm.shmaddr);
    for (void* library : {xrender, xext, x11})
        if (library) SDL_UnloadObject(library);
}

// Only a surface laid out as the image is (rows of the picture's width, one after the other)
// can borrow it.
void* X11_Presenter::State::Lend(size_t bytes) {
    const size_t size = static_cast<size_t>(image->bytes_per_line) * height;
    if (lent || bytes != size || image->bytes_per_line != width * 4) return nullptr;
    lent = true;
    return image->data;
}

bool X11_Presenter::State::Take_Back(void* block) {
    if (!lent || block != image->data) return false;
    lent = false;
    return true;
}

X11_Presenter::X11_Presenter() = default;
X11_Presenter::~X11_Presenter() = default;

bool X11_Presenter::Open(SDL_Window* window, int width, int height) {
    Close();
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return false;
    auto s = std::make_unique<State>();
    s->display = info.info.x11.display;
    s->window = info.info.x11.window;
    s->width = width, s->height = height;
    if (!s->Load() || !s->Local() || !s->Make()) return false;
    state_ = std::move(s);
    return true;
}

void X11_Presenter::Close() {
    state_.reset();
}

bool X11_Presenter::Ready() const {
    return state_ != nullptr;
}

Pixel_Store* X11_Presenter::Store() {
    return state_.get();
}

void X11_Presenter::Show(const Surface& frame, const Changed_Rects& parts, const View& view,
                         Size area, bool bars) {
    if (!state_) return;
    State& s = *state_;
    const X_Calls& x = s.x;
    // The game does not wait for the server to be done with the frame before. A put the server
    // carries out late reads pixels that a later frame wrote meanwhile; every pixel written is
    // put again after it, so the window ends at the latest frame whatever the server's pace:
    // at worst a frame shows a few pixels of the next one early.
    if (static_cast<const void*>(frame.Pixels.data()) != s.image->data) {
        if (s.lent) return;
        Put_Scaled(frame, parts,
                   {reinterpret_cast<uint32_t*>(s.image->data), s.image->bytes_per_line / 4}, 1);
    }
    const int k = view.Scale;
    if (k != s.scale) s.Scale_By(k);
    if (bars) {
        const XRenderColor black{0, 0, 0, 0xFFFF};
        x.Fill_Rectangle(s.display, PictOpSrc, s.to, &black, 0, 0,
                         static_cast<unsigned>(area.Width), static_cast<unsigned>(area.Height));
    }
    for (int i = 0; i < parts.Count; ++i) {
        const Pixel_Rect& r = parts.Rect[i];
        const auto w = static_cast<unsigned>(r.Right - r.Left);
        const auto h = static_cast<unsigned>(r.Bottom - r.Top);
        x.Shm_Put_Image(s.display, s.pixmap, s.gc, s.image, r.Left, r.Top, r.Left, r.Top, w, h,
                        False);
        x.Composite(s.display, PictOpSrc, s.from, 0, s.to, r.Left * k, r.Top * k, 0, 0,
                    view.X + r.Left * k, view.Y + r.Top * k, w * k, h * k);
    }
    x.Flush(s.display);
}

#else

struct X11_Presenter::State {};
X11_Presenter::X11_Presenter() = default;
X11_Presenter::~X11_Presenter() = default;
bool X11_Presenter::Open(SDL_Window*, int, int) {
    return false;
}
void X11_Presenter::Close() {}
bool X11_Presenter::Ready() const {
    return false;
}
Pixel_Store* X11_Presenter::Store() {
    return nullptr;
}
void X11_Presenter::Show(const Surface&, const Changed_Rects&, const View&, Size, bool) {}

#endif

}  // namespace zarvo
