// The burst of four green stars around the figure after a refused step; a refusal while it
// runs does not restart it.
#include "effects/energy.h"

namespace zarvo {

namespace {

constexpr int Bump_Frames = 20;
constexpr int Star_DX[Bump_Stars + 1] = {0, 2, -2, 2, -2};
constexpr int Star_DY[Bump_Stars + 1] = {0, 2, -2, -2, 2};

void Move_Stars(Game& g, int tick) {
    Effect_State& e = g.w.effects;
    const Player_State& p = g.w.player;
    for (int i = 1; i <= Bump_Stars; ++i) {
        if (tick == 1) {
            e.Bump_Star_X[i] = p.Ego_X + 2;
            e.Bump_Star_Y[i] = p.Ego_Y + 8;
        } else if (tick < Bump_Frames) {
            e.Bump_Star_X[i] += Star_DX[i];
            e.Bump_Star_Y[i] += Star_DY[i];
        }
    }
}

}  // namespace

void Show_Bump_Stars(Game& g) {
    Effect_State& e = g.w.effects;
    Player_State& p = g.w.player;
    if (!p.Bump_Flag) return;
    e.Bump_Tick += 1;
    Move_Stars(g, e.Bump_Tick);
    if (e.Bump_Tick >= Bump_Frames) {
        e.Bump_Tick = 0;
        p.Bump_Flag = false;
    }
    for (int i = 1; i <= Bump_Stars; ++i)
        g.m.Draw_Image(Img1::Star_Green, e.Bump_Star_X[i], e.Bump_Star_Y[i]);
}

}  // namespace zarvo
