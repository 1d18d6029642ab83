#include <algorithm>

#include "pilots/pilot_look.h"
#include "pilots/pilots.h"

namespace zarvo {

namespace {

// The crosshair starts in the middle of the playing area for every kill.
inline constexpr int32_t Cross_Start_X = 310, Cross_Start_Y = 214;
inline constexpr int32_t Cross_Speed = 8;
inline constexpr int32_t Pilot_Score = 999;
inline constexpr int32_t Explosion_Ticks = 40;

void Show_Cross_Hair(Game& g, const Pilot_Rec& p) {
    g.m.Draw_Image(Image_List::List_1, Img1::FadenKreuz_Ver, p.Cross_X, 0);
    g.m.Draw_Image(Image_List::List_1, Img1::FadenKreuz_Hor, 0, p.Cross_Y);
    g.m.Draw_Image(Image_List::List_1, Img1::Target, p.Cross_X - 11, p.Cross_Y - 11);
}

void Start_Cross_Hair(Game& g, Pilot_Rec& p) {
    p.Cross_X = Cross_Start_X;
    p.Cross_Y = Cross_Start_Y;
    g.m.Play_Wave(Wave::FadenKreuz);
    p.Cross_Right = p.X + 21 > p.Cross_X;
    p.Cross_Down = p.Y + 21 > p.Cross_Y;
}

int32_t Approach(int32_t from, int32_t to, bool forward) {
    return forward ? from + std::min(Cross_Speed, to - from)
                   : from - std::min(Cross_Speed, from - to);
}

// True once the crosshair stands on the pilot's centre.
bool Slide_Cross_Hair(Pilot_Rec& p) {
    p.Cross_X = Approach(p.Cross_X, p.X + 21, p.Cross_Right);
    p.Cross_Y = Approach(p.Cross_Y, p.Y + 21, p.Cross_Down);
    return p.Cross_X == p.X + 21 && p.Cross_Y == p.Y + 21;
}

void Spin_Triangle(Game& g, Pilot_Rec& p) {
    p.Kill_W -= 4;
    p.Kill_H -= 2;
    p.Kill_Angle += 4;
    g.m.Draw_Image_Rotated(Image_List::List_1, Img1::Triangel, p.X + 24, p.Y + 24, p.Kill_W,
                           p.Kill_H, 0, 0.5, 0.5, p.Kill_Angle);
}

void Kill_Step(Game& g, Pilot_Rec& p) {
    const int32_t t = p.Death_Tick;
    if (t == 0) {
        Start_Cross_Hair(g, p);
        p.Death_Tick += 1;
    } else if (t == 1) {
        const bool arrived = Slide_Cross_Hair(p);
        Show_Cross_Hair(g, p);
        if (arrived) p.Death_Tick += 1;
    } else if (t == 2) {
        Show_Cross_Hair(g, p);
        g.m.Play_Wave(Wave::Explose_3);
        p.Kill_W = 160, p.Kill_H = 80, p.Kill_Angle = 0;
        p.Death_Tick += 1;
    } else if (t <= 10) {
        Show_Cross_Hair(g, p);
        p.Death_Tick += 1;
    } else if (t <= 43) {
        p.Death_Tick += 1;
        Spin_Triangle(g, p);
    } else {
        p.Dying = p.Active = false;
        p.Exploding = true;
        p.Death_Tick = 0;
    }
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
    const int32_t r = g.random(range > 0 ? range : -range) + 1;
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
        g.m.Draw_Image_Rotated(Image_List::List_1, Img1::Pilot_Ex_1 + i - 1, p.Debris_X[i],
                               p.Debris_Y[i], p.Debris_W, p.Debris_H, 0, 0.0, 0.0, p.Debris_Angle);
}

// The cloud of smoke: ten frames, each held three ticks.
void Show_Poff(Game& g, Pilot_Rec& p, int32_t t) {
    if (t <= 28 && t % 3 == 1) p.Poff_Frame += 1;
    if (t <= 31) g.m.Draw_Image(Image_List::Ex, p.Poff_Frame, p.X - 16, p.Y - 16);
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
