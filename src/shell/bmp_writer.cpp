#include "shell/bmp_writer.h"

#include <fstream>

namespace zarvo {

namespace {

void Put_U16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

void Put_U32(std::vector<uint8_t>& out, uint32_t v) {
    Put_U16(out, v & 0xFFFF);
    Put_U16(out, v >> 16);
}

}  // namespace

std::vector<uint8_t> Encode_Bmp(const Surface& s) {
    const uint32_t row_bytes = (static_cast<uint32_t>(s.Width) * 3 + 3) & ~3u;
    const uint32_t image_bytes = row_bytes * static_cast<uint32_t>(s.Height);
    std::vector<uint8_t> out;
    out.reserve(54 + image_bytes);
    out.push_back('B'), out.push_back('M');
    Put_U32(out, 54 + image_bytes);
    Put_U32(out, 0);
    Put_U32(out, 54);  // pixel data offset
    Put_U32(out, 40);  // BITMAPINFOHEADER
    Put_U32(out, static_cast<uint32_t>(s.Width));
    Put_U32(out, static_cast<uint32_t>(s.Height));  // positive: bottom row first
    Put_U16(out, 1);
    Put_U16(out, 24);
    Put_U32(out, 0);  // no compression
    Put_U32(out, image_bytes);
    Put_U32(out, 2835), Put_U32(out, 2835);  // 72 dpi
    Put_U32(out, 0), Put_U32(out, 0);
    for (int y = s.Height - 1; y >= 0; --y) {
        for (int x = 0; x < s.Width; ++x) {
            const uint32_t p = s.At(x, y);
            out.push_back(static_cast<uint8_t>(p));
            out.push_back(static_cast<uint8_t>(p >> 8));
            out.push_back(static_cast<uint8_t>(p >> 16));
        }
        for (uint32_t pad = static_cast<uint32_t>(s.Width) * 3; pad < row_bytes; ++pad)
            out.push_back(0);
    }
    return out;
}

bool Write_Bmp(const Surface& surface, const std::string& path) {
    const std::vector<uint8_t> bytes = Encode_Bmp(surface);
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

}  // namespace zarvo
