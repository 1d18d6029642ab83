#pragma once
// The full-screen crosshair that slides from the middle of the playing area onto its target,
// and the shrinking, spinning triangle after it: how the figure appears and dies, and how
// every enemy, pilot and hazard is destroyed.
#include "state/game.h"

namespace zarvo {

inline constexpr int32_t Cross_Start_X = 310;
inline constexpr int32_t Cross_Start_Y = 214;

// The vertical line at x, the horizontal line at y and the target mark on their crossing.
void Draw_Crosshair(Game& g, int32_t x, int32_t y);

// One axis of the slide: towards the target in the direction chosen when the crosshair
// started, by the remaining distance but at most 8 pixels, never past it.
int32_t Slide_Crosshair(int32_t at, int32_t target, bool forwards);

// Where a victim's kill sequence aims, where its triangle spins, and the sound played when the
// crosshair has locked on (No_Wave for none).
inline constexpr int No_Wave = -1;
struct Kill_Place {
    int32_t Aim_X, Aim_Y;
    int32_t Spin_X, Spin_Y;
    int Lock_Wave;
};

// The fields of a victim's record that its kill sequence runs on.
struct Kill_Fields {
    int32_t& Cross_X;
    int32_t& Cross_Y;
    bool& Cross_Right;
    bool& Cross_Down;
    int32_t& Kill_W;
    int32_t& Kill_H;
    int32_t& Kill_Angle;
    int32_t& Death_Tick;
};

template <typename Rec>
Kill_Fields Kill_Fields_Of(Rec& r) {
    return {r.Cross_X, r.Cross_Y, r.Cross_Right, r.Cross_Down,
            r.Kill_W,  r.Kill_H,  r.Kill_Angle,  r.Death_Tick};
}

// One frame of a kill sequence, ticks 0 to 43. Answers true at tick 44, when the victim's own
// routine ends the sequence and starts its explosion.
bool Kill_Sequence_Step(Game& g, const Kill_Fields& k, const Kill_Place& place);

}  // namespace zarvo
