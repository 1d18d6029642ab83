#include "effects/kill_sequence.h"
#include "hazards/hazard_places.h"

namespace zarvo {

namespace {

// The crosshair aims at this point of the hazard's image.
constexpr int Aim_Offset = 39;
// The triangle spins around this point.
constexpr int Triangle_Offset = 40;

}  // namespace

void Hazard_Kill_Step(Game& g, Hazard_Rec& h, int place) {
    const int x = Place_X(place), y = Place_Y(place);
    const Kill_Place aim{x + Aim_Offset, y + Aim_Offset, x + Triangle_Offset, y + Triangle_Offset,
                         No_Wave};
    if (!Kill_Sequence_Step(g, Kill_Fields_Of(h), aim)) return;
    h.Dying = false;
    h.Present = false;
    h.Exploding = true;
    h.Death_Tick = 0;
}

void Show_Hazard_Explosion(Game& g, Hazard_Rec& h, int place) {
    if (h.Death_Tick < 1 || h.Death_Tick > Hazard_Explosion_Ticks) return;
    ++h.Explosion_Frame;
    g.m.Draw_Image(Ex::A_Ex_1 + h.Explosion_Frame, Place_X(place) - 25, Place_Y(place) - 21);
}

}  // namespace zarvo
