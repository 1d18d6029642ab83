// The Blaster's flames, blocks and fuses.
#include <gtest/gtest.h>

#include "hazards/hazard_places.h"
#include "hazards/hazards.h"
#include "support/hazard_world.h"

namespace zarvo::test {
namespace {

// A Blaster on place 8 (cells 9..13 x 15..19, pixel (148, 260)) with its flames switched on.
struct Flame_World : Hazard_World {
    Flame_World() {
        w().hazards.Blaster[8].Present = true;
        Mark_Hazard_Block(g, 8);
        w().level.Weapon_Switch[Switch::Blaster_Flame_Switch] = 1;
    }
    Flame_Rec& flame(int f) { return w().hazards.Blaster[8].Flame[f]; }
    void frame() {
        Blaster_Routine(g);
        Flame_Mover(g);
        Fuse_Mover(g);
        Blaster_Blocker(g);
        Flame_End_Burst(g);
        Fuse_End_Burst(g);
    }
    // Launches the flames, then lets only flame f fly from (col, row), a cell step due.
    Flame_Rec& fly(int f, int col, int row) {
        Blaster_Routine(g);
        for (int k = 1; k <= Flames_Per_Place; ++k) flame(k).Flame_On = k == f;
        Flame_Rec& fl = flame(f);
        fl.Flame_Col = col, fl.Flame_Row = row;
        fl.Flame_Delay = 1, fl.Flame_Tick = 5, fl.Flame_Life = 1000, fl.Flame_Step = 8;
        return fl;
    }
};

TEST(Flames, NothingIsLaunchedWithTheFlameSwitchOff) {
    Flame_World h;
    h.w().level.Weapon_Switch[Switch::Blaster_Flame_Switch] = 0;
    for (int i = 0; i < 300; ++i) h.frame();
    for (int f = 1; f <= 4; ++f) EXPECT_FALSE(h.flame(f).Flame_On);
    EXPECT_EQ(h.media.draws.size(), 300u);  // the Blaster alone
}

TEST(Flames, CrawlTwoPixelsAFrameAndStepACellEveryEight) {
    Flame_World h;
    Flame_Rec& fl = h.fly(1, 11, 17);  // down-right from the centre
    fl.Flame_Step = 0;
    const int x = fl.Flame_X;
    for (int i = 0; i < 8; ++i) Flame_Mover(h.g);
    EXPECT_EQ(fl.Flame_X, x + 16);
    EXPECT_EQ(fl.Flame_Col, 11);  // the cell follows with the next frame
    Flame_Mover(h.g);
    EXPECT_EQ(std::tuple(fl.Flame_Col, fl.Flame_Row), std::tuple(12, 18));
}

TEST(Flames, BurnThePlayerAndDieOverHoles) {
    Flame_World h;
    Flame_Rec& fl = h.fly(1, 20, 12);
    const int x = fl.Flame_X;
    h.park_player(20, 12);
    Flame_Mover(h.g);
    EXPECT_TRUE(h.w().player.Ego_Hit);
    EXPECT_TRUE(fl.Flame_Burst);
    EXPECT_FALSE(fl.Flame_On);
    EXPECT_EQ(fl.Flame_Tick, 6);  // spent, its frame still counts and its due step is taken
    EXPECT_EQ(fl.Flame_Col, 21);
    EXPECT_EQ(fl.Flame_Row, 13);
    EXPECT_EQ(fl.Flame_X, x);
    Flame_Mover(h.g);
    EXPECT_EQ(fl.Flame_Tick, 6);

    // A burnt flame whose step lands on the edge still settles there.
    Flame_Rec& edge = h.fly(2, 19, 2);  // up-right onto (20, 1)
    h.park_player(19, 2);
    Flame_Mover(h.g);
    EXPECT_TRUE(h.w().player.Ego_Hit);
    EXPECT_TRUE(edge.Flame_Burst);
    EXPECT_TRUE(edge.Flame_Block);
    EXPECT_EQ(h.w().arena.Blocker_Grid(20, 1), Blocker_Mark);

    Flame_Rec& fallen = h.fly(2, 20, 12);
    Set_Floor(h.w().arena.Floor_Grid, 21, 11, Floor::Gone);
    Flame_Mover(h.g);
    EXPECT_FALSE(fallen.Flame_On);
    EXPECT_TRUE(fallen.Flame_Burst);
}

TEST(Flames, LightAFuseOnTheTrailOnlyWithTheFuseSwitchAndNeverAFourth) {
    Flame_World h;
    Flame_Rec& fl = h.fly(3, 20, 12);  // down-left onto (19, 13)
    Set_Dir(h.w().arena.Way_Grid, 19, 13, Dir::Right);
    Flame_Mover(h.g);
    EXPECT_TRUE(fl.Flame_On);  // crosses the trail without effect
    EXPECT_FALSE(h.w().hazards.Fuse[1].Fuse_On);

    h.w().level.Weapon_Switch[Switch::Fuse_Switch] = 1;
    h.w().hazards.Fuse[1].Fuse_On = true;
    Flame_Rec& lit = h.fly(3, 20, 12);
    Flame_Mover(h.g);
    EXPECT_FALSE(lit.Flame_On);
    EXPECT_FALSE(lit.Flame_Burst);
    EXPECT_TRUE(h.media.played(Wave::Warning));
    const Fuse_Rec& fuse = h.w().hazards.Fuse[2];  // the first free one
    EXPECT_TRUE(fuse.Fuse_On);
    EXPECT_EQ(fuse.Fuse_Col, 19);
    EXPECT_EQ(fuse.Fuse_X, lit.Flame_X);

    h.w().hazards.Fuse[3].Fuse_On = true;
    Flame_Rec& late = h.fly(3, 20, 12);
    Flame_Mover(h.g);
    EXPECT_TRUE(late.Flame_On);  // all three burn: it flies on
}

TEST(Flames, BurstAtTheEndOfTheirLifeAlsoWhenTheyJustSettledOrLitAFuse) {
    Flame_World h;
    Flame_Rec& block = h.fly(2, 19, 2);  // up-right onto the edge cell (20, 1)
    block.Flame_Life = block.Flame_Tick + 1;
    Flame_Mover(h.g);
    EXPECT_TRUE(block.Flame_Block);
    EXPECT_TRUE(block.Flame_Burst);

    h.w().level.Weapon_Switch[Switch::Fuse_Switch] = 1;
    Flame_Rec& lit = h.fly(3, 20, 12);  // down-left onto the trail cell (19, 13)
    Set_Dir(h.w().arena.Way_Grid, 19, 13, Dir::Right);
    lit.Flame_Life = lit.Flame_Tick + 1;
    Flame_Mover(h.g);
    EXPECT_TRUE(h.w().hazards.Fuse[1].Fuse_On);
    EXPECT_TRUE(lit.Flame_Burst);
    Flame_End_Burst(h.g);
    EXPECT_EQ(Waves_Played(h.media, Wave::Explose_3), 2);
}

// Flame f settled as a block on the edge cell (col, row).
Flame_Rec& Settle(Flame_World& h, int f, int col, int row) {
    Flame_Rec& fl = h.fly(f, col - 1, row + 1);  // up-right onto (col, row)
    fl.Flame_Dir = Flame_Dir::Up_Right;
    Flame_Mover(h.g);
    return fl;
}

TEST(Blocks, SettleOnTheEdgeAndGiveOneHundredElevenPointsWhenShot) {
    Flame_World h;
    Flame_Rec& fl = Settle(h, 2, 20, 1);
    EXPECT_TRUE(fl.Flame_Block);
    EXPECT_TRUE(h.media.played(Wave::Cracker));
    EXPECT_EQ(h.w().arena.Blocker_Grid(20, 1), Blocker_Mark);
    // A spent slot whose last cell is the block's is hit as well, but the mark is the block's.
    Flame_Rec& spent = h.flame(3);
    spent = Flame_Rec{};
    spent.Flame_Col = 20, spent.Flame_Row = 1;
    h.w().arena.Shot_Grid.set(20, 1, Shot_Mark);
    h.w().arena.Blocker_Grid.set(30, 1, Blocker_Mark);
    h.flame(4).Flame_Col = 30, h.flame(4).Flame_Row = 1;  // a waiting flame, no block
    h.w().arena.Shot_Grid.set(30, 1, Shot_Mark);
    Blaster_Blocker(h.g);
    EXPECT_EQ(h.w().game.Score, 3 * 111);
    EXPECT_FALSE(fl.Flame_Block);
    EXPECT_TRUE(fl.Flame_Burst);
    EXPECT_TRUE(spent.Flame_Burst);
    EXPECT_TRUE(h.flame(4).Flame_Burst);
    EXPECT_EQ(h.w().arena.Blocker_Grid(20, 1), No_Code);
    EXPECT_EQ(h.w().arena.Blocker_Grid(30, 1), Blocker_Mark);
}

TEST(Blocks, AShotAtTheBlasterBurstsItsWaitingFlamesButNoPlaceWithoutOne) {
    Flame_World h;
    h.frame();  // launched, waiting in the centre cell (11, 17)
    ASSERT_TRUE(h.flame(1).Flame_On);
    ASSERT_LT(h.flame(1).Flame_Tick, h.flame(1).Flame_Delay);
    Flame_Rec& stray = h.w().hazards.Blaster[3].Flame[1];  // a place with no Blaster
    stray.Flame_Col = 11, stray.Flame_Row = 17;
    h.w().arena.Shot_Grid.set(11, 17, Shot_Mark);
    Blaster_Blocker(h.g);
    EXPECT_EQ(h.w().game.Score, 4 * 111);
    for (int f = 1; f <= 4; ++f) {
        EXPECT_TRUE(h.flame(f).Flame_Burst) << f;
        EXPECT_FALSE(h.flame(f).Flame_On) << f;
    }
    EXPECT_FALSE(stray.Flame_Burst);
}

TEST(Blocks, BurnOutFiftyFramesAfterTheirLifeOrFallWithTheirTile) {
    Flame_World h;
    Flame_Rec& fl = Settle(h, 1, 20, 1);
    fl.Flame_Tick = 100, fl.Flame_Life = 200;
    for (int i = 0; i < 149; ++i) Blaster_Blocker(h.g);
    EXPECT_TRUE(fl.Flame_Block);
    Blaster_Blocker(h.g);
    EXPECT_FALSE(fl.Flame_Block);
    EXPECT_EQ(h.w().arena.Blocker_Grid(20, 1), No_Code);

    Flame_Rec& fallen = Settle(h, 4, 30, 1);
    Set_Floor(h.w().arena.Floor_Grid, 30, 1, Floor::Gone);
    Blaster_Blocker(h.g);
    EXPECT_FALSE(fallen.Flame_Block);
    EXPECT_EQ(h.w().game.Score, 0);
}

TEST(Fuses, BurnAlongTheTrailToThePlayer) {
    Hazard_World h;
    for (int r = 2; r <= 7; ++r) Set_Dir(h.w().arena.Way_Grid, 10, r, Dir::Down);
    Set_Dir(h.w().arena.Way_Grid, 10, 8, Dir::DownRight);
    for (int c = 11; c <= 15; ++c) Set_Dir(h.w().arena.Way_Grid, c, 8, Dir::Right);
    h.park_player(16, 8);
    Fuse_Rec& fuse = h.w().hazards.Fuse[1];
    fuse.Fuse_On = true;
    fuse.Fuse_Col = 10, fuse.Fuse_Row = 6;
    int frames = 0;
    while (!fuse.Fuse_Done && frames++ < 100) Fuse_Mover(h.g);
    EXPECT_EQ(frames, 33);  // eight cells of four frames, then the hit
    EXPECT_TRUE(h.w().player.Ego_Hit);
    EXPECT_TRUE(h.media.played(Wave::Explose_3));

    fuse = Fuse_Rec{};
    fuse.Fuse_On = true;
    fuse.Fuse_Col = 10, fuse.Fuse_Row = 4;
    h.park_player(16, 8);
    h.w().arena.Shot_Grid.set(10, 4, Shot_Mark);
    Fuse_Mover(h.g);
    EXPECT_TRUE(fuse.Fuse_Done);  // a shot puts it out, without points
    EXPECT_FALSE(h.w().player.Ego_Hit);
    EXPECT_EQ(h.w().game.Score, 0);
}

TEST(EndBursts, EightShardsSpinForThirtyEightFramesThenFreeTheRecord) {
    Hazard_World h;
    Fuse_Rec& fuse = h.w().hazards.Fuse[1];
    fuse.Fuse_On = fuse.Fuse_Done = true;
    fuse.Fuse_X = 200, fuse.Fuse_Y = 100;
    for (int i = 0; i < 38; ++i) Fuse_End_Burst(h.g);
    ASSERT_EQ(h.media.draws.size(), 38u * 8);
    EXPECT_EQ(h.media.draws[0].x, 206);
    EXPECT_EQ(h.media.draws[0].width, 11);  // 10 x 16, grown on the first tick
    EXPECT_EQ(h.media.draws.back().height, 16 + 10 - 15);
    EXPECT_GT(fuse.Shards.Shard_X[1], 206 + 36);  // shard 1 flies down-right
    EXPECT_TRUE(fuse.Fuse_On);
    Fuse_End_Burst(h.g);
    EXPECT_FALSE(fuse.Fuse_On);
    EXPECT_FALSE(fuse.Fuse_Done);
    EXPECT_EQ(h.media.draws.size(), 38u * 8);
}

}  // namespace
}  // namespace zarvo::test
