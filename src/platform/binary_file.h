#pragma once
// Whole-file reads and writes and little-endian field access, shared by the bitmap and wave
// file formats, the input scripts and the runner's outputs.
#include <cstdint>
#include <string>
#include <vector>

namespace zarvo {

// The largest file read whole; anything longer is refused rather than exhausting memory.
inline constexpr uint64_t Read_Limit = 256ull << 20;

// Reads a regular file, or a pipe or device up to Read_Limit. A folder, an unreadable or an
// over-long file answers false, and why says which ("is a folder, not a file").
bool Read_Whole_File(const std::string& path, std::vector<uint8_t>& bytes,
                     std::string* why = nullptr);
bool Read_Whole_File(const std::string& path, std::string& text, std::string* why = nullptr);
// The same for a file that must be a regular one (settings, assets): a pipe or a device is
// refused at once, never waited on.
bool Read_Regular_File(const std::string& path, std::vector<uint8_t>& bytes,
                       std::string* why = nullptr);
bool Read_Regular_File(const std::string& path, std::string& text, std::string* why = nullptr);

// Writes the whole file; every write, the flush and the final close are checked, so a full
// device answers false (and why tells the system's reason) instead of leaving a cut file.
bool Write_Whole_File(const std::string& path, const std::vector<uint8_t>& bytes,
                      std::string* why = nullptr);
bool Write_Whole_File(const std::string& path, const std::string& text, std::string* why = nullptr);

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
