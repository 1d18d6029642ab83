#pragma once
// The desktop icon: a corner of the arena cut open, with the figure on it and its trail,
// put together from the game's own pictures.
#include <string>

#include "png_file.h"

namespace assetgen {

// The icon at size x size pixels: 64 times a whole factor, or 64 divided by one (32, 64,
// 128, 192, 256, 512).
Rgba_Picture Paint_App_Icon(int size, uint32_t seed);

// Writes folder/NxN/apps/zarvo.png for each icon size, the layout of a hicolor icon theme.
bool Write_App_Icons(const std::string& folder, uint32_t seed);

// Writes folder/icon-N.png for the browser page: 32 pixels for its favicon, 192 and 512 for
// the web app manifest.
bool Write_Web_Icons(const std::string& folder, uint32_t seed);

}  // namespace assetgen
