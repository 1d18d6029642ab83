// The Blaster: placement on the twelve places, the thunder beams, the kill by a cut.
#include <gtest/gtest.h>

#include "hazards/hazard_places.h"
#include "hazards/hazards.h"
#include "support/hazard_world.h"

namespace zarvo::test {
namespace {

int Blasters_Standing(const World& w) {
    int n = 0;
    for (int p = 1; p <= Hazard_Places; ++p) n += w.hazards.Blaster[p].Present;
    return n;
}

TEST(BlasterPlacement, NeverPutsTwoHazardsSideBySideInARow) {
    for (uint32_t seed = 1; seed <= 200; ++seed) {
        Hazard_World h(seed);
        h.w().hazards.Pyr[2].Present = h.w().hazards.Pyr[9].Present = true;
        Blaster_Setup(h.g, 4);
        for (int p = 1; p < Hazard_Places; ++p)
            if (p != 6 && Hazard_Stands(h.w(), p)) {
                EXPECT_FALSE(Hazard_Stands(h.w(), p + 1)) << "seed " << seed << " place " << p;
            }
        EXPECT_EQ(h.w().game.Enimy_Count, Blasters_Standing(h.w()));
    }
    World w;
    w.hazards.Blaster[6].Present = true;
    EXPECT_TRUE(Place_Is_Free(w, 7));  // the rows do not touch
}

TEST(BlasterPlacement, GivesUpAfterAHundredRefusals) {
    Hazard_World h;
    for (int p : {2, 5, 8, 11}) h.w().hazards.Pyr[p].Present = true;  // no place is left
    h.w().game.Enimy_Count = 3;
    Rng expected = h.w().rng;
    for (int i = 0; i < Hazard_Places + 101; ++i) expected.Random(50);  // intervals, refusals
    Blaster_Setup(h.g, 4);
    EXPECT_EQ(Blasters_Standing(h.w()), 0);
    EXPECT_EQ(h.w().game.Enimy_Count, 3);
    EXPECT_EQ(h.w().rng, expected);
}

TEST(BlasterPlacement, MarksItsBlockAsALoopAgainstTheArenasDirection) {
    Hazard_World h;
    Mark_Hazard_Block(h.g, 8);  // cells 9..13 x 15..19
    const Arena_State& a = h.w().arena;
    EXPECT_EQ(a.Occupy_Grid(13, 19), Occupy_Body);
    EXPECT_EQ(a.Occupy_Grid(14, 19), No_Code);
    EXPECT_EQ(Dir_At(a.Enimy_Edge_Grid, 11, 15), Dir::Left);
    EXPECT_EQ(Dir_At(a.Enimy_Edge_Grid, 13, 17), Dir::Up);
    EXPECT_EQ(Dir_At(a.Enimy_Edge_Grid, 9, 15), Dir::LeftDown);
    EXPECT_EQ(Dir_At(a.Enimy_Edge_Grid, 13, 19), Dir::RightUp);
    EXPECT_EQ(a.Enimy_Edge_Grid(11, 17), No_Code);
}

Blaster_Rec& Stand_Blaster(Hazard_World& h, int place) {
    Blaster_Rec& b = h.w().hazards.Blaster[place];
    b.Present = true;
    Mark_Hazard_Block(h.g, place);
    return b;
}

TEST(BlasterThunder, FiresOnlyWithItsSwitchAndNeverTheSameWayTwice) {
    Hazard_World h;
    Blaster_Rec& b = Stand_Blaster(h, 3);
    b.Thunder_Interval = 5;
    for (int i = 0; i < 50; ++i) Blaster_Routine(h.g);
    EXPECT_FALSE(b.Thunder_On);
    h.w().level.Weapon_Switch[Switch::Blaster_Thunder_Switch] = 1;
    Rng next = h.w().rng;
    b.Last_Dir = Thunder_Direction_Of(next.Random(4) + 1);  // the coming draw repeats it
    for (int i = 0; i < 5; ++i) Blaster_Routine(h.g);
    EXPECT_FALSE(b.Thunder_On);
    b.Last_Dir = Thunder_Direction::None;
    for (int i = 0; i < 5; ++i) Blaster_Routine(h.g);
    EXPECT_TRUE(b.Thunder_On);
}

// Fires a full beam and answers the ticks on which the player on (col, row) was hit.
std::vector<int> Beam_Hits(Hazard_World& h, int place, Thunder_Direction dir, int col, int row) {
    Blaster_Rec& b = h.w().hazards.Blaster[place];
    b.Thunder_On = true;
    b.Thunder_Dir = dir;
    b.Thunder_Tick = 0;
    std::vector<int> hits;
    for (int tick = 1; tick <= 27; ++tick) {
        h.park_player(col, row);
        Blast_Thunder(h.g);
        if (h.w().player.Ego_Hit) hits.push_back(tick);
    }
    return hits;
}

TEST(BlasterThunder, HitsFourCellsInTheBeamsDirectionOnTicksOneToTwentySix) {
    Hazard_World h;
    Stand_Blaster(h, 8);  // cells 9..13 x 15..19
    using enum Thunder_Direction;
    struct Beam_Case {
        Thunder_Direction dir;
        int col, row;
    };
    const Beam_Case hit[] = {{Right, 17, 16}, {Up, 10, 11}, {Left, 5, 18}, {Down, 12, 23}};
    const Beam_Case miss[] = {{Right, 18, 16}, {Up, 10, 10}, {Left, 8, 17}, {Down, 12, 24}};
    for (const Beam_Case& c : hit) {
        const std::vector<int> ticks = Beam_Hits(h, 8, c.dir, c.col, c.row);
        ASSERT_EQ(ticks.size(), 26u) << testing::PrintToString(c.dir);
        EXPECT_EQ(ticks.back(), 26);
    }
    for (const Beam_Case& c : miss)
        EXPECT_TRUE(Beam_Hits(h, 8, c.dir, c.col, c.row).empty()) << testing::PrintToString(c.dir);
}

TEST(BlasterThunder, ABeamToTheRightFromPlaceSixEndsAtTheArenasBorder) {
    Hazard_World h;
    Stand_Blaster(h, 6);  // cells 29..33 x 6..10; the beam tests 34..37 of row 7
    EXPECT_EQ(Beam_Hits(h, 6, Thunder_Direction::Right, 36, 7).size(), 26u);
    EXPECT_TRUE(Beam_Hits(h, 6, Thunder_Direction::Right, 37, 7).empty());
}

TEST(BlasterThunder, HitsOnTheFirstTickBeforeAnythingIsDrawn) {
    Hazard_World h;
    Blaster_Rec& b = Stand_Blaster(h, 2);  // pixel (148, 116)
    b.Thunder_On = true;
    b.Thunder_Dir = Thunder_Direction::Up;
    h.park_player(10, 5);
    Blast_Thunder(h.g);
    EXPECT_TRUE(h.w().player.Ego_Hit);
    EXPECT_TRUE(h.media.played(Wave::Laser));
    EXPECT_TRUE(h.media.draws.empty());
    for (int i = 0; i < 11; ++i) Blast_Thunder(h.g);  // tick 12 shows frame 6
    EXPECT_EQ(h.media.draws.size(), 11u);
    EXPECT_EQ(h.media.draws.back().index, Img2::Blast_Thunder_Up_6);
    EXPECT_EQ(h.media.draws.back().x, 148 + 11);
    EXPECT_EQ(h.media.draws.back().y, 116 - 126);
}

void Blaster_Frame(Hazard_World& h) {
    Blaster_Routine(h.g);
    Blaster_Explosion(h.g);
    Blaster_Kill_Sequence(h.g);
}

TEST(BlasterDeath, CuttingTheTopLeftTileDestroysIt) {
    Hazard_World h;
    Blaster_Rec& b = Stand_Blaster(h, 4);  // pixel (308, 116), cell (19, 6)
    h.w().game.Enimy_Count = 1;
    Set_Floor(h.w().arena.Floor_Grid, 20, 7,
              Floor::Gone);  // another cell of the block is not enough
    Blaster_Frame(h);
    EXPECT_FALSE(b.Dying);
    Set_Floor(h.w().arena.Floor_Grid, 19, 6, Floor::Gone);
    Blaster_Frame(h);
    EXPECT_TRUE(b.Dying);
    for (int i = 0; i < 100 && b.Dying; ++i) Blaster_Frame(h);
    EXPECT_EQ(h.media.of(Img1::Target).back().x, 308 + 39 - 11);
    EXPECT_EQ(h.media.of(Img1::Triangel).back().width, 28);
    EXPECT_FALSE(b.Present);
    EXPECT_EQ(h.w().game.Score, 0);
    Blaster_Frame(h);
    EXPECT_EQ(h.w().game.Score, 888);  // on the first explosion tick
    for (int i = 0; i < 36; ++i) Blaster_Frame(h);
    EXPECT_EQ(h.w().game.Enimy_Count, 1);
    Blaster_Frame(h);
    EXPECT_EQ(h.w().game.Enimy_Count, 0);
    EXPECT_EQ(h.media.of(Ex::A_Ex_37).size(), 1u);
    for (int i = 0; i < 100; ++i) Blaster_Frame(h);
    EXPECT_EQ(h.w().game.Enimy_Count, 0);
}

TEST(BlasterDeath, ABeamRunningFromTheLastLevelIsClearedBySetUp) {
    Hazard_World h;
    Blaster_Rec& old = h.w().hazards.Blaster[3];
    old.Thunder_On = true;
    old.Thunder_Tick = 12;
    Blaster_Setup(h.g, 0);
    old.Present = true;
    Blast_Thunder(h.g);
    EXPECT_FALSE(old.Thunder_On);
    EXPECT_TRUE(h.media.draws.empty());
}

}  // namespace
}  // namespace zarvo::test
