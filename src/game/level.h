#pragma once
// Level set-up: the level table, the difficulty settings and the rosters.
#include <cstdint>

#include "state/game.h"

namespace zarvo {

inline constexpr int Levels_Per_Difficulty = 8;
inline constexpr int Difficulty_Count = 3;

// One row of the level table: what a level of a difficulty holds.
inline constexpr int Extra_Switch_Max = 16;

struct Level_Entry {
    int32_t Pyr_Count;
    int32_t Blaster_Count;
    int32_t Extra_Switches[Extra_Switch_Max];  // switched on in addition to the difficulty's, ended
                                               // by -1
    int32_t Enimy_Types[Roster_Slots];         // slot 1, 2, ...; No_Code leaves a slot empty
    int32_t Pilot_Count;
};

// The row of a level (difficulty 1..3, level 1..8).
const Level_Entry& Level_Table(int difficulty, int level);

// Moves on to the next level and builds it; after the last level of the last difficulty the
// game is over instead.
void Set_Level(Game& g);

// Builds `level` of `difficulty` at once, as a game started from the options would, with a
// figure that cannot die: where the frame measurements of the desktop and the page begin.
void Open_Level_Immortal(Game& g, int difficulty, int level);

// The switches and drain rate of a difficulty (difficulty 2 keeps eight switches as they were).
void Set_Difficulty(Game& g, int difficulty);

}  // namespace zarvo
