#pragma once
#include <cstdint>

namespace zarvo {

// The game's one random generator: a 32-bit LCG kept inside the World, so a copied World
// continues with the same numbers.
struct Rng {
    uint32_t x = 1;
    void Seed(uint32_t s) { x = s; }
    // A uniform integer 0..n-1 (0 when n <= 0).
    int32_t Random(int32_t n) {
        x = x * 134775813u + 1u;
        if (n <= 0) return 0;
        return static_cast<int32_t>((static_cast<uint64_t>(x) * static_cast<uint32_t>(n)) >> 32);
    }
    bool operator==(const Rng&) const = default;
};

}  // namespace zarvo
