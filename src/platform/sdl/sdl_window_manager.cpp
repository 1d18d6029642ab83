// Whether a window manager looks after the game's window. Without one (a bare X server, as in
// a virtual display) a fullscreen request reaches nobody, and the window is made to cover the
// display by hand.
#include "platform/sdl/sdl_window_manager.h"

#include <SDL.h>
#include <SDL_syswm.h>

namespace zarvo {

bool Window_Manager_Runs(SDL_Window* window) {
#if defined(SDL_VIDEO_DRIVER_X11)
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return true;
    // libX11 is already loaded by SDL; its functions are looked up rather than linked.
    void* x11 = SDL_LoadObject("libX11.so.6");
    if (!x11) return true;
    using Intern_Atom = Atom (*)(Display*, const char*, Bool);
    using Get_Property = int (*)(Display*, Window, Atom, long, long, Bool, Atom, Atom*, int*,
                                 unsigned long*, unsigned long*, unsigned char**);
    using Free = int (*)(void*);
    const auto intern = reinterpret_cast<Intern_Atom>(SDL_LoadFunction(x11, "XInternAtom"));
    const auto get = reinterpret_cast<Get_Property>(SDL_LoadFunction(x11, "XGetWindowProperty"));
    const auto free = reinterpret_cast<Free>(SDL_LoadFunction(x11, "XFree"));
    bool runs = true;
    if (intern && get && free) {
        Display* d = info.info.x11.display;
        const Atom check = intern(d, "_NET_SUPPORTING_WM_CHECK", True);
        Atom type = 0;
        int format = 0;
        unsigned long items = 0, after = 0;
        unsigned char* data = nullptr;
        runs = check != 0 &&
               get(d, DefaultRootWindow(d), check, 0, 1, False, AnyPropertyType, &type, &format,
                   &items, &after, &data) == Success &&
               items > 0;
        if (data) free(data);
    }
    SDL_UnloadObject(x11);
    return runs;
#else
    (void)window;
    return true;
#endif
}

}  // namespace zarvo
