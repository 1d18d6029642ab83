#pragma once
// State of the hazard places: Blasters with their flames, blocks and fuses, and Pyrs.
// Places, flames, fuses and shards are counted from 1; entry 0 of each table is unused.
#include <cstdint>

#include "state/directions.h"

namespace zarvo {

inline constexpr int Hazard_Places = 12;
inline constexpr int Flames_Per_Place = 4;
inline constexpr int Fuse_Count = 3;
inline constexpr int Shard_Count = 8;
inline constexpr int Burst_Stars = 8;
inline constexpr int Orbit_Icons = 4;

// The eight spinning shards of a flame's or a fuse's end burst.
struct Shard_Burst {
    int32_t Shard_X[Shard_Count + 1] = {};
    int32_t Shard_Y[Shard_Count + 1] = {};
    int32_t Shard_W = 0, Shard_H = 0;
    int32_t Shard_Angle = 0;
    bool operator==(const Shard_Burst&) const = default;
};

// What both hazard kinds share: presence, the kill sequence and the explosion.
struct Hazard_Rec {
    bool Present = false;
    bool Dying = false;
    bool Exploding = false;
    int32_t Death_Tick = 0;
    int32_t Cross_X = 0, Cross_Y = 0;
    bool Cross_Right = false, Cross_Down = false;
    int32_t Kill_W = 0, Kill_H = 0, Kill_Angle = 0;
    int32_t Explosion_Frame = 0;
    bool operator==(const Hazard_Rec&) const = default;
};

// One of a Blaster's four flames: waiting, flying, settled as a block, or bursting.
struct Flame_Rec {
    bool Flame_On = false;
    bool Flame_Burst = false;
    bool Flame_Block = false;
    int32_t Flame_Col = 0, Flame_Row = 0;
    int32_t Flame_X = 0, Flame_Y = 0;
    // Qualified: the field bears its type's name.
    zarvo::Flame_Dir Flame_Dir = zarvo::Flame_Dir::None;
    int32_t Flame_Step = 0;
    int32_t Flame_Tick = 0;
    int32_t Flame_Delay = 0;
    int32_t Flame_Life = 0;
    int32_t Flame_Burst_Tick = 0;
    Shard_Burst Shards;
    bool operator==(const Flame_Rec&) const = default;
};

struct Blaster_Rec : Hazard_Rec {
    bool Thunder_On = false;
    int32_t Thunder_Tick = 0;
    Thunder_Direction Thunder_Dir = Thunder_Direction::None;
    Thunder_Direction Last_Dir = Thunder_Direction::None;
    int32_t Thunder_Timer = 0;
    int32_t Thunder_Interval = 0;

    Flame_Rec Flame[Flames_Per_Place + 1];
    int32_t Flame_Anim = 0;
    bool Star_Burst_On = false;
    int32_t Star_Burst_Tick = 0;
    int32_t Star_X[Burst_Stars + 1] = {};
    int32_t Star_Y[Burst_Stars + 1] = {};
    bool operator==(const Blaster_Rec&) const = default;
};

struct Pyr_Rec : Hazard_Rec {
    int32_t Pyr_Kind = 0;  // 1 a life, 2 star shots, 3 energy
    int32_t Orbit_Phase[Orbit_Icons + 1] = {0, 1, 7, 13, 19};
    int32_t Orbit_Timer = 0;
    bool operator==(const Pyr_Rec&) const = default;
};

// A fuse burning along the player's trail. Fliese_Mathe sets Fuse_Done of every lit fuse.
struct Fuse_Rec {
    bool Fuse_On = false;
    bool Fuse_Done = false;
    int32_t Fuse_Anim = 0;
    int32_t Fuse_Step = 0;
    int32_t Fuse_Burst_Tick = 0;
    int32_t Fuse_X = 0, Fuse_Y = 0;
    int32_t Fuse_Col = 0, Fuse_Row = 0;
    Dir Fuse_Dir = Dir::None;
    Shard_Burst Shards;
    bool operator==(const Fuse_Rec&) const = default;
};

struct Hazard_State {
    Blaster_Rec Blaster[Hazard_Places + 1];
    Pyr_Rec Pyr[Hazard_Places + 1];
    Fuse_Rec Fuse[Fuse_Count + 1];
    bool operator==(const Hazard_State&) const = default;
};

}  // namespace zarvo
