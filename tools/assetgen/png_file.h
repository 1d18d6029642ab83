#pragma once
// PNG pictures with an alpha channel, for the desktop icons. The picture data is stored, not
// compressed, so no compression library is needed; an icon of 256 pixels is about 260 KB.
#include <cstdint>
#include <string>
#include <vector>

namespace assetgen {

struct Rgba_Picture {
    int Width = 0;
    int Height = 0;
    std::vector<uint32_t> Pixels;  // 0xAARRGGBB, row by row
};

// Writes an 8-bit RGBA PNG. Answers false when the file cannot be written.
bool Write_Png(const std::string& path, const Rgba_Picture& picture);

}  // namespace assetgen
