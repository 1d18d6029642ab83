// The figure's appearance (crosshair, then the figure spinning down to its size) and its death
// (crosshair, then a shrinking triangle over the white figure, then back to the save place).
#include "player/sequences.h"

#include "arena/arena.h"
#include "player/crosshair.h"

namespace zarvo {

namespace {

void Spin_Figure(Game& g) {
    Player_State& p = g.w.player;
    p.Ego_Seq_Width -= 2;
    p.Ego_Seq_Height -= 2;
    p.Ego_Seq_Angle += 4;
    if (p.Ego_Seq_Angle > 255) p.Ego_Seq_Angle = 0;
    g.m.Draw_Image_Rotated(Img1::Ego_No, p.Ego_X + 15, p.Ego_Y + 24, p.Ego_Seq_Width,
                           p.Ego_Seq_Height, 0, 0.5, 0.5, p.Ego_Seq_Angle);
}

// The controls come back only in this last frame, which draws nothing.
void End_Implose(Game& g) {
    Player_State& p = g.w.player;
    g.w.game.Game_Halted = false;
    p.Ego_Step = 0;
    p.Ego_Implose_Tick = 0;
    p.Ego_Dir = Dir::None;
    p.Ego_Implose_On = false;
    p.Ego_Explose_On = false;
    p.Ego_Hit = false;
}

void Draw_White_Figure(Game& g) {
    g.m.Draw_Image(Img1::Ego_No_White, g.w.player.Ego_X, g.w.player.Ego_Y);
}

void Spin_Triangle(Game& g) {
    Player_State& p = g.w.player;
    p.Ego_Seq_Width -= 4;
    p.Ego_Seq_Height -= 2;
    p.Ego_Seq_Angle += 4;
    p.Ego_Explose_Tick += 1;
    Draw_White_Figure(g);
    g.m.Draw_Image_Rotated(Img1::Triangel, p.Ego_X + 15, p.Ego_Y + 24, p.Ego_Seq_Width,
                           p.Ego_Seq_Height, 0, 0.5, 0.5, p.Ego_Seq_Angle);
}

// The figure goes back to its save place with a full store and appears there again.
void End_Explose(Game& g) {
    Player_State& p = g.w.player;
    p.Ego_Implose_On = true;
    p.Ego_Explose_Tick = 0;
    p.Ego_Explose_On = false;
    p.Ego_X = p.Ego_Save_X;
    p.Ego_Y = p.Ego_Save_Y;
    p.Ego_Col = p.Ego_Save_Col;
    p.Ego_Row = p.Ego_Save_Row;
    g.w.effects.Reserve_Count = 12;
    g.w.effects.Energy_Count = 12;
}

void Start_Explose(Game& g, int tx, int ty) {
    Player_State& p = g.w.player;
    Draw_White_Figure(g);
    Kill_All_Point_And_Way(g);
    g.w.game.Game_Halted = true;
    p.Ego_Cutting = false;
    Start_Crosshair(g, tx, ty);
}

}  // namespace

void Show_Ego_Implose(Game& g) {
    Player_State& p = g.w.player;
    const int tx = p.Ego_Save_X + 15, ty = p.Ego_Save_Y + 22;
    g.w.game.Game_Halted = true;
    const int tick = p.Ego_Implose_Tick;
    if (tick == 0) {
        Start_Crosshair(g, tx, ty);
        p.Ego_Implose_Tick = 1;
    } else if (tick == 1) {
        if (Approach_Crosshair(g, tx, ty)) p.Ego_Implose_Tick = 2;
    } else if (tick == 2) {
        g.m.Play_Wave(Wave::Warning);
        Draw_Ego_Crosshair(g);
        p.Ego_Seq_Width = 94;
        p.Ego_Seq_Height = 108;
        p.Ego_Seq_Angle = 128;
        p.Ego_Implose_Tick = 3;
    } else if (tick <= 10) {
        Draw_Ego_Crosshair(g);
        p.Ego_Implose_Tick += 1;
    } else if (tick <= 41) {
        p.Ego_Implose_Tick += 1;
    } else {
        End_Implose(g);
    }
    if (p.Ego_Implose_Tick >= 11 && p.Ego_Implose_Tick <= 42) Spin_Figure(g);
}

void Show_Ego_Explose(Game& g) {
    Player_State& p = g.w.player;
    const int tx = p.Ego_X + 15, ty = p.Ego_Y + 22;
    const int tick = p.Ego_Explose_Tick;
    if (tick == 0) {
        Start_Explose(g, tx, ty);
        p.Ego_Explose_Tick = 1;
    } else if (tick == 1) {
        Draw_White_Figure(g);
        if (Approach_Crosshair(g, tx, ty)) p.Ego_Explose_Tick = 2;
    } else if (tick == 2) {
        Draw_White_Figure(g);
        Draw_Ego_Crosshair(g);
        g.m.Play_Wave(Wave::Rocky);
        p.Ego_Seq_Width = 160;
        p.Ego_Seq_Height = 80;
        p.Ego_Seq_Angle = 0;
        p.Ego_Explose_Tick = 3;
    } else if (tick <= 10) {
        Draw_White_Figure(g);
        Draw_Ego_Crosshair(g);
        p.Ego_Explose_Tick += 1;
    } else if (tick <= 43) {
        Spin_Triangle(g);
    } else {
        End_Explose(g);
    }
}

void Resume_Ego(Game& g) {
    const Player_State& p = g.w.player;
    g.w.game.Game_Halted = p.Ego_Implose_On || p.Ego_Explose_On;
}

}  // namespace zarvo
