#include "hazards/hazard_places.h"
#include "pilots/monsters.h"

namespace zarvo {

namespace {

inline constexpr int32_t Hatch_Interval = 20;

// A place hatches while its Blaster stands and is not dying.
bool Spot_Hatches(const World& w, int spot) {
    const Blaster_Rec& b = w.hazards.Blaster[spot];
    return b.Present && !b.Dying;
}

int First_Free_Monster(const Pilot_State& p) {
    for (int i = 1; i <= Monster_Count; ++i)
        if (!p.Monster_Table[i].Active) return i;
    return 0;
}

// A new monster leaves the place's block on the side it is heading for.
void Place_Monster(Monster_Rec& m, int spot) {
    const int32_t x = Place_X(spot), y = Place_Y(spot);
    const int32_t c = Place_Col(spot), r = Place_Row(spot);
    switch (m.Dir) {
        case Monster_Dir::Up:
            m.X = x + 8, m.Y = y - 16, m.Col = c + 1, m.Row = r;
            break;
        case Monster_Dir::Down:
            m.X = x + 40, m.Y = y + 48, m.Col = c + 3, m.Row = r + 4;
            break;
        case Monster_Dir::Left:
            m.X = x - 8, m.Y = y + 32, m.Col = c, m.Row = r + 3;
            break;
        default:
            m.X = x + 56, m.Y = y, m.Col = c + 4, m.Row = r + 1;
            break;
    }
    m.Prev_Col = m.Col;
    m.Prev_Row = m.Row;
}

void Hatch_Monster(Game& g, int spot) {
    const int i = First_Free_Monster(g.w.pilots);
    if (i == 0) return;
    Monster_Rec& m = g.w.pilots.Monster_Table[i];
    m.Active = true;
    m.Exploding = m.Flying = false;
    m.Fly_Count = m.Tick = m.Step = m.Anim = 0;
    m.Dir = Monster_Dir_Of(Code_Of(Monster_Dir::Up) + g.Random(4));
    Place_Monster(m, spot);
    // A monster hatched after the level is won stops at once; it still needs its look.
    Set_Monster_Images(m);
}

}  // namespace

void Monster_Reset(Game& g) {
    for (int i = 1; i <= Monster_Count; ++i) {
        Monster_Rec& m = g.w.pilots.Monster_Table[i];
        m.Active = m.Exploding = m.Flying = false;
        m.Tick = m.Fly_Count = m.X = m.Y = m.Step = m.Anim = 0;
        m.Dir = Monster_Dir::Stopped;
    }
}

void Monster_Spawn(Game& g) {
    if (!g.w.level.On(Switch::Monster_Switch) || g.w.player.Ego_Step != 0) return;
    int32_t* timer = g.w.pilots.Hatch_Timer;
    for (int spot = 1; spot <= Hatch_Spots; ++spot) {
        if (!Spot_Hatches(g.w, spot)) continue;
        const int32_t before = timer[spot]++;
        if (before == 0) {
            Hatch_Monster(g, spot);
            return;
        }
        if (before == Hatch_Interval - 1) timer[spot] = 0;
    }
}

}  // namespace zarvo
