#pragma once
// What a run reached, watched frame by frame in the same way while it is played and while it
// is replayed, and the digest of the World it ends with.
#include <cstdint>

#include "state/world.h"

namespace zarvo {

struct Run_Result {
    int32_t Score = 0;  // the last game's score: the last score above 0 the run showed
    int32_t Difficulty = 1, Level = 1;    // the furthest level played
    int32_t Game_Difficulty = 1;          // the difficulty of the last game played
    bool Immortal = false, Fire = false;  // a code word was in force at some frame
    bool operator==(const Run_Result&) const = default;
};

// Takes in the World after a frame.
void Observe_Run(Run_Result& r, const World& w);

// FNV-1a 64 of the World's state dump: the same on every machine and in the page, whatever
// the compiler makes of the World's layout.
uint64_t Digest_World(const World& w);

}  // namespace zarvo
