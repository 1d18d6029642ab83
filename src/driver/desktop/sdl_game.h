#pragma once
// The windowed game: the SDL window, the 24 ms frame clock and the window's events.
#include "driver/start/options.h"
#include "platform/media.h"

namespace zarvo {

// Answers false with a one-line message when no window could be shown at all, before any
// time is spent loading.
bool Window_Possible(std::string& error);

// Runs the game until its window closes; answers the exit code.
// `asset_folder`: where the images and sounds were loaded from, and the demo run with them.
int Run_Windowed(const Program_Options& options, const Assets& assets,
                 const std::string& asset_folder);

}  // namespace zarvo
