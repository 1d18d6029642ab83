#pragma once
// State of the weapon sub-tables of one enemy record: the four bomb chains, the Boxer's twin
// laser, the Orbiter's eight stars and the Clipper's four arms and shrapnel. Tables count from
// 1 where the game does; entry 0 is unused.
#include <cstdint>

#include "state/directions.h"

namespace zarvo {

// Bomb chains: chain k always travels in direction k (Chain_Dir), so the table's indices are
// the directions' numbers.
namespace Chain {
inline constexpr int Up = Code_Of(Chain_Dir::Up), Down = Code_Of(Chain_Dir::Down),
                     Left = Code_Of(Chain_Dir::Left), Right = Code_Of(Chain_Dir::Right);
inline constexpr int Count = 4;
inline constexpr int Segments = 36;
}  // namespace Chain

struct Chain_Segment {
    bool Seg_On = false;
    int32_t Seg_Frame = 8;
    int32_t Seg_X = 0, Seg_Y = 0;
    int32_t Seg_Col = 0, Seg_Row = 0;
    bool operator==(const Chain_Segment&) const = default;
};

struct Bomb_Chain {
    int32_t Chain_On = 0;
    int32_t Chain_Len = 0;
    zarvo::Chain_Dir Chain_Dir = zarvo::Chain_Dir::None;
    int32_t Chain_Max = 0;
    Chain_Segment Seg[Chain::Segments + 1];  // segment 1 is the head
    bool operator==(const Bomb_Chain&) const = default;
};

// One beam of the Boxer's twin laser for one facing.
struct Laser_Beam {
    int32_t Start_X = 0, Start_Y = 0;
    int32_t Cell_Col = 0, Cell_Row = 0;
    int32_t Length = 0;
    bool operator==(const Laser_Beam&) const = default;
};

// Facings of the laser table: 0 up, 1 right, 2 down, 3 left; beams A and B.
inline constexpr int Laser_Facings = 4;
inline constexpr int Laser_Beams = 2;

// An Orbiter star. Its rotation is the record's Star_Spin.
struct Orbiter_Star {
    bool Star_Flying = false;
    bool Star_Burst = false;
    int32_t Star_Burst_Tick = 0;
    int32_t Star_Bounces = 0;
    // Qualified: the field bears its type's name.
    zarvo::Star_Dir Star_Dir = zarvo::Star_Dir::None;
    int32_t Star_X = 0, Star_Y = 0;
    int32_t Star_Col = 0, Star_Row = 0;
    int32_t Star_Step = 0;
    int32_t Spark_X[9] = {}, Spark_Y[9] = {};  // sparks 1..8
    bool operator==(const Orbiter_Star&) const = default;
};

inline constexpr int Orbiter_Star_Count = 8;

// A Clipper arm: Arm_Len segments out, segment 1 the tip. Segments beyond Arm_Len rest at the
// arm's root.
namespace Arm {
inline constexpr int Left = 1, Right = 2, Up = 3, Down = 4;
inline constexpr int Count = 4;
inline constexpr int Max_Len = 8;
inline constexpr int Segments = 16;
}  // namespace Arm

struct Clipper_Arm {
    int32_t Arm_Len = 0;
    bool Arm_Done = false;
    int32_t Seg_X[Arm::Segments + 1] = {}, Seg_Y[Arm::Segments + 1] = {};
    int32_t Seg_Col[Arm::Segments + 1] = {}, Seg_Row[Arm::Segments + 1] = {};
    bool operator==(const Clipper_Arm&) const = default;
};

// The phase flags in the record's Arm_Mode bytes.
namespace Arm_Phase {
inline constexpr int Extend = 0, Hold = 1, Retract = 2, Pull = 3;
}

// A snake of shrapnel balls; piece 1 is the head. Each piece carries four sparks when the
// group bursts.
inline constexpr int Shrap_Pieces = 8;
inline constexpr int Shrap_Groups = 4;

struct Shrap_Piece {
    int32_t X = 0, Y = 0;
    int32_t Col = 0, Row = 0;
    int32_t Spark_X[4] = {}, Spark_Y[4] = {};
    bool operator==(const Shrap_Piece&) const = default;
};

struct Shrap_Group {
    bool Shrap_Flying = false;
    bool Shrap_Burst = false;
    int32_t Shrap_Burst_Tick = 0;
    int32_t Shrap_Step = 0;
    int32_t Shrap_Bounces = 0;
    zarvo::Shrap_Dir Shrap_Dir = zarvo::Shrap_Dir::None;
    Shrap_Piece Piece[Shrap_Pieces + 1];
    bool operator==(const Shrap_Group&) const = default;
};

struct Enemy_Weapons {
    Bomb_Chain Chains[Chain::Count + 1];

    Laser_Beam Laser[Laser_Facings][Laser_Beams];

    Orbiter_Star Stars[Orbiter_Star_Count + 1];
    int32_t Star_Size = 8;
    int32_t Star_Size_Tick = 0;

    Clipper_Arm Arms[Arm::Count + 1];
    Shrap_Group Shrapnel[Shrap_Groups + 1];
    int32_t Shrap_Len = 0;

    bool operator==(const Enemy_Weapons&) const = default;
};

}  // namespace zarvo
