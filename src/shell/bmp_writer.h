#pragma once
// Screenshots: the back buffer as an uncompressed 24-bit BMP file.
#include <cstdint>
#include <string>
#include <vector>

#include "shell/surface.h"

namespace zarvo {

std::vector<uint8_t> Encode_Bmp(const Surface& surface);
// Writes the file; answers false if it cannot be written.
bool Write_Bmp(const Surface& surface, const std::string& path);

}  // namespace zarvo
