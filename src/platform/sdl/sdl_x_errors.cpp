#include "platform/sdl/sdl_x_errors.h"

#include <SDL.h>
#include <SDL_syswm.h>

#include <cstdio>
#include <cstring>

namespace zarvo {

#if defined(SDL_VIDEO_DRIVER_X11)

namespace {

bool told = false;

int Ignore_Error(Display*, XErrorEvent* e) {
    if (!told)
        std::fprintf(stderr,
                     "zarvo: the X server refused a request (error %d, request %d.%d); the game "
                     "goes on\n",
                     e->error_code, e->request_code, e->minor_code);
    told = true;
    return 0;
}

}  // namespace

void Keep_X_Errors_Harmless() {
    const char* driver = SDL_GetCurrentVideoDriver();
    if (!driver || std::strcmp(driver, "x11") != 0) return;
    // libX11 is already loaded by SDL; it stays loaded for as long as SDL's video runs.
    void* x11 = SDL_LoadObject("libX11.so.6");
    if (!x11) return;
    using Handler = int (*)(Display*, XErrorEvent*);
    using Set_Handler = Handler (*)(Handler);
    const auto set = reinterpret_cast<Set_Handler>(SDL_LoadFunction(x11, "XSetErrorHandler"));
    if (set) set(Ignore_Error);
}

#else

void Keep_X_Errors_Harmless() {}

#endif

}  // namespace zarvo
