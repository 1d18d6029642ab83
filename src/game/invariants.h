#pragma once
// What must hold at the end of every frame of any game, however it is played: checked every
// frame by the random player and available to tests.
//
//   edge loop     the edge pieces form one closed loop, each piece leading onto the next, and
//                 Floor_Grid holds 2 exactly where the loop runs (the ring around the arena 0)
//   claimed       Fliese_Claimed counts the arena cells without a tile
//   figure        outside its death, the figure stands on the edge, or while cutting on its
//                 own trail; standing, its pixel position is its cell's
//   enemy count   Enimy_Count counts the enemies and pilots alive or still exploding and the
//                 hazards standing or still exploding
//   ranges        lives, energy, star shots, level, difficulty, counters, texts and indices
//   picture       (checked by the random player) the picture drawn by difference is the
//                 picture the frame's draws make when drawn whole
//   score         the score never falls, except back to 0 when a new game begins or the
//                 score has just been stored in the table
//
// The arena's rules are only checked once a level has been built.
#include <cstdint>
#include <string>

#include "state/world.h"

namespace zarvo {

struct Invariant_Break {
    const char* Name = nullptr;  // nullptr: everything holds
    std::string Detail;
    explicit operator bool() const { return Name != nullptr; }
};

class Invariant_Checker {
  public:
    // Checks the World as a frame left it; answers the first broken invariant.
    Invariant_Break Check(const World& w);

  private:
    bool level_built_ = false;
    int32_t last_score_ = 0;
};

// The single checks, each answering an empty text when it holds.
std::string Check_Edge_Loop(const Arena_State& a);
std::string Check_Claimed(const World& w);
std::string Check_Figure(const World& w);
std::string Check_Enimy_Count(const World& w);
std::string Check_Ranges(const World& w);

}  // namespace zarvo
