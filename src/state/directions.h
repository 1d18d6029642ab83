#pragma once
// The game's direction vocabularies. Each counts its own way, so each is a type of its own and
// the compiler refuses one kind where another is meant. The arena's grids and the state dump
// hold plain numbers: Code_Of gives a direction's number, and the one helper of each type
// (Dir_Of_Code, Step_Dir_Of, ...) reads a number back. A number that names no direction (an
// empty cell's No_Code) reads as a value that no switch of the game takes.
#include <concepts>
#include <cstdint>

namespace zarvo {

// The edge loop's and the trail's codes (keypad digits) and the corner codes; also the way the
// figure walks and faces. None is a figure standing still or a cut not begun.
enum class Dir : int32_t {
    None = 0,
    Down = 2,
    Left = 4,
    Right = 6,
    Up = 8,
    LeftUp = 9,
    RightUp = 10,
    LeftDown = 11,
    RightDown = 12,
    UpLeft = 13,
    UpRight = 14,
    DownLeft = 15,
    DownRight = 16,
};

// An enemy's step (its Move_Dir).
enum class Step_Dir : int32_t { None = 0, Up = 1, Down = 2, Left = 3, Right = 4 };

// The flight of a straight shot: the enemies' rockets and balls and the player's star shots.
enum class Shot_Dir : int32_t { None = 0, Up = 1, Down = 2, Left = 3, Right = 4 };

// A pilot's diagonal flight.
enum class Pilot_Dir : int32_t {
    None = 0,
    Up_Right = 5,
    Up_Left = 6,
    Down_Right = 7,
    Down_Left = 8
};

// A monster's walk along the edge.
enum class Monster_Dir : int32_t { Stopped = 0, Up = 1, Down = 2, Left = 3, Right = 4 };

// A Blaster's thunder beam; None while no beam runs.
enum class Thunder_Direction : int32_t { None = 0, Right = 1, Up = 2, Left = 3, Down = 4 };

// A Blaster flame's diagonal crawl, named as the keypad's corner digits are.
enum class Flame_Dir : int32_t {
    None = 0,
    Down_Left = 1,
    Down_Right = 3,
    Up_Left = 7,
    Up_Right = 9
};

// The way a bomb chain grows; chain k of an enemy always grows in direction k.
enum class Chain_Dir : int32_t { None = 0, Up = 1, Down = 2, Left = 3, Right = 4 };

// An Orbiter star's flight: four straight ways, then four diagonals counted as the pilots'.
enum class Star_Dir : int32_t {
    None = 0,
    Up = 1,
    Down = 2,
    Left = 3,
    Right = 4,
    Up_Right = 5,
    Up_Left = 6,
    Down_Right = 7,
    Down_Left = 8
};

// A shrapnel snake's diagonal flight, counted as the stars' diagonals.
enum class Shrap_Dir : int32_t {
    None = 0,
    Up_Right = 5,
    Up_Left = 6,
    Down_Right = 7,
    Down_Left = 8
};

// The way the direction keys move the pointer from button to button on the screens.
enum class Steer_Dir : int32_t { None = 0, Up = 1, Down = 2, Left = 3, Right = 4 };

template <typename D>
concept Dir_Type = std::same_as<D, Dir> || std::same_as<D, Step_Dir> || std::same_as<D, Shot_Dir> ||
    std::same_as<D, Pilot_Dir> || std::same_as<D, Monster_Dir> ||
    std::same_as<D, Thunder_Direction> || std::same_as<D, Flame_Dir> ||
    std::same_as<D, Chain_Dir> || std::same_as<D, Star_Dir> || std::same_as<D, Shrap_Dir> ||
    std::same_as<D, Steer_Dir>;

// A direction's number, as the grids, the tables indexed by direction and the dump hold it.
template <Dir_Type D>
constexpr int32_t Code_Of(D d) {
    return static_cast<int32_t>(d);
}

// An arena grid's code (Edge_Grid, Way_Grid and their copies) as a direction.
constexpr Dir Dir_Of_Code(int32_t code) {
    return static_cast<Dir>(code);
}
// The step, shot, pilot, monster and beam directions of their numbers, as random draws and
// the tables indexed by direction count them.
constexpr Step_Dir Step_Dir_Of(int32_t n) {
    return static_cast<Step_Dir>(n);
}
constexpr Shot_Dir Shot_Dir_Of(int32_t n) {
    return static_cast<Shot_Dir>(n);
}
constexpr Pilot_Dir Pilot_Dir_Of(int32_t n) {
    return static_cast<Pilot_Dir>(n);
}
constexpr Monster_Dir Monster_Dir_Of(int32_t n) {
    return static_cast<Monster_Dir>(n);
}
constexpr Thunder_Direction Thunder_Direction_Of(int32_t n) {
    return static_cast<Thunder_Direction>(n);
}
constexpr Chain_Dir Chain_Dir_Of(int32_t n) {
    return static_cast<Chain_Dir>(n);
}

}  // namespace zarvo
