#pragma once
// 24-bit Windows bitmaps: the storage of every picture of the image lists. The generator
// writes them, the loader reads them back; an artist may replace any of them with a bitmap of
// the same size drawn in any paint program.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/surface.h"

namespace zarvo {

// Writes the image as an uncompressed 24-bit bottom-up bitmap. Answers false when the file
// cannot be written.
bool Write_Bmp(const std::string& path, const Image& image);

// Reads an uncompressed 24-bit bitmap (bottom-up or top-down) into image.Width, Height and
// Pixels; the colour key is not stored in the file and is left alone. On failure answers false
// and says why in error ("not a 24-bit bitmap", "cannot be read", ...).
bool Read_Bmp(const std::string& path, Image& image, std::string& error);
// The same for the bytes of a bitmap file.
bool Decode_Bmp(const std::vector<uint8_t>& bytes, Image& image, std::string& error);

}  // namespace zarvo
