#include "effects/kill_sequence.h"
#include "pilots/pilot_look.h"
#include "pilots/pilots.h"

namespace zarvo {

namespace {

inline constexpr int32_t Pilot_Score = 999;
inline constexpr int32_t Explosion_Ticks = 40;

void Kill_Step(Game& g, Pilot_Rec& p) {
    const Kill_Place place{p.X + 21, p.Y + 21, p.X + 24, p.Y + 24, Wave::Explose_3};
    if (!Kill_Sequence_Step(g, Kill_Fields_Of(p), place)) return;
    p.Dying = p.Active = false;
    p.Exploding = true;
    p.Death_Tick = 0;
}

// How far each debris piece may drift per tick: +n moves by 1..n forwards, -n backwards.
struct Drift {
    int32_t X, Y;
};
inline constexpr Drift Debris_Drift[Pilot_Debris_Count + 1] = {
    {0, 0}, {4, 0}, {-4, 0}, {0, 6}, {0, -4}, {4, 6}, {-4, -4}, {6, -6}, {-4, 6}, {6, -6},
};

int32_t Drift_By(Game& g, int32_t range) {
    if (range == 0) return 0;
    const int32_t r = g.Random(range > 0 ? range : -range) + 1;
    return range > 0 ? r : -r;
}

void Scatter_Debris(Game& g, Pilot_Rec& p) {
    for (int i = 1; i <= Pilot_Debris_Count; ++i) {
        p.Debris_X[i] += Drift_By(g, Debris_Drift[i].X);
        p.Debris_Y[i] += Drift_By(g, Debris_Drift[i].Y);
    }
}

void Blow_Up(Game& g, Pilot_Rec& p) {
    g.w.game.Score += Pilot_Score;
    g.m.Play_Wave(Wave::Explose_4);
    for (int i = 1; i <= Pilot_Debris_Count; ++i) {
        p.Debris_X[i] = p.X + 16;
        p.Debris_Y[i] = p.Y + 8;
    }
    p.Poff_Frame = Ex::Poff_1 - 1;
}

void Show_Debris(Game& g, const Pilot_Rec& p) {
    for (int i = 1; i <= Pilot_Debris_Count; ++i)
        g.m.Draw_Image_Rotated(Img1::Pilot_Ex_1 + i - 1, p.Debris_X[i], p.Debris_Y[i], p.Debris_W,
                               p.Debris_H, 0, 0.0, 0.0, p.Debris_Angle);
}

// The cloud of smoke: ten frames, each held three ticks.
void Show_Poff(Game& g, Pilot_Rec& p, int32_t t) {
    if (t <= 28 && t % 3 == 1) p.Poff_Frame += 1;
    if (t <= 31) g.m.Draw_Image(Ex_Id{p.Poff_Frame}, p.X - 16, p.Y - 16);
}

void Explosion_Step(Game& g, Pilot_Rec& p) {
    const int32_t t = ++p.Death_Tick;
    if (t == 1) Blow_Up(g, p);
    if (t >= 2 && t < Explosion_Ticks) Scatter_Debris(g, p);
    if (t == 2) g.m.Play_Wave(Wave::Explose_5);
    if (t == Explosion_Ticks) {
        g.w.game.Enimy_Count -= 1;
        p.Active = p.Exploding = false;
        p.Death_Tick = 0;
    }
    const int32_t grow = t <= 17 ? 1 : -1;
    p.Debris_W += grow;
    p.Debris_H += grow;
    p.Debris_Angle = (p.Debris_Angle + 8) % 256;
    Show_Debris(g, p);
    Show_Poff(g, p, t);
}

}  // namespace

void Pilot_Kill_Sequence(Game& g) {
    for (int slot = 1; slot <= Roster_Slots; ++slot) {
        Pilot_Rec& p = g.w.pilots.Pilot_Table[slot];
        if (!p.Dying) continue;
        Show_Pilot(g, p);
        Kill_Step(g, p);
    }
}

void Pilot_Explosion(Game& g) {
    for (int slot = 1; slot <= Roster_Slots; ++slot) {
        Pilot_Rec& p = g.w.pilots.Pilot_Table[slot];
        if (p.Exploding) Explosion_Step(g, p);
    }
}

}  // namespace zarvo
