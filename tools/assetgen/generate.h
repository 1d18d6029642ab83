#pragma once
// The whole catalogue painted and synthesised in memory: exactly what the game loads from the
// files the generator writes with the same seed, for a program that starts without files.
#include <cstdint>

#include "platform/media.h"

namespace assetgen {

// The seed of the pictures and sounds that the build generates.
inline constexpr uint32_t Default_Seed = 1995;

zarvo::Assets Generate_Assets(uint32_t seed = Default_Seed);

}  // namespace assetgen
