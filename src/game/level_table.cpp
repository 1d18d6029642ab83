// The level table: hazards asked for, extra weapon switches, the enemy roster slot by slot and
// the pilots of every level of the three difficulties.
#include "game/level.h"

namespace zarvo {

namespace {

constexpr int32_t E = No_Code;  // an empty roster slot (so are the slots after the list)
constexpr int32_t Boxer = Enemy::Boxer, Orbiter = Enemy::Orbiter, Clipper = Enemy::Clipper,
                  Expander = Enemy::Expander, Tank = Enemy::Tank, Spider = Enemy::Spider,
                  Sub = Enemy::Sub;

#define NONE \
    { -1 }
#define ROSTER(...) \
    { __VA_ARGS__ }

// clang-format off
constexpr Level_Entry Table[Difficulty_Count][Levels_Per_Difficulty] = {
    {   // NOVICE
        {3, 1, {0, 33, 34, 35, -1}, ROSTER(Boxer, Boxer, Orbiter, Orbiter), 0},
        {2, 1, {2, 15, 16, 20, 21, 22, -1}, ROSTER(Expander, Expander, Spider, Spider), 0},
        {1, 2, {2, 3, 10, 14, -1}, ROSTER(Tank, Tank), 2},
        {3, 1, {0, 1, 4, 5, 8, 21, 22, 23, 26, -1}, ROSTER(Sub, Sub, Expander), 2},
        {1, 1, {0, 1, 10, 11, 12, 13, 14, 27, 28, 29, -1}, ROSTER(Clipper, E, E, Tank, Tank), 0},
        {2, 4, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 13, 14, -1}, ROSTER(Tank, Tank, Tank, Sub), 0},
        {4, 1, {0, 1, 21, 22, 23, 24, 26, 30, 31, 32, -1},
         ROSTER(Orbiter, Orbiter, Orbiter, Expander, Expander, Expander), 2},
        {2, 4, {0, 1, 2, 3, 4, 5, 6, 7, 8, 33, 34, 35, -1},
         ROSTER(Boxer, Boxer, Boxer, Sub, Sub, Sub), 2},
    },
    {   // NORMAL
        {5, 1, NONE, ROSTER(Boxer, Sub, Expander, Clipper, Orbiter, Orbiter), 0},
        {1, 2, NONE, ROSTER(Expander, Spider, Tank, Sub, Boxer), 1},
        {3, 3, NONE, ROSTER(Tank, Tank, Spider, Expander, Sub, Boxer), 3},
        {4, 2, NONE, ROSTER(Sub, Expander, Tank, Clipper, Orbiter, Spider), 2},
        {1, 1, {12, 13, 14, -1}, ROSTER(Clipper, Tank, Orbiter, Expander, Sub, Boxer), 4},
        {3, 3, NONE, ROSTER(Tank, Orbiter, Clipper, Sub), 0},
        {4, 2, NONE, ROSTER(Orbiter, Orbiter, Orbiter, Expander, Spider, Expander), 2},
        {2, 4, {7, -1}, ROSTER(Boxer, Tank, Spider, Expander, Sub, Orbiter), 2},
    },
    {   // EXPERT
        {4, 1, NONE, ROSTER(Boxer, Orbiter, Orbiter, Tank, Tank, Orbiter), 2},
        {2, 2, NONE, ROSTER(Expander, Spider, Tank, Sub, Orbiter), 4},
        {2, 3, NONE, ROSTER(Tank, Tank, Tank, Tank, Tank, Tank), 6},
        {3, 2, NONE, ROSTER(Sub, Sub, Expander, Expander, Expander, Orbiter, Orbiter), 2},
        {4, 1, NONE, ROSTER(Clipper, Clipper, Orbiter, Tank, Spider, Tank, Sub), 0},
        {2, 3, NONE,
         ROSTER(Tank, Tank, Tank, Sub, Sub, Spider, Expander, Clipper, Boxer), 2},
        {1, 3, NONE,
         ROSTER(Orbiter, Orbiter, Orbiter, Expander, Expander, Expander, Boxer, Boxer, Boxer), 2},
        {1, 4, NONE,
         ROSTER(Boxer, Sub, Tank, Spider, Orbiter, Expander, Clipper, Orbiter, Tank), 2},
    },
};
// clang-format on

#undef NONE
#undef ROSTER

int Clamp(int value, int low, int high) {
    return value < low ? low : value > high ? high : value;
}

}  // namespace

// Numbers outside the table answer its nearest row.
const Level_Entry& Level_Table(int difficulty, int level) {
    return Table[Clamp(difficulty, 1, Difficulty_Count) - 1]
                [Clamp(level, 1, Levels_Per_Difficulty) - 1];
}

}  // namespace zarvo
