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

}  // namespace

float Value_Noise(uint32_t seed, float x, float y) {
    const float fx = std::floor(x), fy = std::floor(y);
    const int32_t ix = static_cast<int32_t>(fx), iy = static_cast<int32_t>(fy);
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
