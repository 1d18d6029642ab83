// The energy store: every frame in which the figure is hit drains it; twelve energy units make
// one reserve unit, and an empty reserve costs a life.
#include "effects/energy.h"

#include "effects/readouts.h"

namespace zarvo {

namespace {

constexpr int Reserve_X = 102, Reserve_Y = 487;
constexpr int Energy_X = 246, Energy_Y = 486;
constexpr int Unit_Spacing = 12;
constexpr int Fragment_Frames = 10;
// Fragment k of a lost unit flies by (Fragment_DX[k], Fragment_DY[k]) per frame.
constexpr int Fragment_DX[6] = {0, 0, -1, 1, -1, 1};
constexpr int Fragment_DY[6] = {0, 0, -1, 1, 1, -1};

void Rest_Unit(Energy_Unit& u, int x, int y) {
    u.Falling = false;
    u.Fall_Tick = 0;
    for (int i = 1; i <= 5; ++i) {
        u.X[i] = x;
        u.Y[i] = y;
    }
}

void Draw_Held_Units(Game& g, const Energy_Unit* bar, int count, Img1_Id image) {
    if (count > Energy_Units) count = Energy_Units;
    for (int k = 0; k < count; ++k)
        g.m.Draw_Image(image, bar[1].X[1] + Unit_Spacing * k, bar[k + 1].Y[1]);
}

// A unit lost again while its last fragments still fly (the row refills under a long hit)
// starts them anew from its resting place, or they would drift on across the panel.
void Drop_Unit(Energy_Unit* bar, int index) {
    if (index < 1 || index > Energy_Units) return;
    Energy_Unit& u = bar[index];
    Rest_Unit(u, u.X[1], u.Y[1]);
    u.Falling = true;
}

// Repeats the "No" every 22 frames while the hit goes on.
void Hurt_Sound(Game& g) {
    Effect_State& e = g.w.effects;
    if (!e.Hurt_Sound_On) {
        e.Hurt_Sound_On = true;
        return;
    }
    e.Hurt_Sound_Tick += 1;
    if (e.Hurt_Sound_Tick == 1) g.m.Play_Wave(Wave::No);
    if (e.Hurt_Sound_Tick == 20) e.Hurt_Sound_On = false;
    if (e.Hurt_Sound_Tick == 21) e.Hurt_Sound_Tick = 0;
}

// Drain left over once the energy row is empty is dropped.
void Drain_Energy(Game& g) {
    Effect_State& e = g.w.effects;
    for (int n = 0; n < g.w.level.Drain_Rate && e.Energy_Count >= 1; ++n) {
        Drop_Unit(e.Energy_Bar, e.Energy_Count);
        e.Energy_Count -= 1;
    }
}

void Lose_Life(Game& g) {
    Game_State& s = g.w.game;
    g.w.player.Ego_Explose_On = true;
    if (!s.Immortal_Code) s.Lives -= 1;
    if (s.Lives < 1)
        s.Game_Over = true;
    else
        Reset_Energy(g);
}

void Take_Reserve_Unit(Game& g) {
    Effect_State& e = g.w.effects;
    if (e.Energy_Count >= 1) return;
    Drop_Unit(e.Reserve_Bar, e.Reserve_Count);
    e.Reserve_Count -= 1;
    if (e.Reserve_Count > 0)
        e.Energy_Count = Energy_Units;
    else
        Lose_Life(g);
}

void Handle_Hit(Game& g) {
    Player_State& p = g.w.player;
    g.m.Draw_Image(Img1::Ego_No_White, p.Ego_X, p.Ego_Y);
    Hurt_Sound(g);
    p.Ego_Hit = false;
    Drain_Energy(g);
    Take_Reserve_Unit(g);
}

// The four fragments of a lost unit fly apart diagonally for ten frames, then it rests.
void Show_Fragments(Game& g, Energy_Unit* bar, Img1_Id image) {
    for (int i = 1; i <= Energy_Units; ++i) {
        Energy_Unit& u = bar[i];
        if (!u.Falling) continue;
        u.Fall_Tick += 1;
        if (u.Fall_Tick <= Fragment_Frames) {
            for (int f = 2; f <= 5; ++f) {
                u.X[f] += Fragment_DX[f];
                u.Y[f] += Fragment_DY[f];
                g.m.Draw_Image(image, u.X[f], u.Y[f]);
            }
            continue;
        }
        for (int f = 2; f <= 5; ++f) {
            u.X[f] = u.X[1];
            u.Y[f] = u.Y[1];
        }
        u.Falling = false;
    }
}

}  // namespace

void Reset_Energy(Game& g) {
    Effect_State& e = g.w.effects;
    e.Reserve_Count = Energy_Units;
    e.Energy_Count = Energy_Units;
    for (int i = 1; i <= Energy_Units; ++i) {
        Rest_Unit(e.Reserve_Bar[i], Reserve_X + Unit_Spacing * (i - 1), Reserve_Y);
        Rest_Unit(e.Energy_Bar[i], Energy_X + Unit_Spacing * (i - 1), Energy_Y);
    }
}

void Show_Energy(Game& g) {
    Effect_State& e = g.w.effects;
    const Player_State& p = g.w.player;
    Show_Score_Digits(g);
    Show_Claimed_Percent(g);
    Show_Lives_And_Shots(g);
    if (!p.Ego_Hit) e.Hurt_Sound_Tick = 0;
    Draw_Held_Units(g, e.Reserve_Bar, e.Reserve_Count, Img1::Way_Point);
    Draw_Held_Units(g, e.Energy_Bar, e.Energy_Count, Img1::Fire_Mini_Green);
    if (g.w.game.Well_Done || p.Ego_Implose_On || p.Ego_Explose_On) return;
    if (p.Ego_Hit) Handle_Hit(g);
    Show_Fragments(g, e.Reserve_Bar, Img1::Way_Point);
    Show_Fragments(g, e.Energy_Bar, Img1::Fire_Mini_Green);
}

}  // namespace zarvo
