#include "state/edge_steps.h"

namespace zarvo {

namespace {

bool One_Of(Dir code, Dir a, Dir b, Dir c) {
    return code == a || code == b || code == c;
}

}  // namespace

Dir Reverse_Code(Dir code) {
    switch (code) {
        case Dir::Down:
            return Dir::Up;
        case Dir::Up:
            return Dir::Down;
        case Dir::Left:
            return Dir::Right;
        case Dir::Right:
            return Dir::Left;
        case Dir::LeftUp:
            return Dir::DownRight;
        case Dir::DownRight:
            return Dir::LeftUp;
        case Dir::RightUp:
            return Dir::DownLeft;
        case Dir::DownLeft:
            return Dir::RightUp;
        case Dir::LeftDown:
            return Dir::UpRight;
        case Dir::UpRight:
            return Dir::LeftDown;
        case Dir::RightDown:
            return Dir::UpLeft;
        case Dir::UpLeft:
            return Dir::RightDown;
        default:
            return code;
    }
}

void Leave_Step(Dir code, int& dcol, int& drow) {
    using enum Dir;
    dcol = drow = 0;
    if (One_Of(code, Down, LeftDown, RightDown)) drow = 1;
    if (One_Of(code, Up, LeftUp, RightUp)) drow = -1;
    if (One_Of(code, Right, UpRight, DownRight)) dcol = 1;
    if (One_Of(code, Left, UpLeft, DownLeft)) dcol = -1;
}

void Enter_Step(Dir code, int& dcol, int& drow) {
    using enum Dir;
    dcol = drow = 0;
    if (One_Of(code, Down, DownLeft, DownRight)) drow = 1;
    if (One_Of(code, Up, UpLeft, UpRight)) drow = -1;
    if (One_Of(code, Right, RightUp, RightDown)) dcol = 1;
    if (One_Of(code, Left, LeftUp, LeftDown)) dcol = -1;
}

Pilot_Dir Diagonal_Bounce(Pilot_Dir dir, Dir code) {
    using enum Dir;
    switch (dir) {
        case Pilot_Dir::Up_Right:
            if (code == Down || code == LeftDown) return Pilot_Dir::Up_Left;
            if (code == Right || code == RightUp) return Pilot_Dir::Down_Right;
            if (code == RightDown || code == DownRight) return Pilot_Dir::Down_Left;
            return Pilot_Dir::None;
        case Pilot_Dir::Up_Left:
            if (code == Right || code == DownRight) return Pilot_Dir::Down_Left;
            if (code == Up || code == UpLeft) return Pilot_Dir::Up_Right;
            if (code == RightUp || code == UpRight) return Pilot_Dir::Down_Right;
            return Pilot_Dir::None;
        case Pilot_Dir::Down_Right:
            if (code == Down || code == DownRight) return Pilot_Dir::Down_Left;
            if (code == Left || code == UpLeft) return Pilot_Dir::Up_Right;
            if (code == LeftDown || code == DownLeft) return Pilot_Dir::Up_Left;
            return Pilot_Dir::None;
        case Pilot_Dir::Down_Left:
            if (code == Left || code == LeftDown) return Pilot_Dir::Up_Left;
            if (code == Up || code == RightUp) return Pilot_Dir::Down_Right;
            if (code == LeftUp || code == UpLeft) return Pilot_Dir::Up_Right;
            return Pilot_Dir::None;
        default:
            return Pilot_Dir::None;
    }
}

}  // namespace zarvo
