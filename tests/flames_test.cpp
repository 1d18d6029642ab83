// The Blaster's flames, blocks and fuses: launch and star burst, the crawl, hurting the player,
// dying at holes, lighting fuses, settling as blocks, and the end bursts.
#include <gtest/gtest.h>

#include "enemies/blaster_flames.h"
#include "enemies/hazard_places.h"
#include "enemies/hazards.h"
#include "hazard_test_support.h"

namespace zarvo::test {
namespace {

// A Blaster on place 8 (cells 9..13 x 15..19, pixel (148, 260)) with its flames switched on.
struct Flame_World : Hazard_World {
    Flame_World() {
        w().hazards.Blaster[8].Present = true;
        Mark_Hazard_Block(g, 8);
        w().level.Weapon_Switch[Switch::Blaster_Flame_Switch] = 1;
    }
    Blaster_Rec& b() { return w().hazards.Blaster[8]; }
    Flame_Rec& flame(int f) { return b().Flame[f]; }
    // The hazard steps of one frame, in the frame loop's order.
    void frame() {
        Blaster_Routine(g);
        Flame_Mover(g);
        Fuse_Mover(g);
        Blaster_Blocker(g);
        Flame_End_Burst(g);
        Fuse_End_Burst(g);
    }
    // Only flame f flies: the others are parked as if bursting, with no end in sight.
    void keep_only(int f) {
        for (int k = 1; k <= Flames_Per_Place; ++k)
            if (k != f) {
                flame(k) = Flame_Rec{};
                flame(k).Flame_Burst = true;
                flame(k).Flame_Burst_Tick = 1;
            }
    }
};

TEST(FlameLaunch, NothingIsLaunchedWithTheSwitchOff) {
    Flame_World h;
    h.w().level.Weapon_Switch[Switch::Blaster_Flame_Switch] = 0;
    for (int i = 0; i < 300; ++i) h.frame();
    for (int f = 1; f <= 4; ++f) EXPECT_FALSE(h.flame(f).Flame_On);
    EXPECT_FALSE(h.b().Star_Burst_On);
    EXPECT_TRUE(h.media.of(Image_List::List_1, Img1::Star_Green).empty());
}

TEST(FlameLaunch, FourFlamesStartFromTheCentreWithTheirTimings) {
    Flame_World h;
    Blaster_Routine(h.g);
    const int32_t dirs[] = {0, 3, 9, 1, 7};
    const int32_t delay_max[] = {0, 49, 59, 69, 79};
    const int32_t life_min[] = {0, 250, 200, 150, 100};
    const int32_t life_max[] = {0, 349, 349, 349, 349};
    for (int f = 1; f <= 4; ++f) {
        const Flame_Rec& fl = h.flame(f);
        EXPECT_TRUE(fl.Flame_On);
        EXPECT_EQ(fl.Flame_Col, 11);
        EXPECT_EQ(fl.Flame_Row, 17);
        EXPECT_EQ(fl.Flame_X, 148 + 28);
        EXPECT_EQ(fl.Flame_Y, 260 + 19);
        EXPECT_EQ(fl.Flame_Dir, dirs[f]);
        EXPECT_GE(fl.Flame_Delay, 10);
        EXPECT_LE(fl.Flame_Delay, delay_max[f]);
        EXPECT_GE(fl.Flame_Life, life_min[f]);
        EXPECT_LE(fl.Flame_Life, life_max[f]);
    }
}

TEST(FlameLaunch, TheFirstFlameToMoveSetsOffEightGreenStars) {
    Flame_World h;
    Blaster_Routine(h.g);
    h.keep_only(1);
    h.flame(1).Flame_Delay = 10;
    h.flame(1).Flame_Life = 1000;
    for (int i = 0; i < 9; ++i) h.frame();
    EXPECT_FALSE(h.b().Star_Burst_On);
    h.frame();  // the tenth frame: the delay is reached
    EXPECT_TRUE(h.b().Star_Burst_On);
    h.media.forget();
    h.frame();  // star tick 1
    EXPECT_TRUE(h.media.played(Wave::Explosion_1));
    std::vector<Drawn> stars = h.media.of(Image_List::List_1, Img1::Star_Green);
    ASSERT_EQ(stars.size(), 8u);
    EXPECT_EQ(stars[0].X, 148 + 30);
    EXPECT_EQ(stars[0].Y, 260 + 30);
    for (int i = 0; i < 29; ++i) h.frame();  // ticks 2..30
    EXPECT_FALSE(h.b().Star_Burst_On);
    EXPECT_EQ(h.b().Star_X[5], 178 + 4 * 28);
    EXPECT_EQ(h.b().Star_Y[6], 290 - 4 * 28);
    EXPECT_EQ(h.b().Star_X[1], 178 + 28);
}

TEST(FlameFlight, CrawlsTwoPixelsAFrameAndACellEveryEight) {
    Flame_World h;
    Blaster_Routine(h.g);
    h.keep_only(1);  // down-right
    Flame_Rec& fl = h.flame(1);
    fl.Flame_Delay = 1;
    fl.Flame_Life = 1000;
    h.media.forget();
    for (int i = 0; i < 8; ++i) h.frame();
    EXPECT_EQ(fl.Flame_X, 176 + 16);
    EXPECT_EQ(fl.Flame_Y, 279 + 16);
    EXPECT_EQ(fl.Flame_Col, 11);  // the cell step comes with the next frame
    h.frame();
    EXPECT_EQ(fl.Flame_Col, 12);
    EXPECT_EQ(fl.Flame_Row, 18);
    // The place's flicker changes image every three crawl frames.
    const std::vector<Drawn> one = h.media.of(Image_List::List_1, Img1::Blaster_Blocker_Flame_1);
    const std::vector<Drawn> two = h.media.of(Image_List::List_1, Img1::Blaster_Blocker_Flame_2);
    EXPECT_EQ(one.size(), 6u);
    EXPECT_EQ(two.size(), 3u);
    EXPECT_EQ(one[0].X, 178);
}

// Starts flame f flying from the given cell with a step due at once.
Flame_Rec& Fly_From(Flame_World& h, int f, int col, int row) {
    Blaster_Routine(h.g);
    h.keep_only(f);
    Flame_Rec& fl = h.flame(f);
    fl.Flame_Col = col;
    fl.Flame_Row = row;
    fl.Flame_Delay = 1;
    fl.Flame_Tick = 5;
    fl.Flame_Life = 1000;
    fl.Flame_Step = 8;
    return fl;
}

TEST(FlameFlight, HurtsThePlayerOnItsCellAndBursts) {
    Flame_World h;
    Flame_Rec& fl = Fly_From(h, 1, 20, 12);
    h.park_player(20, 12);
    Flame_Mover(h.g);
    EXPECT_TRUE(h.w().player.Ego_Hit);
    EXPECT_FALSE(fl.Flame_On);
    EXPECT_TRUE(fl.Flame_Burst);
    EXPECT_EQ(fl.Flame_Col, 20);  // a spent flame does not step on
}

TEST(FlameFlight, DiesOverAHole) {
    Flame_World h;
    Flame_Rec& fl = Fly_From(h, 1, 20, 12);
    h.w().arena.Floor_Grid.set(21, 13, 0);
    Flame_Mover(h.g);
    EXPECT_FALSE(fl.Flame_On);
    EXPECT_TRUE(fl.Flame_Burst);
    EXPECT_FALSE(fl.Flame_Block);
}

TEST(FlameFlight, DiesAtTheEndOfItsLife) {
    Flame_World h;
    Flame_Rec& fl = Fly_From(h, 2, 20, 12);
    fl.Flame_Life = 8;
    fl.Flame_Step = 0;
    Flame_Mover(h.g);
    Flame_Mover(h.g);
    EXPECT_TRUE(fl.Flame_On);
    Flame_Mover(h.g);
    EXPECT_FALSE(fl.Flame_On);
    EXPECT_TRUE(fl.Flame_Burst);
}

TEST(FlameFuses, ATrailCellLightsAFuseOnlyWithTheFuseSwitch) {
    Flame_World h;
    Flame_Rec& fl = Fly_From(h, 3, 20, 12);  // down-left onto (19, 13)
    h.w().arena.Way_Grid.set(19, 13, Dir::Right);
    Flame_Mover(h.g);
    EXPECT_TRUE(fl.Flame_On);  // crosses the trail without effect
    EXPECT_FALSE(h.w().hazards.Fuse[1].Fuse_On);

    Flame_World k;
    Flame_Rec& lit = Fly_From(k, 3, 20, 12);
    k.w().arena.Way_Grid.set(19, 13, Dir::Right);
    k.w().level.Weapon_Switch[Switch::Fuse_Switch] = 1;
    Flame_Mover(k.g);
    EXPECT_FALSE(lit.Flame_On);
    EXPECT_FALSE(lit.Flame_Burst);
    EXPECT_TRUE(k.media.played(Wave::Warning));
    const Fuse_Rec& fuse = k.w().hazards.Fuse[1];
    EXPECT_TRUE(fuse.Fuse_On);
    EXPECT_FALSE(fuse.Fuse_Done);
    EXPECT_EQ(fuse.Fuse_Col, 19);
    EXPECT_EQ(fuse.Fuse_Row, 13);
    EXPECT_EQ(fuse.Fuse_X, lit.Flame_X);
}

TEST(FlameFuses, NeverLightsAFourthFuse) {
    Flame_World h;
    h.w().level.Weapon_Switch[Switch::Fuse_Switch] = 1;
    h.w().hazards.Fuse[1].Fuse_On = true;
    h.w().hazards.Fuse[3].Fuse_On = true;
    Fly_From(h, 1, 20, 12);
    h.w().arena.Way_Grid.set(21, 13, Dir::Down);
    Flame_Mover(h.g);
    EXPECT_TRUE(h.w().hazards.Fuse[2].Fuse_On);  // the first free one

    Flame_World k;
    k.w().level.Weapon_Switch[Switch::Fuse_Switch] = 1;
    for (int f = 1; f <= 3; ++f) k.w().hazards.Fuse[f].Fuse_On = true;
    k.w().hazards.Fuse[2].Fuse_Col = 30;
    Flame_Rec& late = Fly_From(k, 1, 20, 12);
    k.w().arena.Way_Grid.set(21, 13, Dir::Down);
    Flame_Mover(k.g);
    EXPECT_TRUE(late.Flame_On);  // flies on over the trail
    EXPECT_FALSE(k.media.played(Wave::Warning));
    EXPECT_EQ(k.w().hazards.Fuse[2].Fuse_Col, 30);
}

TEST(FlameBlocks, AFlameReachingTheEdgeSettlesAndBarsTheCell) {
    Flame_World h;
    Flame_Rec& fl = Fly_From(h, 1, 34, 23);  // down-right onto the edge cell (35, 24)
    h.frame();
    EXPECT_FALSE(fl.Flame_On);
    EXPECT_TRUE(fl.Flame_Block);
    EXPECT_FALSE(fl.Flame_Burst);
    EXPECT_TRUE(h.media.played(Wave::Cracker));
    EXPECT_EQ(h.w().arena.Blocker_Grid(35, 24), Blocker_Mark);
    const std::vector<Drawn> blocks = h.media.of(Image_List::List_1, Img1::Blaster_Blocker);
    ASSERT_EQ(blocks.size(), 1u);
}

// Flame f settled as a block on the edge cell (col, row).
Flame_Rec& Settle_Block(Flame_World& h, int f, int col, int row) {
    Blaster_Routine(h.g);
    h.keep_only(f);
    Flame_Rec& fl = h.flame(f);
    fl.Flame_On = false;
    fl.Flame_Block = true;
    fl.Flame_Col = col;
    fl.Flame_Row = row;
    fl.Flame_Tick = 100;
    fl.Flame_Life = 200;
    h.w().arena.Blocker_Grid.set(col, row, Blocker_Mark);
    return fl;
}

TEST(FlameBlocks, AShotBlockGivesOneHundredElevenPoints) {
    Flame_World h;
    Flame_Rec& fl = Settle_Block(h, 2, 20, 1);
    h.w().arena.Shot_Grid.set(20, 1, Shot_Mark);
    Blaster_Blocker(h.g);
    EXPECT_EQ(h.w().game.Score, 111);
    EXPECT_FALSE(fl.Flame_Block);
    EXPECT_TRUE(fl.Flame_Burst);
    EXPECT_EQ(h.w().arena.Blocker_Grid(20, 1), No_Code);
}

TEST(FlameBlocks, SpentAndWaitingSlotsAreNoTargets) {
    Flame_World h;
    Flame_Rec& block = Settle_Block(h, 2, 20, 1);
    // A flame that died where the block now stands keeps that cell as its last.
    Flame_Rec& spent = h.flame(3);
    spent = Flame_Rec{};
    spent.Flame_Col = 20;
    spent.Flame_Row = 1;
    h.w().arena.Shot_Grid.set(20, 1, Shot_Mark);
    // Waiting flames sit hidden in their Blaster's centre, where a shot may pass.
    h.flame(1) = Flame_Rec{};
    h.flame(1).Flame_On = true;
    h.flame(1).Flame_Delay = 50;
    h.flame(1).Flame_Col = 11;
    h.flame(1).Flame_Row = 17;
    h.w().arena.Shot_Grid.set(11, 17, Shot_Mark);
    Blaster_Blocker(h.g);
    EXPECT_EQ(h.w().game.Score, 111);  // the block only
    EXPECT_FALSE(spent.Flame_Burst);
    EXPECT_TRUE(h.flame(1).Flame_On);
    EXPECT_FALSE(block.Flame_Block);
}

TEST(FlameBlocks, BurnsOutFiftyFramesAfterItsLife) {
    Flame_World h;
    Flame_Rec& fl = Settle_Block(h, 1, 36, 10);
    for (int i = 0; i < 149; ++i) Blaster_Blocker(h.g);
    EXPECT_TRUE(fl.Flame_Block);
    EXPECT_EQ(h.w().arena.Blocker_Grid(36, 10), Blocker_Mark);
    Blaster_Blocker(h.g);
    EXPECT_FALSE(fl.Flame_Block);
    EXPECT_TRUE(fl.Flame_Burst);
    EXPECT_EQ(h.w().arena.Blocker_Grid(36, 10), No_Code);
}

TEST(FlameBlocks, FallsWithItsTile) {
    Flame_World h;
    Flame_Rec& fl = Settle_Block(h, 4, 1, 10);
    h.w().arena.Floor_Grid.set(1, 10, 0);
    Blaster_Blocker(h.g);
    EXPECT_FALSE(fl.Flame_Block);
    EXPECT_EQ(h.w().arena.Blocker_Grid(1, 10), No_Code);
    EXPECT_EQ(h.w().game.Score, 0);
}

TEST(FlameBlocks, KeepBurningAfterTheirBlasterIsGone) {
    Flame_World h;
    Flame_Rec& fl = Settle_Block(h, 1, 20, 24);
    h.b().Present = false;
    h.b().Exploding = true;
    Blaster_Blocker(h.g);
    EXPECT_EQ(fl.Flame_Tick, 101);
    EXPECT_EQ(h.media.of(Image_List::List_1, Img1::Blaster_Blocker).size(), 1u);
}

// A trail from (10, 1) down column 10 to row 8, then right along row 8 towards the player.
void Lay_Trail(World& w) {
    for (int r = 2; r <= 7; ++r) w.arena.Way_Grid.set(10, r, Dir::Down);
    w.arena.Way_Grid.set(10, 8, Dir::DownRight);
    for (int c = 11; c <= 15; ++c) w.arena.Way_Grid.set(c, 8, Dir::Right);
}

Fuse_Rec& Light_At(World& w, int col, int row) {
    Fuse_Rec& fuse = w.hazards.Fuse[1];
    fuse = Fuse_Rec{};
    fuse.Fuse_On = true;
    fuse.Fuse_Col = col;
    fuse.Fuse_Row = row;
    fuse.Fuse_X = 100;
    fuse.Fuse_Y = 50;
    return fuse;
}

TEST(Fuses, BurnAlongTheTrailToThePlayer) {
    Hazard_World h;
    Lay_Trail(h.w());
    h.park_player(16, 8);
    Fuse_Rec& fuse = Light_At(h.w(), 10, 6);
    for (int i = 0; i < 4; ++i) Fuse_Mover(h.g);
    EXPECT_EQ(fuse.Fuse_Row, 7);
    EXPECT_EQ(fuse.Fuse_Y, 66);
    for (int i = 0; i < 8; ++i) Fuse_Mover(h.g);
    EXPECT_EQ(fuse.Fuse_Col, 11);  // turned the corner
    EXPECT_EQ(fuse.Fuse_Row, 8);
    EXPECT_EQ(fuse.Fuse_X, 116);
    int frames = 0;
    while (!fuse.Fuse_Done && frames++ < 100) Fuse_Mover(h.g);
    EXPECT_EQ(frames, 21);  // five cells of four frames, then the hit
    EXPECT_TRUE(h.w().player.Ego_Hit);
    EXPECT_TRUE(h.media.played(Wave::Explose_3));
    EXPECT_EQ(fuse.Fuse_Col, 16);
}

TEST(Fuses, GoOutOverAHoleOrAShotWithoutPoints) {
    Hazard_World h;
    Lay_Trail(h.w());
    Fuse_Rec& fuse = Light_At(h.w(), 10, 4);
    h.w().arena.Shot_Grid.set(10, 4, Shot_Mark);
    Fuse_Mover(h.g);
    EXPECT_TRUE(fuse.Fuse_Done);
    EXPECT_EQ(h.w().game.Score, 0);
    EXPECT_FALSE(h.w().player.Ego_Hit);

    Fuse_Rec& fallen = Light_At(h.w(), 10, 4);
    h.w().arena.Shot_Grid.set(10, 4, No_Code);
    h.w().arena.Floor_Grid.set(10, 4, 0);
    Fuse_Mover(h.g);
    EXPECT_TRUE(fallen.Fuse_Done);
}

TEST(Fuses, KeepTheirLastDirectionWhereTheTrailIsGone) {
    Hazard_World h;
    Lay_Trail(h.w());
    Fuse_Rec& fuse = Light_At(h.w(), 13, 8);
    h.w().arena.Way_Grid.fill(No_Code);
    fuse.Fuse_Dir = Dir::Right;
    for (int i = 0; i < 8; ++i) Fuse_Mover(h.g);
    EXPECT_EQ(fuse.Fuse_Col, 15);
}

TEST(EndBursts, EightShardsSpinForThirtyEightFrames) {
    Flame_World h;
    Flame_Rec& fl = h.flame(2);
    fl = Flame_Rec{};
    fl.Flame_Burst = true;
    fl.Flame_X = 200;
    fl.Flame_Y = 100;
    Flame_End_Burst(h.g);
    EXPECT_TRUE(h.media.played(Wave::Explose_3));
    ASSERT_EQ(h.media.draws.size(), 8u);
    EXPECT_EQ(h.media.draws[0].X, 206);
    EXPECT_EQ(h.media.draws[0].Width, 14);  // 13 x 10, grown on the first tick
    EXPECT_EQ(h.media.draws[0].Height, 11);
    EXPECT_EQ(h.media.draws[4].Index, Img1::Blaster_Blocker_Ex_1);
    for (int i = 0; i < 37; ++i) Flame_End_Burst(h.g);
    EXPECT_TRUE(fl.Flame_Burst);
    EXPECT_EQ(h.media.draws.size(), 38u * 8);
    EXPECT_EQ(h.media.draws.back().Width, 13 + 10 - 15);
    // Shard 1 flies down-right, shard 2 up-left.
    EXPECT_GT(fl.Shards.Shard_X[1], 206 + 37);
    EXPECT_LT(fl.Shards.Shard_Y[2], 106 - 37 * 1 + 1);
    Flame_End_Burst(h.g);
    EXPECT_FALSE(fl.Flame_Burst);
    EXPECT_EQ(h.media.draws.size(), 38u * 8);
}

TEST(EndBursts, AFuseBurstFreesItsRecord) {
    Hazard_World h;
    Fuse_Rec& fuse = Light_At(h.w(), 10, 4);
    fuse.Fuse_Done = true;
    Fuse_End_Burst(h.g);
    ASSERT_EQ(h.media.draws.size(), 8u);
    EXPECT_EQ(h.media.draws[0].Width, 11);  // 10 x 16, grown once
    EXPECT_EQ(h.media.draws[0].Height, 17);
    for (int i = 0; i < 38; ++i) Fuse_End_Burst(h.g);
    EXPECT_FALSE(fuse.Fuse_On);
    EXPECT_FALSE(fuse.Fuse_Done);
    EXPECT_EQ(fuse.Fuse_Burst_Tick, 0);
}

}  // namespace
}  // namespace zarvo::test
