#include "random.h"

#include <cmath>

namespace assetgen {

uint32_t Hash(uint32_t seed, int32_t x, int32_t y) {
    uint32_t h =
        seed ^ (static_cast<uint32_t>(x) * 0x27D4EB2Du) ^ (static_cast<uint32_t>(y) * 0x165667B1u);
    h ^= h >> 15;
    h *= 0x85EBCA77u;
    h ^= h >> 13;
    h *= 0xC2B2AE3Du;
    h ^= h >> 16;
    return h;
}

namespace {

float Lattice(uint32_t seed, int32_t x, int32_t y) {
    return static_cast<float>(Hash(seed, x, y) >> 8) * (1.0f / 16777215.0f);
}

float Smooth(float t) {
    return t * t * (3.0f - 2.0f * t);
}

// The lattice column or row at or below v: a plain conversion where v is not negative (the
// pictures' own coordinates), which is far cheaper than the library's rounding.
int32_t Lattice_Floor(float v) {
    return v >= 0.0f ? static_cast<int32_t>(v) : static_cast<int32_t>(std::floor(v));
}

}  // namespace

float Value_Noise(uint32_t seed, float x, float y) {
    const int32_t ix = Lattice_Floor(x), iy = Lattice_Floor(y);
    const float fx = static_cast<float>(ix), fy = static_cast<float>(iy);
    const float tx = Smooth(x - fx), ty = Smooth(y - fy);
    const float a = Lattice(seed, ix, iy), b = Lattice(seed, ix + 1, iy);
    const float c = Lattice(seed, ix, iy + 1), d = Lattice(seed, ix + 1, iy + 1);
    return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

float Fractal_Noise(uint32_t seed, float x, float y) {
    float sum = 0.0f, amplitude = 0.5f, total = 0.0f;
    for (int octave = 0; octave < 4; ++octave) {
        sum += amplitude * Value_Noise(seed + static_cast<uint32_t>(octave) * 101u, x, y);
        total += amplitude;
        amplitude *= 0.5f;
        x *= 2.0f;
        y *= 2.0f;
    }
    return sum / total;
}

}  // namespace assetgen
