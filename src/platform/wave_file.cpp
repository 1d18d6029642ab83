#include "platform/wave_file.h"

#include <cstring>

#include "platform/binary_file.h"

namespace zarvo {

bool Write_Wav(const std::string& path, const Sound& sound) {
    const uint32_t block = static_cast<uint32_t>(sound.Channels * sound.Bits / 8);
    std::vector<uint8_t> out;
    out.reserve(44 + sound.Data.size() + 1);
    Put_Tag(out, "RIFF");
    Put_U32(out, static_cast<uint32_t>(36 + sound.Data.size() + (sound.Data.size() & 1)));
    Put_Tag(out, "WAVE");
    Put_Tag(out, "fmt ");
    Put_U32(out, 16);
    Put_U16(out, 1);  // PCM
    Put_U16(out, static_cast<uint32_t>(sound.Channels));
    Put_U32(out, static_cast<uint32_t>(sound.Rate));
    Put_U32(out, static_cast<uint32_t>(sound.Rate) * block);
    Put_U16(out, block);
    Put_U16(out, static_cast<uint32_t>(sound.Bits));
    Put_Tag(out, "data");
    Put_U32(out, static_cast<uint32_t>(sound.Data.size()));
    out.insert(out.end(), sound.Data.begin(), sound.Data.end());
    if (sound.Data.size() & 1) out.push_back(0);  // chunks are padded to even length
    return Write_Whole_File(path, out);
}

namespace {

// Reads the "fmt " chunk; answers false when it is not plain PCM of 8 or 16 bits.
bool Read_Format(const uint8_t* p, uint32_t size, Sound& sound, std::string& error) {
    if (size < 16 || Get_U16(p) != 1) {
        error = "is not a PCM wave";
        return false;
    }
    sound.Channels = static_cast<int32_t>(Get_U16(p + 2));
    sound.Rate = static_cast<int32_t>(Get_U32(p + 4));
    sound.Bits = static_cast<int32_t>(Get_U16(p + 14));
    if ((sound.Bits != 8 && sound.Bits != 16) || sound.Channels < 1 || sound.Rate <= 0) {
        error = "has an unsupported sample format";
        return false;
    }
    return true;
}

}  // namespace

bool Read_Wav(const std::string& path, Sound& sound, std::string& error) {
    std::vector<uint8_t> bytes;
    return Read_Regular_File(path, bytes, &error) && Decode_Wav(bytes, sound, error);
}

bool Decode_Wav(const std::vector<uint8_t>& bytes, Sound& sound, std::string& error) {
    if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0 ||
        std::memcmp(bytes.data() + 8, "WAVE", 4) != 0) {
        error = "is not a RIFF/WAVE file";
        return false;
    }
    bool have_format = false;
    size_t pos = 12;
    while (pos + 8 <= bytes.size()) {
        const uint8_t* chunk = bytes.data() + pos;
        const uint32_t size = Get_U32(chunk + 4);
        if (pos + 8 + size > bytes.size()) break;
        if (std::memcmp(chunk, "fmt ", 4) == 0) {
            if (!Read_Format(chunk + 8, size, sound, error)) return false;
            have_format = true;
        } else if (std::memcmp(chunk, "data", 4) == 0 && have_format) {
            sound.Data.assign(chunk + 8, chunk + 8 + size);
            return true;
        }
        pos += 8 + size + (size & 1);
    }
    error = have_format ? "has no sound data" : "has no format chunk";
    return false;
}

int32_t Sound_Length_Ms(const Sound& sound) {
    const int64_t block = static_cast<int64_t>(sound.Channels) * sound.Bits / 8;
    if (block <= 0 || sound.Rate <= 0) return 0;
    const int64_t frames = static_cast<int64_t>(sound.Data.size()) / block;
    return static_cast<int32_t>((frames * 1000 + sound.Rate / 2) / sound.Rate);
}

size_t Pcm_Frames(const Sound& sound) {
    if ((sound.Bits != 8 && sound.Bits != 16) || sound.Channels < 1) return 0;
    return sound.Data.size() /
           (static_cast<size_t>(sound.Bits / 8) * static_cast<size_t>(sound.Channels));
}

float Pcm_Sample(const Sound& sound, size_t index) {
    if (sound.Bits == 8)
        return static_cast<float>(static_cast<int>(sound.Data[index]) - 128) / 128.0f;
    const auto v = static_cast<int16_t>(
        static_cast<uint16_t>(sound.Data[2 * index] | (sound.Data[2 * index + 1] << 8)));
    return static_cast<float>(v) / 32768.0f;
}

}  // namespace zarvo
