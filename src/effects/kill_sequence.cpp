#include "effects/kill_sequence.h"

#include <algorithm>

namespace zarvo {

void Draw_Crosshair(Game& g, int32_t x, int32_t y) {
    g.m.Draw_Image(Img1::FadenKreuz_Ver, x, 0);
    g.m.Draw_Image(Img1::FadenKreuz_Hor, 0, y);
    g.m.Draw_Image(Img1::Target, x - 11, y - 11);
}

int32_t Slide_Crosshair(int32_t at, int32_t target, bool forwards) {
    const int32_t step = std::clamp(forwards ? target - at : at - target, 0, 8);
    return forwards ? at + step : at - step;
}

bool Kill_Sequence_Step(Game& g, const Kill_Fields& k, const Kill_Place& place) {
    const int32_t tick = k.Death_Tick;
    if (tick == 0) {
        k.Cross_X = Cross_Start_X;
        k.Cross_Y = Cross_Start_Y;
        k.Cross_Right = place.Aim_X > k.Cross_X;
        k.Cross_Down = place.Aim_Y > k.Cross_Y;
        g.m.Play_Wave(Wave::FadenKreuz);
    } else if (tick == 1) {
        k.Cross_X = Slide_Crosshair(k.Cross_X, place.Aim_X, k.Cross_Right);
        k.Cross_Y = Slide_Crosshair(k.Cross_Y, place.Aim_Y, k.Cross_Down);
        Draw_Crosshair(g, k.Cross_X, k.Cross_Y);
        // The crosshair waits on this tick until it stands on its target.
        if (k.Cross_X != place.Aim_X || k.Cross_Y != place.Aim_Y) return false;
    } else if (tick == 2) {
        Draw_Crosshair(g, k.Cross_X, k.Cross_Y);
        if (place.Lock_Wave != No_Wave) g.m.Play_Wave(place.Lock_Wave);
        k.Kill_W = 160, k.Kill_H = 80, k.Kill_Angle = 0;
    } else if (tick <= 10) {
        Draw_Crosshair(g, k.Cross_X, k.Cross_Y);
    } else if (tick <= 43) {
        k.Kill_W -= 4, k.Kill_H -= 2, k.Kill_Angle += 4;
        g.m.Draw_Image_Rotated(Img1::Triangel, place.Spin_X, place.Spin_Y, k.Kill_W, k.Kill_H, 0,
                               0.5, 0.5, k.Kill_Angle);
    } else {
        return true;
    }
    k.Death_Tick += 1;
    return false;
}

}  // namespace zarvo
