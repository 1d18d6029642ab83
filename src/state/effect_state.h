#pragma once
// State of energy store, readouts and bump stars.
#include <cstdint>

namespace zarvo {

inline constexpr int Energy_Units = 12;
inline constexpr int Bump_Stars = 4;

// One icon of an energy row. Entry 1 of X and Y is its resting place, entries 2..5 the four
// fragments that fly apart for ten frames once the unit is lost.
struct Energy_Unit {
    bool Falling = false;
    int32_t Fall_Tick = 0;
    int32_t X[6] = {};
    int32_t Y[6] = {};
    bool operator==(const Energy_Unit&) const = default;
};

struct Effect_State {
    // Twelve energy units make one reserve unit; both rows count 12 when full.
    int32_t Energy_Count = 12;
    int32_t Reserve_Count = 12;
    Energy_Unit Reserve_Bar[Energy_Units + 1];
    Energy_Unit Energy_Bar[Energy_Units + 1];

    // The repeating "No" while the figure is hit.
    bool Hurt_Sound_On = false;
    int32_t Hurt_Sound_Tick = 0;

    // The burst of four green stars after a refused step (Bump_Flag is the player's).
    int32_t Bump_Tick = 0;
    int32_t Bump_Star_X[Bump_Stars + 1] = {};
    int32_t Bump_Star_Y[Bump_Stars + 1] = {};

    bool operator==(const Effect_State&) const = default;
};

}  // namespace zarvo
