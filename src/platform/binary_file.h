#pragma once
// Whole-file reads and writes and little-endian field access, shared by the bitmap and wave
// file formats.
#include <cstdint>
#include <string>
#include <vector>

namespace zarvo {

bool Read_Whole_File(const std::string& path, std::vector<uint8_t>& bytes);
bool Write_Whole_File(const std::string& path, const std::vector<uint8_t>& bytes);

inline uint32_t Get_U16(const uint8_t* p) {
    return p[0] | (p[1] << 8);
}
inline uint32_t Get_U32(const uint8_t* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}
inline void Put_U16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(v & 0xFF);
    out.push_back((v >> 8) & 0xFF);
}
inline void Put_U32(std::vector<uint8_t>& out, uint32_t v) {
    Put_U16(out, v & 0xFFFF);
    Put_U16(out, v >> 16);
}
inline void Put_Tag(std::vector<uint8_t>& out, const char* tag) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(tag[i]));
}

}  // namespace zarvo
