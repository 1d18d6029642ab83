#include <algorithm>

#include "enemies/hazard_places.h"

namespace zarvo {

namespace {

// The crosshair aims at this point of the hazard's image.
constexpr int Aim_Offset = 39;
// The triangle spins around this point.
constexpr int Triangle_Offset = 40;

void Show_Hazard_Cross(Game& g, const Hazard_Rec& h) {
    g.m.Draw_Image(Image_List::List_1, Img1::FadenKreuz_Ver, h.Cross_X, 0);
    g.m.Draw_Image(Image_List::List_1, Img1::FadenKreuz_Hor, 0, h.Cross_Y);
    g.m.Draw_Image(Image_List::List_1, Img1::Target, h.Cross_X - 11, h.Cross_Y - 11);
}

// Moves one coordinate towards its target by at most 8 pixels, in the direction chosen when
// the crosshair started.
int32_t Slide_Towards(int32_t from, int32_t to, bool forwards) {
    const int32_t step = std::clamp(forwards ? to - from : from - to, 0, 8);
    return forwards ? from + step : from - step;
}

void Start_Cross(Game& g, Hazard_Rec& h, int x, int y) {
    h.Cross_X = 310;
    h.Cross_Y = 214;
    h.Cross_Right = h.Cross_X < x + Aim_Offset;
    h.Cross_Down = h.Cross_Y < y + Aim_Offset;
    g.m.Play_Wave(Wave::FadenKreuz);
    ++h.Death_Tick;
}

void Slide_Cross(Game& g, Hazard_Rec& h, int x, int y) {
    const int target_x = x + Aim_Offset, target_y = y + Aim_Offset;
    h.Cross_X = Slide_Towards(h.Cross_X, target_x, h.Cross_Right);
    h.Cross_Y = Slide_Towards(h.Cross_Y, target_y, h.Cross_Down);
    Show_Hazard_Cross(g, h);
    if (h.Cross_X == target_x && h.Cross_Y == target_y) ++h.Death_Tick;
}

void Shrink_Triangle(Game& g, Hazard_Rec& h, int x, int y) {
    h.Kill_W -= 4;
    h.Kill_H -= 2;
    h.Kill_Angle += 4;
    ++h.Death_Tick;
    g.m.Draw_Image_Rotated(Image_List::List_1, Img1::Triangel, x + Triangle_Offset,
                           y + Triangle_Offset, h.Kill_W, h.Kill_H, 0, 0.5, 0.5, h.Kill_Angle);
}

}  // namespace

void Hazard_Kill_Step(Game& g, Hazard_Rec& h, int place) {
    const int x = Place_X(place), y = Place_Y(place);
    const int32_t tick = h.Death_Tick;
    if (tick == 0) {
        Start_Cross(g, h, x, y);
    } else if (tick == 1) {
        Slide_Cross(g, h, x, y);
    } else if (tick == 2) {
        Show_Hazard_Cross(g, h);
        h.Kill_W = 160, h.Kill_H = 80, h.Kill_Angle = 0;
        ++h.Death_Tick;
    } else if (tick <= 10) {
        Show_Hazard_Cross(g, h);
        ++h.Death_Tick;
    } else if (tick <= 43) {
        Shrink_Triangle(g, h, x, y);
    } else {
        h.Dying = false;
        h.Present = false;
        h.Exploding = true;
        h.Death_Tick = 0;
    }
}

void Show_Hazard_Explosion(Game& g, Hazard_Rec& h, int place) {
    if (h.Death_Tick < 1 || h.Death_Tick > Hazard_Explosion_Ticks) return;
    ++h.Explosion_Frame;
    g.m.Draw_Image(Image_List::Ex, Ex::A_Ex_1 + h.Explosion_Frame, Place_X(place) - 25,
                   Place_Y(place) - 21);
}

}  // namespace zarvo
