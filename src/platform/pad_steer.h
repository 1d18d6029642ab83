#pragma once
// A game controller steers as the direction keys do, on every backend alike: the arrows of its
// pad, and its stick once pushed beyond half its way, as the game's joystick was set up.
#include "platform/media.h"

namespace zarvo {

inline constexpr float Stick_Dead_Zone = 0.5f;

// The stick's position runs from -1 (left, up) to 1 (right, down) on each axis.
inline void Steer_By_Stick(float x, float y, Input_States& s) {
    s.Left |= x < -Stick_Dead_Zone, s.Right |= x > Stick_Dead_Zone;
    s.Up |= y < -Stick_Dead_Zone, s.Down |= y > Stick_Dead_Zone;
}

}  // namespace zarvo
