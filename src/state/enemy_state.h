#pragma once
// State of the ground enemies: the enemy table of eleven records, slots 1..11.
#include <cstdint>

#include "state/constants.h"
#include "state/enemy_weapons_state.h"

namespace zarvo {

// One of the 48 rockets or balls an enemy owns (entries 1..48).
struct Enimy_Shot {
    bool In_Flight = false;
    bool Bursting = false;
    int32_t Burst_Tick = 0;
    int32_t Burst_Frame = 0;
    int32_t Burst_X = 0, Burst_Y = 0;
    int32_t Burst_Col = 0, Burst_Row = 0;
    int32_t X = 0, Y = 0;
    int32_t Col = 0, Row = 0;
    Shot_Dir Dir = Shot_Dir::None;
    int32_t Move_Count = 0;
    bool operator==(const Enimy_Shot&) const = default;
};

inline constexpr int Enimy_Shot_Count = 48;

struct Enimy_Rec {
    bool Active = false;
    int32_t Hits = 0;
    bool Burn_Dir = false;
    int32_t Burn_Frame = 47;
    int32_t Burn_Min = 47;
    int32_t Burn_Max = 64;
    bool Exploding = false;
    int32_t Explosion_Frame = 0;
    int32_t Body_Image = 0;
    int32_t Shadow_Image = 0;
    int32_t Kill_W = 0, Kill_H = 0;
    int32_t Kill_Angle = 0;
    int32_t Star_Spin[8] = {};
    int32_t Angle = 0;
    int32_t Angle_Target = 0;
    int32_t Dir_Angle = 0;
    int32_t Turret_Angle = 0;
    int32_t Turret_Saved = 0;
    int32_t Anim = 0;
    bool Dying = false;
    int32_t Cross_X = 0, Cross_Y = 0;
    bool Cross_Right = false, Cross_Down = false;
    int32_t Death_Tick = 0;
    Step_Dir Move_Dir = Step_Dir::None;
    Step_Dir Last_Dir = Step_Dir::None;
    int32_t Step = 0;
    int32_t Speed = 8;
    int32_t Steps = 2;
    int32_t Attack_Timer = 0;
    int32_t Attack_Interval = 0;
    int32_t Special_Tick = 0;
    bool Attacking = false;
    int32_t Fire_Phase = 0;
    int32_t Fire_Tick = 0;
    bool Arm_Mode[4] = {};
    bool Turning = false;
    int32_t X = 0, Y = 0;
    int32_t Col = 0, Row = 0;

    // The Orbiter's look: four orbit phases and four trails of 24 points (index 1..24).
    int32_t Orbit_Phase[4] = {1, 7, 13, 19};
    int32_t Trail_Len = 0;
    bool Trail_On[25] = {};
    int32_t Trail_X[4][25] = {};
    int32_t Trail_Y[4][25] = {};

    // The thunder blast.
    bool Blast_On = false;
    int32_t Blast_Tick = 0;

    // Rockets and balls, entries 1..48 (index 0 unused).
    Enimy_Shot Shots[Enimy_Shot_Count + 1];

    // Bomb chains, twin laser, Orbiter stars, Clipper arms and shrapnel.
    EnemyWeapons Weapons;

    bool operator==(const Enimy_Rec&) const = default;
};

struct EnemyState {
    Enimy_Rec Enimy_Table[Roster_Slots + 1];  // slots 1..11
    bool operator==(const EnemyState&) const = default;
};

// Start blocks of the eleven slots: side by side across the middle of the arena.
constexpr int32_t Start_X(int slot) { return 36 + 48 * (slot - 1); }
constexpr int32_t Start_Col(int slot) { return 2 + 3 * (slot - 1); }
inline constexpr int32_t Start_Y = 212;
inline constexpr int32_t Start_Row = 12;

}  // namespace zarvo
