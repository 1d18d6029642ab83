#pragma once
// The recordings of the wave list, synthesised to the catalogue's formats and lengths.
#include <cstdint>

#include "platform/media.h"

namespace assetgen {

zarvo::Sound Synthesise_Wave(int index, uint32_t seed);

}  // namespace assetgen
