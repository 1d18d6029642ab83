#pragma once
// Loudness as ears hear it: the recording is weighted by an approximation of the ear's
// response (a gentle cut of the deep bass and a lift of the presence region above 1.5 kHz),
// then its power is averaged over windows of 100 ms. The loudest window is what a listener
// remembers of a short sound; the generator balances the waves by it and the wave meter holds
// them to it. A mono recording counts on both sides, as the mixer plays it.
#include <cstdint>
#include <vector>

#include "platform/media.h"

namespace assetgen {

// The ear-weighted power of every frame, summed over the sides.
std::vector<double> Weighted_Power(const std::vector<std::vector<float>>& channels, int32_t rate);
// A mean of that power in dB on the scale below (LUFS, for a mix).
double Power_Db(double mean_power);

// The loudest 100 ms, in dB (0 dB: a full-scale 1 kHz sine on both sides weighs about +3.4).
// Channels: one (mono) or two vectors of equal length.
double Short_Term_Loudness(const std::vector<std::vector<float>>& channels, int32_t rate);
double Short_Term_Loudness(const zarvo::Sound& sound);

}  // namespace assetgen
