#pragma once
// The codes that decide a step of the figure in each of the four directions: which trail and
// edge pieces refuse it, which edge pieces let it start a cut, which trail piece it erases when
// it walks back, and the corner that replaces the trail code of the cell it leaves.
#include <cstdint>

#include "state/constants.h"

namespace zarvo {

// If the trail code of the cell next to the one being left (by dcol, drow) is one of From, the
// left cell's trail code becomes Code. The code lists are numbers as Way_Grid and Edge_Grid hold
// them.
struct Corner_Check {
    int dcol, drow;
    int32_t From[3];
    Dir Code;
};

struct Step_Rule {
    zarvo::Dir Dir;  // qualified: the field bears its type's name
    int dcol, drow;
    int32_t Trail_Refused[6];
    int32_t Edge_Refused[3];
    int32_t Cut_Start[3];
    int32_t Walk_Back[3];
    Corner_Check First_Corner, Then_Corner;
};

template <int N>
constexpr bool Holds(const int32_t (&codes)[N], int32_t code) {
    for (int32_t c : codes)
        if (c == code) return true;
    return false;
}

// clang-format off
// Per direction: the direction and its cell step; the trail refused, edge refused, cut start
// and walk back codes; the two corner checks, in this order.
inline constexpr Step_Rule Step_Right{Dir::Right, 1, 0,
    {2, 8, 9, 11, 14, 16}, {8, 9, 14}, {2, 11, 16}, {4, 9, 11},
    {0, 1, {8, 9, 10}, Dir::UpRight}, {0, -1, {2, 11, 12}, Dir::DownRight}};
inline constexpr Step_Rule Step_Left{Dir::Left, -1, 0,
    {2, 8, 10, 12, 13, 15}, {2, 12, 15}, {8, 10, 13}, {6, 10, 12},
    {0, 1, {8, 9, 10}, Dir::UpLeft}, {0, -1, {2, 11, 12}, Dir::DownLeft}};
inline constexpr Step_Rule Step_Up{Dir::Up, 0, -1,
    {4, 6, 9, 10, 15, 16}, {4, 9, 15}, {6, 10, 16}, {2, 15, 16},
    {-1, 0, {6, 14, 16}, Dir::RightUp}, {1, 0, {4, 13, 15}, Dir::LeftUp}};
inline constexpr Step_Rule Step_Down{Dir::Down, 0, 1,
    {4, 6, 11, 12, 13, 14}, {6, 12, 14}, {4, 11, 13}, {8, 13, 14},
    {-1, 0, {6, 14, 16}, Dir::RightDown}, {1, 0, {4, 13, 15}, Dir::LeftDown}};
// clang-format on

// The pixel offsets of a move of n pixels in a straight direction.
constexpr int Step_DX(Dir dir, int n) {
    return dir == Dir::Right ? n : dir == Dir::Left ? -n : 0;
}
constexpr int Step_DY(Dir dir, int n) {
    return dir == Dir::Down ? n : dir == Dir::Up ? -n : 0;
}

}  // namespace zarvo
