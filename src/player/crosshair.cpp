#include "player/crosshair.h"

namespace zarvo {

void Start_Crosshair(Game& g, int tx, int ty) {
    Player_State& p = g.w.player;
    p.Cross_X = Cross_Start_X;
    p.Cross_Y = Cross_Start_Y;
    g.m.Play_Wave(Wave::FadenKreuz);
    p.Cross_X_Up = p.Cross_X < tx;
    p.Cross_Y_Up = p.Cross_Y < ty;
}

void Draw_Ego_Crosshair(Game& g) {
    Draw_Crosshair(g, g.w.player.Cross_X, g.w.player.Cross_Y);
}

bool Approach_Crosshair(Game& g, int tx, int ty) {
    Player_State& p = g.w.player;
    p.Cross_X = Slide_Crosshair(p.Cross_X, tx, p.Cross_X_Up);
    p.Cross_Y = Slide_Crosshair(p.Cross_Y, ty, p.Cross_Y_Up);
    Draw_Ego_Crosshair(g);
    return p.Cross_X == tx && p.Cross_Y == ty;
}

}  // namespace zarvo
