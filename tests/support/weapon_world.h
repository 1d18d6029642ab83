#pragma once
// A small world for the enemy-weapon tests: a fresh arena, enemies placed by hand, the player
// parked where no weapon reaches, and a media layer that logs every draw.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "arena/arena.h"
#include "enemies/weapons.h"
#include "platform/headless/headless_media.h"
#include "support/draw_log.h"
#include "support/test_game.h"

namespace zarvo::test {

// The draw log, counted by image, and the played waves counted.
struct Logging_Media : Draw_Log_Media {
    using Draw_Log_Media::Draw_Log_Media;
    int count(int index) const {
        int n = 0;
        for (const Draw_Call& d : draws) n += d.index == index;
        return n;
    }
    int waves_of(int index) const { return Waves_Played(*this, index); }
};

struct Weapon_World {
    std::unique_ptr<World> world = std::make_unique<World>();
    Logging_Media media{Test_Assets()};
    Game g{*world, media};

    Weapon_World() {
        world->rng.Seed(12345);
        Reset_Arena(g);
        player_at(0, 0);
    }

    World& w() { return *world; }
    Arena_Grid& occupy() { return world->arena.Occupy_Grid; }
    Enimy_Rec& enemy(int slot) { return world->enemies.Enimy_Table[slot]; }
    Enemy_Weapons& weapons(int slot) { return enemy(slot).Weapons; }

    // An enemy of the type with its block's top-left cell at (col, row).
    Enimy_Rec& place(int slot, int type, int col, int row, int angle = 0) {
        world->level.Enimy_Type[slot] = type;
        Enimy_Rec& e = enemy(slot);
        e = Enimy_Rec{};
        e.Active = true;
        e.Col = col, e.Row = row;
        e.X = Cell_X(col), e.Y = Cell_Y(row);
        e.Angle = e.Angle_Target = e.Turret_Angle = angle;
        for (int c = col; c <= col + 2; ++c)
            for (int r = row; r <= row + 2; ++r)
                if (occupy()(c, r) == No_Code) occupy().set(c, r, Occupy_Body);
        Reset_Enemy_Weapons(g, slot);
        return e;
    }
    // An arena without its edge marks, so only the end of the arena can stop a weapon.
    void remove_edge_marks() {
        for (int c = 1; c <= Arena_Cols; ++c)
            for (int r = 1; r <= Arena_Rows; ++r) occupy().set(c, r, No_Code);
    }
    void player_at(int col, int row) {
        world->player.Ego_Col = col;
        world->player.Ego_Row = row;
    }
    // Answers whether the player was hit since the last call.
    bool hit() {
        const bool was = world->player.Ego_Hit;
        world->player.Ego_Hit = false;
        return was;
    }
    int body_marks() const {
        int n = 0;
        for (int c = 1; c <= Arena_Cols; ++c)
            for (int r = 1; r <= Arena_Rows; ++r)
                n += world->arena.Occupy_Grid(c, r) == Occupy_Body;
        return n;
    }
};

inline bool In_Arena(int col, int row) {
    return col >= 1 && col <= Arena_Cols && row >= 1 && row <= Arena_Rows;
}

// A weapon of `slot` may change that enemy's record, the occupy marks and the player's hit
// flag; the rest of the World must come through untouched.
inline void Expect_Rest_Unchanged(const World& before, const World& after, int slot) {
    for (int s = 0; s <= Roster_Slots; ++s) {
        if (s == slot) continue;
        EXPECT_TRUE(before.enemies.Enimy_Table[s] == after.enemies.Enimy_Table[s]) << "slot " << s;
    }
    EXPECT_TRUE(before.game == after.game);
    EXPECT_TRUE(before.level == after.level);
    EXPECT_TRUE(before.shots == after.shots);
    EXPECT_TRUE(before.effects == after.effects);
    EXPECT_TRUE(before.pilots == after.pilots);
    EXPECT_TRUE(before.hazards == after.hazards);
    EXPECT_TRUE(before.panel == after.panel);
    EXPECT_TRUE(before.screens == after.screens);
    Arena_State arena = after.arena;
    arena.Occupy_Grid = before.arena.Occupy_Grid;
    EXPECT_TRUE(before.arena == arena);
    Player_State p = after.player;
    p.Ego_Hit = before.player.Ego_Hit;
    EXPECT_TRUE(before.player == p);
}

}  // namespace zarvo::test
