#pragma once
// State of the ground enemies: the enemy table of eleven records, slots 1..11.
#include <cstdint>

#include "state/constants.h"
#include "state/enemy_weapons_state.h"

namespace zarvo {

// One of the 48 rockets or balls an enemy owns (entries 1..48).
struct Enimy_Shot {
    // The shot flies.
    bool In_Flight = false;
    // Its burst runs: frames since it began, its picture, where it stands.
    bool Bursting = false;
    int32_t Burst_Tick = 0;
    int32_t Burst_Frame = 0;
    int32_t Burst_X = 0, Burst_Y = 0;
    int32_t Burst_Col = 0, Burst_Row = 0;
    // Top-left corner in window pixels, and the arena cell.
    int32_t X = 0, Y = 0;
    int32_t Col = 0, Row = 0;
    // Its direction, and frames since it entered its cell.
    Shot_Dir Dir = Shot_Dir::None;
    int32_t Move_Count = 0;
    bool operator==(const Enimy_Shot&) const = default;
};

inline constexpr int Enimy_Shot_Count = 48;

struct Enimy_Rec {
    // The slot holds an enemy.
    bool Active = false;
    // Star-shot hits taken, 0..4; four is a kill. Each shows a burning spot.
    int32_t Hits = 0;
    // The burning spots' flicker: false runs the pictures up from Burn_Min, true back down from
    // Burn_Max; Burn_Frame is the picture shown.
    bool Burn_Dir = false;
    int32_t Burn_Frame = 47;
    int32_t Burn_Min = 47;
    int32_t Burn_Max = 64;
    // The explosion runs, and its picture.
    bool Exploding = false;
    int32_t Explosion_Frame = 0;
    // The body's and the shadow's pictures this frame.
    int32_t Body_Image = 0;
    int32_t Shadow_Image = 0;
    // The kill sequence's shrinking triangle: size in pixels and angle.
    int32_t Kill_W = 0, Kill_H = 0;
    int32_t Kill_Angle = 0;
    // The spin of the Orbiter's stars 1..8 (entry k-1).
    int32_t Star_Spin[8] = {};
    // The body's facing, and the facing it turns to (256 steps a turn).
    int32_t Angle = 0;
    int32_t Angle_Target = 0;
    // The facing of the direction it walks.
    int32_t Dir_Angle = 0;
    // The turret's facing.
    int32_t Turret_Angle = 0;
    // The turret's facing when a salvo began: the salvo ends when the turret is back.
    int32_t Turret_Saved = 0;
    // Frame counter of the walking pictures.
    int32_t Anim = 0;
    // The kill sequence runs (crosshair sliding in, then the triangle).
    bool Dying = false;
    // The crosshair in window pixels, and which way each line slides.
    int32_t Cross_X = 0, Cross_Y = 0;
    bool Cross_Right = false, Cross_Down = false;
    // Frames since the kill sequence or the explosion began.
    int32_t Death_Tick = 0;
    // The direction walked, and the one walked before.
    Step_Dir Move_Dir = Step_Dir::None;
    Step_Dir Last_Dir = Step_Dir::None;
    // Moves into the current cell-to-cell step, of Steps moves of Speed pixels each.
    int32_t Step = 0;
    int32_t Speed = 8;
    int32_t Steps = 2;
    // Counts towards the next attack, which comes when it reaches Attack_Interval (steps walked for
    // most kinds).
    int32_t Attack_Timer = 0;
    int32_t Attack_Interval = 0;
    // Frames into a long attack: the Boxer's laser, the Orbiter's launch.
    int32_t Special_Tick = 0;
    // An attack runs.
    bool Attacking = false;
    // The step of a salvo: 0 a volley fires, 1 the turret (or body) turns, 2 it has turned a
    // quarter; Fire_Tick counts the frames of the volley.
    int32_t Fire_Phase = 0;
    int32_t Fire_Tick = 0;
    // The Clipper's arm phases, one flag each (Arm_Phase: extend, hold, retract, pull).
    bool Arm_Mode[4] = {};
    // The body turns to a new direction before it walks on.
    bool Turning = false;
    int32_t X = 0, Y = 0;
    int32_t Col = 0, Row = 0;

    // The Orbiter's look: four orbit phases and four trails of 24 points (index 1..24).
    int32_t Orbit_Phase[4] = {1, 7, 13, 19};
    // Points of the trails drawn so far (up to 24).
    int32_t Trail_Len = 0;
    bool Trail_On[25] = {};
    int32_t Trail_X[4][25] = {};
    int32_t Trail_Y[4][25] = {};

    // The thunder blast runs, and frames since it began.
    bool Blast_On = false;
    int32_t Blast_Tick = 0;

    // Rockets and balls, entries 1..48 (index 0 unused).
    Enimy_Shot Shots[Enimy_Shot_Count + 1];

    // Bomb chains, twin laser, Orbiter stars, Clipper arms and shrapnel.
    Enemy_Weapons Weapons;

    bool operator==(const Enimy_Rec&) const = default;
};

struct Enemy_State {
    Enimy_Rec Enimy_Table[Roster_Slots + 1];  // slots 1..11
    bool operator==(const Enemy_State&) const = default;
};

// Start blocks of the eleven slots: side by side across the middle of the arena.
constexpr int32_t Start_X(int slot) {
    return 36 + 48 * (slot - 1);
}
constexpr int32_t Start_Col(int slot) {
    return 2 + 3 * (slot - 1);
}
inline constexpr int32_t Start_Y = 212;
inline constexpr int32_t Start_Row = 12;

}  // namespace zarvo
