#pragma once
// State of pilots and monsters.
#include <cstdint>

#include "state/constants.h"

namespace zarvo {

inline constexpr int Pilot_Flame_Count = 8;
inline constexpr int Pilot_Debris_Count = 9;

// One of the eight flames a pilot's bomb bursts into.
struct Pilot_Flame {
    bool Flame_Ready = false;
    bool Flame_Flying = false;
    bool Flame_Exploding = false;
    int32_t Flame_Tick = 0;
    int32_t Flame_Frame = 0;
    int32_t Flame_X = 0, Flame_Y = 0;
    int32_t Flame_Col = 0, Flame_Row = 0;
    bool operator==(const Pilot_Flame&) const = default;
};

struct Pilot_Rec {
    bool Active = false;
    bool Exploding = false;
    bool Dying = false;
    int32_t Death_Tick = 0;
    Pilot_Dir Dir = Pilot_Dir::None;
    int32_t Bounces = 0;
    int32_t X = 0, Y = 0;
    // Explosion debris, pieces 1..9 (index 0 unused).
    int32_t Debris_X[Pilot_Debris_Count + 1] = {};
    int32_t Debris_Y[Pilot_Debris_Count + 1] = {};
    int32_t Debris_Angle = 0;
    int32_t Poff_Frame = 0;
    int32_t Debris_W = 16, Debris_H = 32;
    int32_t Step = 0;
    int32_t Steps = 8;
    int32_t Cell_Count = 0;
    int32_t Speed = 2;
    int32_t Angle = 0;
    int32_t Angle_Target = 0;
    int32_t Img_W = 0, Img_H = 0;
    int32_t Height = 0;
    int32_t Col = 0, Row = 0;
    int32_t Bomb_Angle = 0;
    int32_t Bomb_Tick = 0;
    int32_t Bomb_Count = 0;
    int32_t Bomb_Interval = 0;
    bool Bombing = false;
    bool Bomb_Burst = false;
    int32_t Bomb_X = 0, Bomb_Y = 0;
    int32_t Bomb_Col = 0, Bomb_Row = 0;
    // The kill sequence.
    int32_t Cross_X = 0, Cross_Y = 0;
    bool Cross_Right = false, Cross_Down = false;
    int32_t Kill_W = 0, Kill_H = 0, Kill_Angle = 0;
    // The bomb's flames 1..8 (index 0 unused).
    Pilot_Flame Flames[Pilot_Flame_Count + 1];

    // A flame of the last bomb has not burnt out yet.
    bool Any_Flame_Ready() const {
        for (int f = 1; f <= Pilot_Flame_Count; ++f)
            if (Flames[f].Flame_Ready) return true;
        return false;
    }
    bool operator==(const Pilot_Rec&) const = default;
};

inline constexpr int Monster_Count = 8;
inline constexpr int Hatch_Spots = 12;

struct Monster_Rec {
    bool Active = false;
    bool Exploding = false;
    int32_t Tick = 0;
    Monster_Dir Dir = Monster_Dir::Stopped;
    bool Flying = false;
    int32_t Fly_Count = 0;
    int32_t X = 0, Y = 0;
    int32_t Col = 0, Row = 0;
    int32_t Prev_Col = 0, Prev_Row = 0;
    int32_t Step = 0;
    int32_t Anim = 0;
    int32_t Image_1 = 0, Image_2 = 0, Image_3 = 0;
    int32_t Explosion_Frame = 0;

    bool operator==(const Monster_Rec&) const = default;
};

struct Pilot_State {
    Pilot_Rec Pilot_Table[Roster_Slots + 1];       // slots 1..11
    Monster_Rec Monster_Table[Monster_Count + 1];  // records 1..8
    // Frames counted by each hatching spot 1..12 (0..19).
    int32_t Hatch_Timer[Hatch_Spots + 1] = {};

    bool operator==(const Pilot_State&) const = default;
};

}  // namespace zarvo
