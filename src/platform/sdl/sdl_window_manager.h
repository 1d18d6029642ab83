#pragma once
#include <SDL.h>

namespace zarvo {

// False only on an X server without a window manager.
bool Window_Manager_Runs(SDL_Window* window);

}  // namespace zarvo
