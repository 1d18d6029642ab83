// The Blaster: its placement, the thunder trigger, its drawing, kill sequence and explosion.
#include "hazards/blaster_flames.h"
#include "hazards/hazard_places.h"
#include "hazards/hazards.h"

namespace zarvo {

namespace {

// Everything of the place back to an empty Blaster slot, with a fresh beam interval.
void Clear_Blaster(Game& g, Blaster_Rec& b) {
    b.Present = b.Dying = b.Exploding = false;
    b.Death_Tick = 0;
    b.Explosion_Frame = 0;
    b.Thunder_Timer = 0;
    b.Thunder_Interval = 20 + g.Random(50);
    b.Thunder_Dir = Thunder_Direction::None;
    b.Last_Dir = Thunder_Direction::None;
    // A beam still running from the last level would go on without a direction.
    b.Thunder_On = false;
    b.Thunder_Tick = 0;
    Clear_Flames(b);
}

// Places up to count Blasters; answers how many found a place.
int Place_Blasters(Game& g, int count) {
    int placed = 0, failures = 0;
    while (placed < count) {
        const int place = Draw_Free_Place(g, failures);
        if (place == 0) break;
        g.w.hazards.Blaster[place].Present = true;
        ++placed;
    }
    return placed;
}

// Counts frames to the next beam check; a new direction equal to the last one fires nothing.
void Thunder_Trigger(Game& g, Blaster_Rec& b) {
    b.Thunder_Dir = Thunder_Direction::None;
    if (++b.Thunder_Timer < b.Thunder_Interval) return;
    b.Thunder_Timer = 0;
    b.Thunder_Dir = Thunder_Direction_Of(g.Random(4) + 1);
    if (b.Thunder_Dir == b.Last_Dir) return;
    b.Thunder_On = true;
    b.Thunder_Tick = 0;
    b.Last_Dir = b.Thunder_Dir;
}

}  // namespace

void Blaster_Setup(Game& g, int count) {
    Hazard_State& h = g.w.hazards;
    for (int place = 1; place <= Hazard_Places; ++place) Clear_Blaster(g, h.Blaster[place]);
    Clear_Fuses(g);
    if (count <= 0) return;
    g.w.game.Enimy_Count += Place_Blasters(g, count);
    for (int place = 1; place <= Hazard_Places; ++place)
        if (h.Blaster[place].Present) Mark_Hazard_Block(g, place);
}

void Blaster_Routine(Game& g) {
    Hazard_State& h = g.w.hazards;
    if (g.w.level.On(Switch::Blaster_Thunder_Switch))
        for (int place = 1; place <= Hazard_Places; ++place) {
            Blaster_Rec& b = h.Blaster[place];
            if (b.Present && !b.Thunder_On) Thunder_Trigger(g, b);
        }
    for (int place = 1; place <= Hazard_Places; ++place) {
        Blaster_Rec& b = h.Blaster[place];
        if (!b.Present || b.Exploding) continue;
        if (Floor_At(g.w.arena.Floor_Grid, Place_Col(place), Place_Row(place)) == Floor::Gone)
            b.Dying = true;
        g.m.Draw_Image(Img1::Blaster, Place_X(place), Place_Y(place));
    }
    if (g.w.level.On(Switch::Blaster_Flame_Switch))
        for (int place = 1; place <= Hazard_Places; ++place) Flame_Launcher(g, place);
}

void Blaster_Kill_Sequence(Game& g) {
    for (int place = 1; place <= Hazard_Places; ++place) {
        Blaster_Rec& b = g.w.hazards.Blaster[place];
        if (b.Dying) Hazard_Kill_Step(g, b, place);
    }
}

void Blaster_Explosion(Game& g) {
    for (int place = 1; place <= Hazard_Places; ++place) {
        Blaster_Rec& b = g.w.hazards.Blaster[place];
        if (!b.Exploding || b.Death_Tick > Hazard_Explosion_Ticks) continue;
        ++b.Death_Tick;
        if (b.Death_Tick == 1) {
            g.w.game.Score += Hazard_Score;
            g.m.Play_Wave(Wave::Explose_6);
            b.Explosion_Frame = -1;
        }
        Show_Hazard_Explosion(g, b, place);
        // The place stays Exploding until the next set-up but draws nothing more.
        if (b.Death_Tick == Hazard_Explosion_Ticks + 1) --g.w.game.Enimy_Count;
    }
}

}  // namespace zarvo
