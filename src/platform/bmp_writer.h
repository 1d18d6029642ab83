#pragma once
// Screenshots: the back buffer written as an uncompressed 24-bit BMP file.
#include <string>

#include "platform/surface.h"

namespace zarvo {

// Writes the file; answers false if it cannot be written.
bool Write_Bmp(const Surface& surface, const std::string& path);

}  // namespace zarvo
