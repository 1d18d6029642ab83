// The Pyr: a pyramid holding a bonus, shown by four icons circling it. Cut away, it explodes
// and gives its bonus: a life, a full load of star shots or a full energy store.
#include "effects/energy.h"
#include "hazards/hazard_places.h"
#include "hazards/hazards.h"

namespace zarvo {

namespace {

enum Pyr_Bonus { Bonus_Life = 1, Bonus_Stars = 2, Bonus_Energy = 3 };
constexpr int Star_Load = 24;
constexpr int Orbit_Steps = 24;
constexpr int Orbit_Wait = 2;

// Where an icon stands on its circle, by phase 1..24 (index 0 unused).
constexpr int Orbit_DX[Orbit_Steps + 1] = {0,  14, 17, 21, 24, 26, 27, 28, 27, 26, 24, 21, 18,
                                           14, 10, 7,  4,  2,  1,  0,  1,  2,  4,  7,  10};
constexpr int Orbit_DY[Orbit_Steps + 1] = {0,  0,  1,  2,  4,  7,  10, 14, 16, 21, 24, 26, 27,
                                           28, 27, 26, 24, 21, 18, 14, 10, 7,  4,  2,  1};

struct Bonus_Icon {
    Img1_Id Image;
    int Dx, Dy;
};
constexpr Bonus_Icon Bonus_Icons[4] = {
    {}, {Img1::Herz, 20, 22}, {Img1::Fire_White, 20, 20}, {Img1::Star_Blue, 15, 15}};

void Clear_Pyr(Pyr_Rec& p) {
    p = Pyr_Rec{};
}

int Place_Pyrs(Game& g, int count) {
    int placed = 0, failures = 0;
    while (placed < count) {
        const int place = Draw_Free_Place(g, failures);
        if (place == 0) break;
        Pyr_Rec& p = g.w.hazards.Pyr[place];
        p.Present = true;
        p.Pyr_Kind = g.Random(3) + 1;
        ++placed;
    }
    return placed;
}

// The icons step once every three frames, backwards through the phases.
void Turn_Orbit(Pyr_Rec& p) {
    if (++p.Orbit_Timer <= Orbit_Wait) return;
    p.Orbit_Timer = 0;
    for (int k = 1; k <= Orbit_Icons; ++k)
        p.Orbit_Phase[k] = p.Orbit_Phase[k] <= 1 ? Orbit_Steps : p.Orbit_Phase[k] - 1;
}

void Show_Pyr(Game& g, const Pyr_Rec& p, int place) {
    const int x = Place_X(place), y = Place_Y(place);
    if (p.Pyr_Kind >= Bonus_Life && p.Pyr_Kind <= Bonus_Energy) {
        const Bonus_Icon& icon = Bonus_Icons[p.Pyr_Kind];
        for (int k = 1; k <= Orbit_Icons; ++k) {
            const int phase = p.Orbit_Phase[k];
            g.m.Draw_Image(icon.Image, x + icon.Dx + Orbit_DX[phase],
                           y + icon.Dy + Orbit_DY[phase]);
        }
    }
    g.m.Draw_Image(Img1::Pyr_1, x, y);
}

void Give_Bonus(Game& g, int32_t kind) {
    switch (kind) {
        case Bonus_Life:
            ++g.w.game.Lives;
            break;
        case Bonus_Stars:
            g.w.game.Star_Fire_Count = Star_Load;
            break;
        case Bonus_Energy:
            Reset_Energy(g);
            break;
        default:
            break;
    }
}

}  // namespace

void Pyr_Setup(Game& g, int count) {
    for (int place = 1; place <= Hazard_Places; ++place) Clear_Pyr(g.w.hazards.Pyr[place]);
    if (count <= 0) return;
    // The Blasters seen here are still those of the last level: they are placed afterwards.
    g.w.game.Enimy_Count += Place_Pyrs(g, count);
    for (int place = 1; place <= Hazard_Places; ++place)
        if (g.w.hazards.Pyr[place].Present) Mark_Hazard_Block(g, place);
}

void Pyr_Routine(Game& g) {
    for (int place = 1; place <= Hazard_Places; ++place) {
        Pyr_Rec& p = g.w.hazards.Pyr[place];
        if (!p.Present || p.Exploding) continue;
        if (Floor_At(g.w.arena.Floor_Grid, Place_Col(place), Place_Row(place)) == Floor::Gone)
            p.Dying = true;
        Turn_Orbit(p);
        Show_Pyr(g, p, place);
    }
}

void Pyr_Kill_Sequence(Game& g) {
    for (int place = 1; place <= Hazard_Places; ++place) {
        Pyr_Rec& p = g.w.hazards.Pyr[place];
        if (p.Dying) Hazard_Kill_Step(g, p, place);
    }
}

void Pyr_Explosion(Game& g) {
    for (int place = 1; place <= Hazard_Places; ++place) {
        Pyr_Rec& p = g.w.hazards.Pyr[place];
        if (!p.Exploding) continue;
        ++p.Death_Tick;
        if (p.Death_Tick == 1) {
            g.w.game.Score += Hazard_Score;
            g.m.Play_Wave(Wave::Explose_6);
            Give_Bonus(g, p.Pyr_Kind);
            p.Explosion_Frame = -1;
        }
        Show_Hazard_Explosion(g, p, place);
        if (p.Death_Tick == Hazard_Explosion_Ticks + 1) {
            --g.w.game.Enimy_Count;
            // Unlike a Blaster's, the place is free again.
            p.Present = p.Dying = p.Exploding = false;
        }
    }
}

}  // namespace zarvo
