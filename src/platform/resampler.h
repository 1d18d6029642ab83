#pragma once
// Band-limited change of sample rate: every output sample is the input weighed by a windowed
// sinc whose cutoff lies just under the lower of the two Nyquist frequencies, so a wave brought
// up from 8 kHz gains no mirror images of its tones above its own band (they stay more than
// 60 dB down) and a wave brought down loses what the new rate cannot hold instead of folding
// it back. The waves are converted once, when they load; nothing here runs while mixing.
#include <cstdint>
#include <vector>

namespace zarvo {

// One channel from rate `from` to rate `to`; the result has in.size() * to / from samples.
std::vector<float> Resample(const std::vector<float>& in, int32_t from, int32_t to);

}  // namespace zarvo
