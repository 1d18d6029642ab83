#pragma once
// Contact sheets for looking at the art: every item of a list scaled up on one picture, keyed
// pixels shown on a checker board so the transparent parts can be told from black.
#include <string>

#include "raster.h"

namespace assetgen {

// Writes one sheet per image list into folder ("sheet_DXImageList1.bmp", ...), each item
// enlarged scale times.
bool Write_Contact_Sheets(const std::string& folder, uint32_t seed, int scale);

// Writes one screen as the game would show it: the arena cut open over the title picture,
// enemies with their shadows, and the game panel with sample readouts.
bool Write_Scene_Preview(const std::string& path, uint32_t seed);
// Writes the title screens with their boxes open ("title_options.bmp", ...).
bool Write_Title_Previews(const std::string& folder, uint32_t seed);

}  // namespace assetgen
