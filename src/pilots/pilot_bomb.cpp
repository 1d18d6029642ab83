#include "pilots/pilots.h"

namespace zarvo {

namespace {

// Ticks a bomb falls before it bursts.
inline constexpr int32_t Bomb_Fall_Ticks = 42;
inline constexpr int32_t Flame_Burst_Ticks = 18;

// Where each of the eight flames flies, and how it looks.
struct Flame_Way {
    int32_t Col, Row;
    Img2_Id Image;
};
inline constexpr Flame_Way Flame_Ways[Pilot_Flame_Count + 1] = {
    {0, 0, {}},
    {-1, 0, Img2::Flame_Left},
    {1, 0, Img2::Flame_Right},
    {0, -1, Img2::Flame_Up},
    {0, 1, Img2::Flame_Down},
    {-1, -1, Img2::Flame_Left_Up},
    {1, 1, Img2::Flame_Right_Down},
    {-1, 1, Img2::Flame_Left_Down},
    {1, -1, Img2::Flame_Right_Up},
};

bool Is_Ego_Cell(const World& w, int32_t col, int32_t row) {
    return col == w.player.Ego_Col && row == w.player.Ego_Row;
}

void Place_Flames(Pilot_Rec& p, int32_t x, int32_t y) {
    for (int f = 1; f <= Pilot_Flame_Count; ++f) {
        Pilot_Flame& flame = p.Flames[f];
        flame.Flame_X = x;
        flame.Flame_Y = y;
        flame.Flame_Col = p.Bomb_Col;
        flame.Flame_Row = p.Bomb_Row;
    }
}

// A bomb that falls into a hole bursts at once: its flames never fly.
void Bomb_Into_Hole(Game& g, Pilot_Rec& p) {
    p.Bombing = false;
    g.m.Play_Wave(Wave::Explose_4);
    Place_Flames(p, p.Bomb_X - 2, p.Bomb_Y - 2);
    for (int f = 1; f <= Pilot_Flame_Count; ++f) {
        p.Flames[f].Flame_Flying = false;
        p.Flames[f].Flame_Exploding = true;
        p.Flames[f].Flame_Tick = 0;
    }
}

void Burst_Bomb(Game& g, Pilot_Rec& p) {
    p.Bomb_Burst = true;
    g.m.Play_Wave(Wave::Explose_5);
    Place_Flames(p, p.Bomb_X, p.Bomb_Y);
    for (int f = 1; f <= Pilot_Flame_Count; ++f) p.Flames[f].Flame_Flying = true;
}

void Fall_Bomb(Game& g, Pilot_Rec& p) {
    p.Bomb_Tick += 1;
    if (p.Bomb_Tick <= Bomb_Fall_Ticks) {
        p.Bomb_Angle = (p.Bomb_Angle + 4) % 256;
        g.m.Draw_Image_Rotated(Img1::Bombe_Shadow, p.Bomb_X + 24, p.Bomb_Y + 24, 32, 32, 0, 0.5,
                               0.5, p.Bomb_Angle);
        g.m.Draw_Image_Rotated(Img1::Bombe, p.Bomb_X + 16, p.Bomb_Y + 16, 32, 32, 0, 0.5, 0.5,
                               p.Bomb_Angle);
    } else if (p.Bomb_Tick == Bomb_Fall_Ticks + 1) {
        Burst_Bomb(g, p);
    }
}

void Stop_Flame(Game& g, Pilot_Flame& flame) {
    flame.Flame_Flying = false;
    flame.Flame_Exploding = true;
    flame.Flame_Tick = 0;
    g.m.Play_Wave(Wave::Explose_3);
}

void Fly_Flames(Game& g, Pilot_Rec& p) {
    for (int f = 1; f <= Pilot_Flame_Count; ++f) {
        Pilot_Flame& flame = p.Flames[f];
        if (!flame.Flame_Flying) continue;
        flame.Flame_X += 16 * Flame_Ways[f].Col;
        flame.Flame_Y += 16 * Flame_Ways[f].Row;
        flame.Flame_Col += Flame_Ways[f].Col;
        flame.Flame_Row += Flame_Ways[f].Row;
        g.m.Draw_Image(Flame_Ways[f].Image, flame.Flame_X, flame.Flame_Y);
    }
}

// A flame stops on the player (and hurts it), on the edge, or where the floor is gone.
void Test_Flames(Game& g, Pilot_Rec& p) {
    const Arena_State& a = g.w.arena;
    for (int f = 1; f <= Pilot_Flame_Count; ++f) {
        Pilot_Flame& flame = p.Flames[f];
        if (!flame.Flame_Flying) continue;
        if (Is_Ego_Cell(g.w, flame.Flame_Col, flame.Flame_Row)) {
            g.w.player.Ego_Hit = true;
            Stop_Flame(g, flame);
        } else if (a.Occupy_Grid(flame.Flame_Col, flame.Flame_Row) == Occupy_Edge ||
                   Floor_At(a.Floor_Grid, flame.Flame_Col, flame.Flame_Row) == Floor::Gone) {
            Stop_Flame(g, flame);
        }
    }
}

void Run_Bomb(Game& g, Pilot_Rec& p) {
    if (Floor_At(g.w.arena.Floor_Grid, p.Bomb_Col, p.Bomb_Row) == Floor::Gone && !p.Bomb_Burst) {
        Bomb_Into_Hole(g, p);
        return;
    }
    Fall_Bomb(g, p);
    if (!p.Bomb_Burst) return;
    Fly_Flames(g, p);
    Test_Flames(g, p);
}

void Burst_Flame(Game& g, Pilot_Flame& flame) {
    flame.Flame_Tick += 1;
    if (flame.Flame_Tick == 1) {
        // A last wisp of smoke, then the burst Ex_Boy_1..Ex_Boy_17.
        flame.Flame_Frame = Ex::Poff_10;
        g.m.Play_Wave(Wave::Explose_5);
        flame.Flame_X -= 8;
        flame.Flame_Y -= 8;
    } else if (flame.Flame_Tick <= Flame_Burst_Ticks) {
        flame.Flame_Frame += 1;
    } else {
        // The burst is over, but its last frame still shows and still burns this once.
        flame.Flame_Ready = flame.Flame_Flying = flame.Flame_Exploding = false;
        flame.Flame_Tick = 0;
    }
    g.m.Draw_Image(Ex_Id{flame.Flame_Frame}, flame.Flame_X, flame.Flame_Y);
    if (Is_Ego_Cell(g.w, flame.Flame_Col, flame.Flame_Row)) g.w.player.Ego_Hit = true;
}

}  // namespace

void Pilot_Bomb(Game& g) {
    for (int slot = 1; slot <= Roster_Slots; ++slot) {
        Pilot_Rec& p = g.w.pilots.Pilot_Table[slot];
        if (p.Bombing) Run_Bomb(g, p);
    }
}

void Pilot_Flame_Burst(Game& g) {
    for (int slot = 1; slot <= Roster_Slots; ++slot) {
        Pilot_Rec& p = g.w.pilots.Pilot_Table[slot];
        if (p.Bombing && !p.Any_Flame_Ready()) p.Bombing = p.Bomb_Burst = false;
        for (int f = 1; f <= Pilot_Flame_Count; ++f)
            if (p.Flames[f].Flame_Exploding) Burst_Flame(g, p.Flames[f]);
    }
}

}  // namespace zarvo
