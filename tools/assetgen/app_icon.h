#pragma once
// The desktop icon: a corner of the arena cut open, with the figure on it and its trail,
// put together from the game's own pictures.
#include <string>

#include "png_file.h"

namespace assetgen {

// The icon at size x size pixels (32, 64, 128 or 256).
Rgba_Picture Paint_App_Icon(int size, uint32_t seed);

// Writes folder/NxN/apps/zarvo.png for each icon size, the layout of a hicolor icon theme.
bool Write_App_Icons(const std::string& folder, uint32_t seed);

}  // namespace assetgen
