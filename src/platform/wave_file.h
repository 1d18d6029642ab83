#pragma once
// RIFF/WAVE PCM recordings: the storage of every sound of the wave list.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/media.h"

namespace zarvo {

// Writes the recording as a canonical 44-byte-header PCM wave file.
bool Write_Wav(const std::string& path, const Sound& sound);

// Reads a PCM wave file (8 or 16 bits, any rate and channel count); chunks other than "fmt "
// and "data" are skipped. On failure answers false and says why in error.
bool Read_Wav(const std::string& path, Sound& sound, std::string& error);
// The same for the bytes of a wave file.
bool Decode_Wav(const std::vector<uint8_t>& bytes, Sound& sound, std::string& error);

// The playing time of a recording in milliseconds, rounded to the nearest.
int32_t Sound_Length_Ms(const Sound& sound);

// The frames of a recording in 8- or 16-bit PCM of one channel or more; 0 for any other.
size_t Pcm_Frames(const Sound& sound);

// Sample `index` of the interleaved PCM data (8 or 16 bits) as a fraction of full scale, from
// -1 up to just under 1; 8-bit PCM is unsigned.
float Pcm_Sample(const Sound& sound, size_t index);

}  // namespace zarvo
