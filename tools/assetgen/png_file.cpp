#include "png_file.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdio>

namespace assetgen {

namespace {

using Bytes = std::vector<uint8_t>;

uint32_t Crc32(const uint8_t* data, size_t size, uint32_t crc = 0) {
    static const std::array<uint32_t, 256> table = [] {
        std::array<uint32_t, 256> t{};
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    crc = ~crc;
    for (size_t i = 0; i < size; ++i) crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

uint32_t Adler32(const Bytes& data) {
    uint32_t a = 1, b = 0;
    for (uint8_t byte : data) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    return (b << 16) | a;
}

void Put_Be32(Bytes& out, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(v >> shift));
}

void Put_Chunk(Bytes& out, const char type[4], const Bytes& body) {
    Put_Be32(out, static_cast<uint32_t>(body.size()));
    const size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), body.begin(), body.end());
    Put_Be32(out, Crc32(out.data() + start, out.size() - start));
}

// A zlib stream of stored deflate blocks, at most 65535 bytes each.
Bytes Zlib_Stored(const Bytes& raw) {
    Bytes out = {0x78, 0x01};
    size_t pos = 0;
    do {
        const size_t n = std::min<size_t>(65535, raw.size() - pos);
        const bool last = pos + n == raw.size();
        out.push_back(last ? 1 : 0);
        out.push_back(static_cast<uint8_t>(n));
        out.push_back(static_cast<uint8_t>(n >> 8));
        out.push_back(static_cast<uint8_t>(~n));
        out.push_back(static_cast<uint8_t>(~n >> 8));
        out.insert(out.end(), raw.begin() + static_cast<std::ptrdiff_t>(pos),
                   raw.begin() + static_cast<std::ptrdiff_t>(pos + n));
        pos += n;
    } while (pos < raw.size());
    Put_Be32(out, Adler32(raw));
    return out;
}

}  // namespace

bool Write_Png(const std::string& path, const Rgba_Picture& picture) {
    Bytes header;
    Put_Be32(header, static_cast<uint32_t>(picture.Width));
    Put_Be32(header, static_cast<uint32_t>(picture.Height));
    header.insert(header.end(), {8, 6, 0, 0, 0});  // 8 bits, RGBA, deflate, no filter, no interlace
    Bytes rows;
    for (int y = 0; y < picture.Height; ++y) {
        rows.push_back(0);  // filter type none
        for (int x = 0; x < picture.Width; ++x) {
            const uint32_t p = picture.Pixels[static_cast<size_t>(y) * picture.Width + x];
            rows.insert(rows.end(), {static_cast<uint8_t>(p >> 16), static_cast<uint8_t>(p >> 8),
                                     static_cast<uint8_t>(p), static_cast<uint8_t>(p >> 24)});
        }
    }
    Bytes file = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Put_Chunk(file, "IHDR", header);
    Put_Chunk(file, "IDAT", Zlib_Stored(rows));
    Put_Chunk(file, "IEND", {});
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const bool written = std::fwrite(file.data(), 1, file.size(), f) == file.size();
    return std::fclose(f) == 0 && written;
}

}  // namespace assetgen
