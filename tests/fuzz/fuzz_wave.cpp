// The wave reader: any bytes give a PCM recording of a supported format, or a reason.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/wave_file.h"

using namespace zarvo;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<uint8_t> bytes(data, data + size);
    Sound sound;
    std::string error;
    if (!Decode_Wav(bytes, sound, error)) {
        if (error.empty()) std::abort();
        return 0;
    }
    if ((sound.Bits != 8 && sound.Bits != 16) || sound.Channels < 1 || sound.Rate <= 0 ||
        sound.Data.size() > size || Sound_Length_Ms(sound) < 0)
        std::abort();
    return 0;
}
