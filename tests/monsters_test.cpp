// Monsters: hatching at the Blasters, running along the edge, flying over enemies, dying.
#include "pilots/monsters.h"

#include <gtest/gtest.h>

#include "arena/arena.h"
#include "support/test_game.h"

namespace zarvo {
namespace {

using test::Test_Game;
using test::XY;

struct Monsters : ::testing::Test {
    Test_Game t{4242, false};
    Game& g = t.g;
    World& w = t.w();

    Monsters() {
        Reset_Arena(g);
        w.player.Ego_Col = 0, w.player.Ego_Row = 0;
        w.player.Ego_Step = 0;
        w.level.Weapon_Switch[Switch::Monster_Switch] = 1;
    }
    Monster_Rec& monster(int i = 1) { return w.pilots.Monster_Table[i]; }
    int out() const {
        int n = 0;
        for (int i = 1; i <= Monster_Count; ++i) n += w.pilots.Monster_Table[i].Active;
        return n;
    }
    // A monster walking on the cell (col, row) at the start of a cell move.
    Monster_Rec& put_monster(int col, int row, Monster_Dir dir) {
        Monster_Rec& m = monster();
        m = Monster_Rec{};
        m.Active = true;
        m.Dir = dir;
        m.Col = m.Prev_Col = col, m.Row = m.Prev_Row = row;
        m.X = Cell_X(col) - 8, m.Y = Cell_Y(row) - 16;
        return m;
    }
    void run(int frames) {
        for (int i = 0; i < frames; ++i) Monster_Move(g);
    }
};

TEST_F(Monsters, HatchAtMostOnePerFrameAndEachPlaceEveryTwentyFrames) {
    w.hazards.Blaster[1].Present = true;
    w.hazards.Blaster[3].Present = true;
    int hatched_at[4] = {}, hatches = 0;
    for (int frame = 1; frame <= 23; ++frame) {
        const int before = out();
        Monster_Spawn(g);
        ASSERT_LE(out(), before + 1);
        if (out() > before) hatched_at[hatches++] = frame;
    }
    // Place 1 hatches first; place 3 waits a frame, and again when place 1 takes its turn.
    EXPECT_EQ(hatches, 4);
    EXPECT_EQ(hatched_at[0], 1);
    EXPECT_EQ(hatched_at[1], 2);
    EXPECT_EQ(hatched_at[2], 21);
    EXPECT_EQ(hatched_at[3], 23);
}

TEST_F(Monsters, NoneHatchWhileEightAreOutOrTheBlasterCannot) {
    w.hazards.Blaster[2].Present = true;
    for (int i = 1; i <= Monster_Count; ++i) monster(i).Active = true;
    for (int frame = 0; frame < 25; ++frame) Monster_Spawn(g);
    EXPECT_EQ(out(), 8);
    EXPECT_EQ(w.pilots.Hatch_Timer[2], 5);  // the place keeps counting
    monster(4).Active = false;
    for (int frame = 0; frame < 15; ++frame) Monster_Spawn(g);
    EXPECT_EQ(out(), 7);  // a free record waits for the place's next turn
    Monster_Spawn(g);
    EXPECT_EQ(out(), 8);
    EXPECT_TRUE(monster(4).Active);

    monster(4).Active = false;
    w.hazards.Blaster[2].Dying = true;
    for (int frame = 0; frame < 40; ++frame) Monster_Spawn(g);
    w.hazards.Blaster[2].Dying = false;
    w.player.Ego_Step = 3;
    for (int frame = 0; frame < 40; ++frame) Monster_Spawn(g);
    w.player.Ego_Step = 0;
    w.level.Weapon_Switch[Switch::Monster_Switch] = 0;
    for (int frame = 0; frame < 40; ++frame) Monster_Spawn(g);
    EXPECT_EQ(out(), 7);
}

TEST_F(Monsters, RunAlongTheEdgeLoopInItsOwnDirection) {
    Monster_Rec& m = put_monster(30, 1, Monster_Dir::Up);
    run(8);
    EXPECT_EQ(m.Dir, Monster_Dir::Right);  // the top edge leads right
    EXPECT_EQ(XY(m.Col, m.Row), XY(31, 1));
    EXPECT_EQ(m.Prev_Col, 30);
    EXPECT_EQ(m.X, Cell_X(31) - 8);
    run(8 * 5);  // on to the corner
    EXPECT_EQ(XY(m.Col, m.Row), XY(36, 1));
    run(8);  // and down the right edge
    EXPECT_EQ(m.Dir, Monster_Dir::Down);
    EXPECT_EQ(m.Row, 2);
    EXPECT_FALSE(m.Exploding);
    EXPECT_EQ(m.Image_1, Img2::Monster_Down_1);
}

TEST_F(Monsters, AShotInEitherOfItsTwoCellsHitsIt) {
    for (int which = 0; which < 2; ++which) {
        w.game.Score = 0;
        w.arena.Shot_Grid.fill(No_Code);
        Monster_Rec& m = put_monster(10, 1, Monster_Dir::Right);
        run(8 + 3);  // between cells 11 and 12, having come from 10
        ASSERT_EQ(m.Prev_Col, 10);
        ASSERT_EQ(m.Col, 11);
        w.arena.Shot_Grid.set(which == 0 ? 10 : 11, 1, Shot_Mark);
        run(1);
        EXPECT_TRUE(m.Exploding);
        EXPECT_EQ(w.game.Score, 111);
        EXPECT_EQ(w.arena.Shot_Grid(which == 0 ? 10 : 11, 1), Shot_Mark);  // the shot flies on
        const int32_t x = m.X;
        run(1);
        EXPECT_EQ(m.X, x - 8);
        run(17);
        EXPECT_TRUE(m.Active);
        EXPECT_EQ(m.Explosion_Frame, Ex::Ex_Boy_17);
        run(1);
        EXPECT_FALSE(m.Active);
        EXPECT_EQ(w.game.Score, 111);
    }
}

TEST_F(Monsters, FlyOverAnEnemyOnTheEdgeAndLandAgain) {
    for (int c = 14; c <= 16; ++c) w.arena.Occupy_Grid.set(c, 1, Occupy_Body);
    Monster_Rec& m = put_monster(10, 1, Monster_Dir::Right);
    bool flew_over[40] = {};
    int landed_at = 0;
    for (int frame = 0; frame < 8 * 12 && !landed_at; ++frame) {
        run(1);
        if (m.Flying) flew_over[m.Col] = true;
        if (m.Flying) {
            EXPECT_EQ(m.Image_1, Img2::Monster_Right_Fly_1);
        }
        if (!m.Flying && m.Col > 16) landed_at = m.Col;
    }
    EXPECT_FALSE(flew_over[12]);
    EXPECT_TRUE(flew_over[13]);
    EXPECT_TRUE(flew_over[14]);
    EXPECT_TRUE(flew_over[16]);
    // Airborne from the cell before the enemy until it has flown four cells past it.
    EXPECT_EQ(landed_at, 20);
    EXPECT_EQ(m.Image_1, Img2::Monster_Right_1);
    EXPECT_FALSE(m.Exploding);
}

TEST_F(Monsters, FallsWithoutScoreWhenItsFloorIsCutAway) {
    Monster_Rec& m = put_monster(1, 20, Monster_Dir::Up);
    run(5);
    Set_Floor(w.arena.Floor_Grid, 1, 20, Floor::Gone);
    run(1);
    EXPECT_TRUE(m.Exploding);
    run(19);
    EXPECT_FALSE(m.Active);
    EXPECT_EQ(w.game.Score, 0);
    ASSERT_FALSE(t.media.waves.empty());
    EXPECT_EQ(t.media.waves.back().Index, Wave::Explose_5);
}

TEST_F(Monsters, BurstOnThePlayerAndStopWhenTheLevelIsWon) {
    Monster_Rec& m = put_monster(1, 20, Monster_Dir::Up);
    w.player.Ego_Col = 1, w.player.Ego_Row = 18;
    run(8);
    EXPECT_FALSE(w.player.Ego_Hit);
    run(8);
    EXPECT_TRUE(w.player.Ego_Hit);
    EXPECT_TRUE(m.Exploding);
    EXPECT_EQ(w.game.Score, 0);

    Monster_Rec& n = put_monster(5, 24, Monster_Dir::Left);
    run(3);
    w.game.Well_Done = true;
    const int32_t x = n.X;
    run(30);
    EXPECT_EQ(n.Dir, Monster_Dir::Stopped);
    EXPECT_EQ(n.X, x);
    EXPECT_EQ(n.Image_1, Img2::Monster_Left_1);
    EXPECT_TRUE(n.Active);
    Monster_Reset(g);
    EXPECT_FALSE(n.Active);
}

}  // namespace
}  // namespace zarvo
