#include "player/crosshair.h"

#include <algorithm>

namespace zarvo {

namespace {

// Moves one axis towards its target by at most 8, never past it.
int32_t Slide(int32_t at, int32_t target, bool up) {
    if (!up && at > target) return at - std::min(8, at - target);
    if (up && at < target) return at + std::min(8, target - at);
    return at;
}

}  // namespace

void Start_Crosshair(Game& g, int tx, int ty) {
    PlayerState& p = g.w.player;
    p.Cross_X = Cross_Start_X;
    p.Cross_Y = Cross_Start_Y;
    g.m.Play_Wave(Wave::FadenKreuz);
    p.Cross_X_Up = p.Cross_X < tx;
    p.Cross_Y_Up = p.Cross_Y < ty;
}

void Draw_Crosshair(Game& g) {
    const PlayerState& p = g.w.player;
    g.m.Draw_Image(Image_List::List_1, Img1::FadenKreuz_Ver, p.Cross_X, 0);
    g.m.Draw_Image(Image_List::List_1, Img1::FadenKreuz_Hor, 0, p.Cross_Y);
    g.m.Draw_Image(Image_List::List_1, Img1::Target, p.Cross_X - 11, p.Cross_Y - 11);
}

bool Approach_Crosshair(Game& g, int tx, int ty) {
    PlayerState& p = g.w.player;
    p.Cross_X = Slide(p.Cross_X, tx, p.Cross_X_Up);
    p.Cross_Y = Slide(p.Cross_Y, ty, p.Cross_Y_Up);
    Draw_Crosshair(g);
    return p.Cross_X == tx && p.Cross_Y == ty;
}

}  // namespace zarvo
