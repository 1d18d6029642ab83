// The seven type routines: damage first, then the enemy drawn in its type's look, then its
// mover.
#include <cmath>

#include "enemies/enimy.h"
#include "enemies/movers.h"
#include "enemies/weapons.h"

namespace zarvo {

namespace {

constexpr int Body_Size = 44;

bool Shown(const Enimy_Rec& r) {
    return r.Active || r.Dying;
}

// Shadow and body, 44 x 44, rotated by the body angle.
void Draw_Body(Game& g, const Enimy_Rec& r, Image_Id shadow, Image_Id body) {
    g.m.Draw_Image_Rotated(shadow, r.X + 26, r.Y + 26, Body_Size, Body_Size, 0, 0.5, 0.5, r.Angle);
    g.m.Draw_Image_Rotated(body, r.X + 22, r.Y + 22, Body_Size, Body_Size, 0, 0.5, 0.5, r.Angle);
}

// The Expander opens over the first ticks of a volley and closes again.
void Set_Expander_Frame(Enimy_Rec& r) {
    const int32_t t = r.Fire_Tick;
    int32_t k = 0;  // 0 = Expander_1 .. 7 = Expander_8
    if (t <= 6)
        k = t;
    else if (t <= 42)
        k = 7;
    else if (t <= 49)
        k = 49 - t;
    else
        return;
    r.Body_Image = Img2::Expander_1 + k;
    r.Shadow_Image = Img2::Expander_1_Shadow + k;
}

void Set_Tank_Frame(Enimy_Rec& r) {
    r.Anim = r.Anim >= 7 ? 1 : r.Anim + 1;
    r.Body_Image = (r.Attacking || r.Hits > 0) ? Img2::Tank_Run_1 : Img2::Tank_Run_1 + r.Anim - 1;
}

void Set_Spider_Frame(Enimy_Rec& r) {
    r.Anim = r.Anim >= 12 ? 1 : r.Anim + 1;
    static constexpr int Frame[4] = {0, 1, 2, 1};  // Spider_1, _2, _3, _2
    const int k = r.Attacking ? 1 : Frame[(r.Anim - 1) / 3];
    r.Body_Image = Img2::Spider_1 + k;
    r.Shadow_Image = Img2::Spider_1_Shadow + k;
}

void Set_Sub_Frame(Enimy_Rec& r) {
    r.Anim = r.Anim >= 18 ? 1 : r.Anim + 1;
    static constexpr int Frame[6] = {0, 1, 2, 3, 2, 1};  // Sub_1, _2, _3, _4, _3, _2
    const int k = r.Attacking ? 0 : Frame[(r.Anim - 1) / 3];
    r.Body_Image = Img2::Sub_1 + k;
    r.Shadow_Image = Img2::Sub_1_Shadow + k;
}

// A trail as one tapering ribbon of energy, not a string of beads: the beam's band stretched
// and turned from each place to the next, oldest first, ten pixels wide at the head and
// thinning to a thread at the tail, with a hot glow on the head.
void Draw_Orbit_Ribbon(Game& g, const Enimy_Rec& r, int k) {
    constexpr int Trail_Max = 24;
    constexpr double Turn_Of_Radian = 128 / 3.14159265358979;
    int newest = 0;
    for (int j = 1; j <= Trail_Max; ++j)
        if (r.Trail_On[j]) newest = j;
    for (int j = 1; j < newest; ++j) {
        if (!r.Trail_On[j] || !r.Trail_On[j + 1]) continue;
        const int x0 = r.Trail_X[k][j], y0 = r.Trail_Y[k][j];
        const int dx = r.Trail_X[k][j + 1] - x0, dy = r.Trail_Y[k][j + 1] - y0;
        if (dx == 0 && dy == 0) continue;
        const int width = 3 + 7 * j / newest;
        const int length = static_cast<int>(std::lround(std::hypot(dx, dy))) + width / 2 + 1;
        const int angle = static_cast<int>(std::lround(std::atan2(dy, dx) * Turn_Of_Radian)) & 255;
        g.m.Draw_Image_Rotated(Img1::Laser_LR, x0 + 8 + dx / 2, y0 + 8 + dy / 2, length, width, 0,
                               0.5, 0.5, angle);
    }
    if (newest > 0)
        g.m.Draw_Image(Img1::Circle_16_1, r.Trail_X[k][newest], r.Trail_Y[k][newest]);
}

// The four orbit circles: each trail keeps the last 24 places of one circle on the ring.
void Show_Orbit_Trails(Game& g, Enimy_Rec& r) {
    static constexpr int32_t Orbit_DX[25] = {0,  14, 17, 21, 24, 26, 27, 28, 27, 26, 24, 21, 18,
                                             14, 10, 7,  4,  2,  1,  0,  1,  2,  4,  7,  10};
    static constexpr int32_t Orbit_DY[25] = {0,  0,  1,  2,  4,  7,  10, 14, 16, 21, 24, 26, 27,
                                             28, 27, 26, 24, 21, 18, 14, 10, 7,  4,  2,  1};
    constexpr int Trail_Max = 24;
    int32_t px[4], py[4];
    for (int k = 0; k < 4; ++k) {
        r.Orbit_Phase[k] = r.Orbit_Phase[k] >= Trail_Max ? 1 : r.Orbit_Phase[k] + 1;
        px[k] = r.X + Orbit_DX[r.Orbit_Phase[k]];
        py[k] = r.Y + Orbit_DY[r.Orbit_Phase[k]];
    }
    if (r.Attacking || r.Dying) py[0] += 8, px[1] += 8, py[2] += 8, px[3] += 8;
    for (int k = 0; k < 4; ++k) {
        r.Trail_Len += 1;
        if (r.Trail_Len > Trail_Max) {
            r.Trail_Len = Trail_Max;
            for (int j = 1; j < Trail_Max; ++j) {
                r.Trail_X[k][j] = r.Trail_X[k][j + 1];
                r.Trail_Y[k][j] = r.Trail_Y[k][j + 1];
            }
        }
        for (int t = 0; t < 4; ++t) {
            r.Trail_X[t][r.Trail_Len] = px[t];
            r.Trail_Y[t][r.Trail_Len] = py[t];
        }
        r.Trail_On[r.Trail_Len] = true;
        Draw_Orbit_Ribbon(g, r, k);
    }
}

}  // namespace

void Boxer_Routine(Game& g, int slot) {
    Enimy_Rec& r = Enimy(g, slot);
    if (!Shown(r)) return;
    Enimy_Damage(g, slot);
    r.Angle = Turn_Towards(r.Angle, r.Angle_Target, 8);
    Draw_Body(g, r, Img1::Boxer_Shadow, Img1::Boxer);
    Boxer_Mover(g, slot);
}

void Orbiter_Routine(Game& g, int slot) {
    Enimy_Rec& r = Enimy(g, slot);
    if (!Shown(r)) return;
    Enimy_Damage(g, slot);
    Show_Orbit_Trails(g, r);
    Orbiter_Mover(g, slot);
}

// Once the Clipper is gone its arms' marks are swept off the grid every frame.
void Clipper_Routine(Game& g, int slot) {
    Enimy_Rec& r = Enimy(g, slot);
    if (!Shown(r)) {
        Clipper_Clean_Arms(g, slot);
        return;
    }
    Enimy_Damage(g, slot);
    Clipper_Draw(g, slot);
    Clipper_Mover(g, slot);
}

void Expander_Routine(Game& g, int slot) {
    Enimy_Rec& r = Enimy(g, slot);
    if (!Shown(r)) return;
    Enimy_Damage(g, slot);
    Set_Expander_Frame(r);
    Draw_Body(g, r, Img2_Id{r.Shadow_Image}, Img2_Id{r.Body_Image});
    Expander_Mover(g, slot);
}

void Tank_Routine(Game& g, int slot) {
    Enimy_Rec& r = Enimy(g, slot);
    if (!Shown(r)) return;
    Enimy_Damage(g, slot);
    Set_Tank_Frame(r);
    Draw_Body(g, r, Img2::Tank_Shadow, Img2_Id{r.Body_Image});
    g.m.Draw_Image_Rotated(Img2::Tank_Rocket_Shadow, r.X + 24, r.Y + 24, Body_Size, Body_Size, 0,
                           0.5, 0.5, r.Turret_Angle);
    g.m.Draw_Image_Rotated(Img2::Tank_Rocket, r.X + 22, r.Y + 22, Body_Size, Body_Size, 0, 0.5, 0.5,
                           r.Turret_Angle);
    Tank_Mover(g, slot);
}

void Spider_Routine(Game& g, int slot) {
    Enimy_Rec& r = Enimy(g, slot);
    if (!Shown(r)) return;
    Enimy_Damage(g, slot);
    Set_Spider_Frame(r);
    Draw_Body(g, r, Img2_Id{r.Shadow_Image}, Img2_Id{r.Body_Image});
    Spider_Mover(g, slot);
}

void Sub_Routine(Game& g, int slot) {
    Enimy_Rec& r = Enimy(g, slot);
    if (!Shown(r)) return;
    Enimy_Damage(g, slot);
    Set_Sub_Frame(r);
    Draw_Body(g, r, Img2_Id{r.Shadow_Image}, Img2_Id{r.Body_Image});
    Sub_Mover(g, slot);
}

}  // namespace zarvo
