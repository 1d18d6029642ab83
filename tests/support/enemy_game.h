#pragma once
// Helpers for the enemy tests: a full arena with chosen enemies on their start blocks, and
// small probes of the enemy table.
#include <initializer_list>
#include <utility>

#include "arena/arena.h"
#include "enemies/enimy.h"
#include "support/test_game.h"

namespace zarvo::test {

struct Enemy_Game : Test_Game {
    explicit Enemy_Game(uint32_t seed = 12345, bool with_assets = false)
        : Test_Game(seed, with_assets) {
        s().Sponsor_On = false;
        Reset_Arena(g);
    }
    // Puts the given (slot, type) pairs on their start blocks; no other enemies, no hazards.
    void place(std::initializer_list<std::pair<int, int>> enemies) {
        for (int slot = 1; slot <= Roster_Slots; ++slot) w().level.Enimy_Type[slot] = No_Code;
        for (auto [slot, type] : enemies) w().level.Enimy_Type[slot] = type;
        s().Enimy_Count = 0;
        Enimy_Setup(g);
    }
    Enimy_Rec& e(int slot) { return w().enemies.Enimy_Table[slot]; }
    void on(int weapon_switch) { w().level.Weapon_Switch[weapon_switch] = 1; }
    int shots_in_flight(int slot) {
        int n = 0;
        for (int k = 1; k <= Enimy_Shot_Count; ++k) n += e(slot).Shots[k].In_Flight ? 1 : 0;
        return n;
    }
    int waves(int index) const { return Waves_Played(media, index); }
    int body_cells() const {
        int n = 0;
        for (int c = 1; c <= Arena_Cols; ++c)
            for (int r = 1; r <= Arena_Rows; ++r)
                n += world->arena.Occupy_Grid(c, r) == Occupy_Body ? 1 : 0;
        return n;
    }
};

}  // namespace zarvo::test
