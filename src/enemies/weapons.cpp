// The set-up of an enemy's weapon tables at level start.
#include "enemies/weapons.h"

#include "enemies/weapon_support.h"

namespace zarvo {

namespace {

void Reset_Chains(Enemy_Weapons& wp) {
    for (int k = 1; k <= Chain::Count; ++k) {
        Bomb_Chain& c = wp.Chains[k];
        c = Bomb_Chain{};
        c.Chain_Dir = Chain_Dir_Of(k);
    }
}

void Reset_Stars(const Enimy_Rec& e, Enemy_Weapons& wp) {
    for (int i = 1; i <= Orbiter_Star_Count; ++i) {
        Orbiter_Star& s = wp.Stars[i];
        s = Orbiter_Star{};
        s.Star_X = e.X + 16, s.Star_Y = e.Y + 16;
        s.Star_Col = e.Col + 1, s.Star_Row = e.Row + 1;
    }
    wp.Star_Size = 8;
    wp.Star_Size_Tick = 0;
}

void Reset_Shrapnel(Enemy_Weapons& wp) {
    for (auto& group : wp.Shrapnel) group = Shrap_Group{};
    wp.Shrap_Len = 0;
}

}  // namespace

void Reset_Enemy_Weapons(Game& g, int slot) {
    Enimy_Rec& e = Enimy(g, slot);
    Enemy_Weapons& wp = e.Weapons;
    Reset_Chains(wp);
    for (auto& facing : wp.Laser)
        for (auto& beam : facing) beam = Laser_Beam{};
    Reset_Stars(e, wp);
    for (auto& arm : wp.Arms) arm = Clipper_Arm{};
    Root_Clipper_Arms(g, slot);
    Reset_Shrapnel(wp);
}

}  // namespace zarvo
