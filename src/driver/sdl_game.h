#pragma once
// The windowed game: the SDL window, the 24 ms frame clock and the window's events.
#include "driver/options.h"
#include "platform/media.h"

namespace zarvo {

// Runs the game until its window closes; answers the exit code.
int Run_Windowed(const Program_Options& options, const Assets& assets);

}  // namespace zarvo
