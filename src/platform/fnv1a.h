#pragma once
// FNV-1a, 64 bits: a small, fixed hash of a run of bytes. Not a secret: it tells a changed or
// damaged text from the one that was written, and anyone can compute it.
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace zarvo {

inline constexpr uint64_t Fnv1a_Start = 0xcbf29ce484222325ull;

// Continues a hash over more bytes; start with Fnv1a_Start.
inline uint64_t Fnv1a_Add(uint64_t hash, std::string_view bytes) {
    for (const char c : bytes) {
        hash ^= static_cast<uint8_t>(c);
        hash *= 0x100000001b3ull;
    }
    return hash;
}

inline uint64_t Fnv1a(std::string_view bytes) {
    return Fnv1a_Add(Fnv1a_Start, bytes);
}

}  // namespace zarvo
