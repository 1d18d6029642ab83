#pragma once
// The generator's own random numbers and noise: a small xorshift generator and hashed value
// noise, both fixed functions of the seed so that a seed always gives the same art and sound.
#include <cstdint>

namespace assetgen {

class Gen_Rng {
  public:
    explicit Gen_Rng(uint32_t seed) : x_(seed * 2654435761u + 0x9E3779B9u) {
        if (x_ == 0) x_ = 1;
    }
    uint32_t next() {
        x_ ^= x_ << 13;
        x_ ^= x_ >> 17;
        x_ ^= x_ << 5;
        return x_;
    }
    // Uniform in [0, 1).
    float unit() { return static_cast<float>(next() >> 8) * (1.0f / 16777216.0f); }
    // Uniform in [lo, hi).
    float range(float lo, float hi) { return lo + (hi - lo) * unit(); }
    int below(int n) { return static_cast<int>(next() % static_cast<uint32_t>(n)); }

  private:
    uint32_t x_;
};

// A well-mixed hash of a seed and two lattice coordinates.
uint32_t Hash(uint32_t seed, int32_t x, int32_t y);
// Smooth value noise in [0, 1] on a lattice of unit spacing.
float Value_Noise(uint32_t seed, float x, float y);
// Four octaves of value noise, in [0, 1].
float Fractal_Noise(uint32_t seed, float x, float y);

}  // namespace assetgen
