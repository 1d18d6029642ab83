// The Blaster: placement on the twelve places, its block marks, the thunder beams, the kill
// sequence and the explosion.
#include <gtest/gtest.h>

#include "enemies/hazard_places.h"
#include "enemies/hazards.h"
#include "hazard_test_support.h"

namespace zarvo::test {
namespace {

// Neighbouring places of one row: (1,2)..(5,6) and (7,8)..(11,12).
bool Side_By_Side(int a, int b) {
    return b == a + 1 && a != 6;
}

void Expect_No_Neighbours(const World& w) {
    for (int p = 1; p < Hazard_Places; ++p)
        if (Hazard_Stands(w, p) && Hazard_Stands(w, p + 1))
            EXPECT_FALSE(Side_By_Side(p, p + 1)) << "places " << p << " and " << p + 1;
}

int Blasters_Standing(const World& w) {
    int n = 0;
    for (int p = 1; p <= Hazard_Places; ++p) n += w.hazards.Blaster[p].Present;
    return n;
}

TEST(BlasterPlacement, NeverPutsTwoHazardsSideBySideInARow) {
    for (uint32_t seed = 1; seed <= 200; ++seed) {
        Hazard_World h(seed);
        h.w().hazards.Pyr[2].Present = true;
        h.w().hazards.Pyr[9].Present = true;
        Blaster_Setup(h.g, 4);
        Expect_No_Neighbours(h.w());
        EXPECT_EQ(h.w().game.Enimy_Count, Blasters_Standing(h.w()));
        EXPECT_FALSE(h.w().hazards.Blaster[2].Present);
        EXPECT_FALSE(h.w().hazards.Blaster[9].Present);
    }
}

TEST(BlasterPlacement, RowsDoNotTouch) {
    World w;
    w.hazards.Blaster[6].Present = true;
    EXPECT_TRUE(Place_Is_Free(w, 7));
    EXPECT_FALSE(Place_Is_Free(w, 5));
    w.hazards.Pyr[7].Present = true;
    EXPECT_TRUE(Place_Is_Free(w, 12));
    EXPECT_FALSE(Place_Is_Free(w, 8));
}

TEST(BlasterPlacement, GivesUpAfterAHundredRefusals) {
    Hazard_World h;
    for (int p : {2, 5, 8, 11}) h.w().hazards.Pyr[p].Present = true;  // no place is left
    h.w().game.Enimy_Count = 3;
    Rng expected = h.w().rng;
    for (int i = 0; i < Hazard_Places + 101; ++i) expected.random(50);  // intervals, refusals
    Blaster_Setup(h.g, 4);
    EXPECT_EQ(Blasters_Standing(h.w()), 0);
    EXPECT_EQ(h.w().game.Enimy_Count, 3);
    EXPECT_EQ(h.w().rng, expected);
}

TEST(BlasterPlacement, PlacesFewerWhenTheRowsFillUp) {
    // Six places hold no more than three hazards without neighbours per row of six.
    int fewest = 12;
    for (uint32_t seed = 1; seed <= 50; ++seed) {
        Hazard_World h(seed);
        Blaster_Setup(h.g, 12);
        Expect_No_Neighbours(h.w());
        EXPECT_LE(Blasters_Standing(h.w()), 6);
        EXPECT_EQ(h.w().game.Enimy_Count, Blasters_Standing(h.w()));
        fewest = std::min(fewest, Blasters_Standing(h.w()));
    }
    EXPECT_GE(fewest, 4);
}

TEST(BlasterPlacement, MarksItsBlockAndOutline) {
    Hazard_World h;
    h.w().hazards.Pyr[1].Present = true;
    Blaster_Setup(h.g, 1);
    int place = 0;
    for (int p = 1; p <= Hazard_Places; ++p)
        if (h.w().hazards.Blaster[p].Present) place = p;
    ASSERT_NE(place, 0);
    const ArenaState& a = h.w().arena;
    const int c = Place_Col(place), r = Place_Row(place);
    for (int dc = 0; dc < 5; ++dc)
        for (int dr = 0; dr < 5; ++dr) EXPECT_EQ(a.Occupy_Grid(c + dc, r + dr), Occupy_Body);
    EXPECT_EQ(a.Occupy_Grid(c + 5, r), No_Code);
    EXPECT_EQ(a.Enimy_Edge_Grid(c + 2, r), Dir::Left);
    EXPECT_EQ(a.Enimy_Edge_Grid(c + 2, r + 4), Dir::Right);
    EXPECT_EQ(a.Enimy_Edge_Grid(c, r + 2), Dir::Down);
    EXPECT_EQ(a.Enimy_Edge_Grid(c + 4, r + 2), Dir::Up);
    EXPECT_EQ(a.Enimy_Edge_Grid(c, r), Dir::LeftDown);
    EXPECT_EQ(a.Enimy_Edge_Grid(c + 4, r), Dir::UpLeft);
    EXPECT_EQ(a.Enimy_Edge_Grid(c, r + 4), Dir::DownRight);
    EXPECT_EQ(a.Enimy_Edge_Grid(c + 4, r + 4), Dir::RightUp);
    EXPECT_EQ(a.Enimy_Edge_Grid(c + 2, r + 2), No_Code);
}

TEST(BlasterPlacement, SetUpClearsTheLastLevel) {
    Hazard_World h;
    Blaster_Rec& old = h.w().hazards.Blaster[3];
    old.Exploding = true;
    old.Thunder_On = true;
    old.Thunder_Tick = 12;
    old.Flame[2].Flame_Block = true;
    h.w().hazards.Fuse[1].Fuse_On = true;
    Blaster_Setup(h.g, 0);
    EXPECT_FALSE(old.Exploding);
    EXPECT_FALSE(old.Thunder_On);
    EXPECT_FALSE(old.Flame[2].Flame_Block);
    EXPECT_FALSE(h.w().hazards.Fuse[1].Fuse_On);
    for (int p = 1; p <= Hazard_Places; ++p) {
        EXPECT_GE(h.w().hazards.Blaster[p].Thunder_Interval, 20);
        EXPECT_LT(h.w().hazards.Blaster[p].Thunder_Interval, 70);
    }
}

// A Blaster standing on the place, set up by hand.
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
    EXPECT_EQ(b.Thunder_Timer, 0);

    h.w().level.Weapon_Switch[Switch::Blaster_Thunder_Switch] = 1;
    Rng next = h.w().rng;
    b.Last_Dir = next.random(4) + 1;  // the coming draw repeats the last direction
    for (int i = 0; i < 5; ++i) Blaster_Routine(h.g);
    EXPECT_FALSE(b.Thunder_On);
    EXPECT_EQ(b.Thunder_Timer, 0);

    b.Last_Dir = 0;
    for (int i = 0; i < 5; ++i) Blaster_Routine(h.g);
    ASSERT_TRUE(b.Thunder_On);
    EXPECT_GE(b.Thunder_Dir, 1);
    EXPECT_LE(b.Thunder_Dir, 4);
    EXPECT_EQ(b.Last_Dir, b.Thunder_Dir);
    EXPECT_EQ(b.Thunder_Tick, 0);
}

// Fires a beam from the place and answers the ticks on which the player was hit.
std::vector<int> Beam_Hits(Hazard_World& h, int place, int dir, int col, int row) {
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

TEST(BlasterThunder, HitsFourCellsInTheBeamsDirection) {
    Hazard_World h;
    Stand_Blaster(h, 8);  // cells 9..13 x 15..19
    struct Case {
        int dir, col, row;
        bool hit;
    };
    const Case cases[] = {
        {1, 14, 16, true}, {1, 17, 16, true}, {1, 18, 16, false}, {1, 15, 17, false},
        {2, 10, 14, true}, {2, 10, 11, true}, {2, 10, 10, false}, {2, 11, 14, false},
        {3, 8, 18, true},  {3, 5, 18, true},  {3, 4, 18, false},  {3, 8, 17, false},
        {4, 12, 20, true}, {4, 12, 23, true}, {4, 12, 24, false}, {4, 11, 20, false},
    };
    for (const Case& c : cases) {
        const std::vector<int> hits = Beam_Hits(h, 8, c.dir, c.col, c.row);
        if (c.hit) {
            ASSERT_EQ(hits.size(), 26u) << "dir " << c.dir << " at " << c.col << "," << c.row;
            EXPECT_EQ(hits.front(), 1);
            EXPECT_EQ(hits.back(), 26);
        } else {
            EXPECT_TRUE(hits.empty()) << "dir " << c.dir << " at " << c.col << "," << c.row;
        }
    }
}

TEST(BlasterThunder, ABeamToTheRightFromPlaceSixEndsAtTheArenasBorder) {
    Hazard_World h;
    Stand_Blaster(h, 6);  // cells 29..33 x 6..10; the beam runs along row 7
    for (int col = 34; col <= 36; ++col) EXPECT_EQ(Beam_Hits(h, 6, 1, col, 7).size(), 26u);
    EXPECT_TRUE(Beam_Hits(h, 6, 1, 37, 7).empty());
}

TEST(BlasterThunder, HitsOnTheFirstTickBeforeAnythingIsDrawn) {
    Hazard_World h;
    Blaster_Rec& b = Stand_Blaster(h, 1);
    b.Thunder_On = true;
    b.Thunder_Dir = 4;
    h.park_player(7, 11);
    Blast_Thunder(h.g);
    EXPECT_TRUE(h.w().player.Ego_Hit);
    EXPECT_TRUE(h.media.played(Wave::Laser));
    EXPECT_TRUE(h.media.draws.empty());
    Blast_Thunder(h.g);
    EXPECT_EQ(h.media.draws.size(), 1u);
}

TEST(BlasterThunder, GrowsAndShrinksThroughSevenImagesAtTheirOffsets) {
    Hazard_World h;
    Blaster_Rec& b = Stand_Blaster(h, 2);  // pixel (148, 116)
    struct Look {
        int dir, first;
        int dx1, dy1, dx6, dy6;
    };
    const Look looks[] = {{1, Img2::Blast_Thunder_Right_1, 54, 0, 54, 0},
                          {2, Img2::Blast_Thunder_Up_1, 0, -69, 11, -126},
                          {3, Img2::Blast_Thunder_Left_1, -69, 34, -126, 34},
                          {4, Img2::Blast_Thunder_Down_1, 34, 54, 45, 54}};
    for (const Look& l : looks) {
        h.media.forget();
        b.Thunder_On = true;
        b.Thunder_Dir = l.dir;
        b.Thunder_Tick = 0;
        for (int i = 0; i < 27; ++i) Blast_Thunder(h.g);
        EXPECT_FALSE(b.Thunder_On);
        const std::vector<Drawn>& d = h.media.draws;
        ASSERT_EQ(d.size(), 25u);  // ticks 2..26
        const int frames[] = {1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7,
                              7, 6, 6, 5, 5, 4, 4, 3, 3, 2, 2, 1};
        for (int i = 0; i < 25; ++i) {
            EXPECT_EQ(d[i].List, Image_List::List_2);
            EXPECT_EQ(d[i].Index, l.first + frames[i] - 1) << "tick " << i + 2;
        }
        EXPECT_EQ(d[0].X, 148 + l.dx1);
        EXPECT_EQ(d[0].Y, 116 + l.dy1);
        EXPECT_EQ(d[10].X, 148 + l.dx6);  // tick 12, frame 6
        EXPECT_EQ(d[10].Y, 116 + l.dy6);
    }
}

TEST(BlasterThunder, AnEndingBeamHoldsBackTheLaterPlacesForAFrame) {
    Hazard_World h;
    Blaster_Rec& first = Stand_Blaster(h, 1);
    Blaster_Rec& later = Stand_Blaster(h, 3);
    first.Thunder_On = later.Thunder_On = true;
    first.Thunder_Dir = later.Thunder_Dir = 1;
    first.Thunder_Tick = 26;
    later.Thunder_Tick = 5;
    Blast_Thunder(h.g);
    EXPECT_FALSE(first.Thunder_On);
    EXPECT_EQ(later.Thunder_Tick, 5);
    Blast_Thunder(h.g);
    EXPECT_EQ(later.Thunder_Tick, 6);
}

// Runs the Blaster's routines of one frame in the frame loop's order.
void Blaster_Frame(Hazard_World& h) {
    Blaster_Routine(h.g);
    Blast_Thunder(h.g);
    Blaster_Explosion(h.g);
    Blaster_Kill_Sequence(h.g);
}

TEST(BlasterDeath, CuttingTheTopLeftTileDestroysIt) {
    Hazard_World h;
    Blaster_Rec& b = Stand_Blaster(h, 4);  // pixel (308, 116), cell (19, 6)
    h.w().game.Enimy_Count = 1;
    h.w().arena.Floor_Grid.set(20, 7, 0);  // another cell of the block is not enough
    Blaster_Frame(h);
    EXPECT_FALSE(b.Dying);

    h.w().arena.Floor_Grid.set(19, 6, 0);
    Blaster_Frame(h);
    EXPECT_TRUE(b.Dying);
    EXPECT_TRUE(h.media.played(Wave::FadenKreuz));
    EXPECT_EQ(b.Cross_X, 310);
    EXPECT_EQ(b.Cross_Y, 214);
    EXPECT_TRUE(b.Cross_Right);
    EXPECT_FALSE(b.Cross_Down);

    int frames = 0;
    while (b.Death_Tick == 1 && frames++ < 100) Blaster_Frame(h);
    EXPECT_EQ(b.Cross_X, 308 + 39);
    EXPECT_EQ(b.Cross_Y, 116 + 39);
    EXPECT_EQ(frames, 8);  // 59 pixels up at 8 a frame: the longer axis decides
    const std::vector<Drawn> crosses = h.media.of(Image_List::List_1, Img1::Target);
    EXPECT_EQ(crosses.back().X, 308 + 39 - 11);

    h.media.forget();
    while (b.Dying) Blaster_Frame(h);
    const std::vector<Drawn> tri = h.media.of(Image_List::List_1, Img1::Triangel);
    ASSERT_EQ(tri.size(), 33u);
    EXPECT_EQ(tri.front().Width, 156);
    EXPECT_EQ(tri.back().Width, 28);
    EXPECT_EQ(tri.back().Height, 14);
    EXPECT_EQ(tri.front().X, 348);
    EXPECT_TRUE(b.Exploding);
    EXPECT_FALSE(b.Present);
    EXPECT_EQ(h.w().game.Score, 0);

    Blaster_Frame(h);
    EXPECT_EQ(h.w().game.Score, 888);  // on the first explosion tick
    EXPECT_TRUE(h.media.played(Wave::Explose_6));
    h.media.forget();
    for (int i = 0; i < 36; ++i) Blaster_Frame(h);
    EXPECT_EQ(h.w().game.Enimy_Count, 1);
    Blaster_Frame(h);
    EXPECT_EQ(h.w().game.Enimy_Count, 0);
    const std::vector<Drawn> ex = h.media.of(Image_List::Ex, Ex::A_Ex_37);
    ASSERT_EQ(ex.size(), 1u);
    EXPECT_EQ(ex[0].X, 308 - 25);
    EXPECT_EQ(ex[0].Y, 116 - 21);

    h.media.forget();
    for (int i = 0; i < 100; ++i) Blaster_Frame(h);
    EXPECT_TRUE(h.media.draws.empty());
    EXPECT_EQ(h.w().game.Enimy_Count, 0);
    EXPECT_EQ(h.w().game.Score, 888);
    EXPECT_EQ(h.w().arena.Occupy_Grid(20, 8), Occupy_Body);  // marks stay till the next level
}

TEST(BlasterDeath, KeepsFiringWhileDyingUntilItsPresenceEnds) {
    Hazard_World h;
    Blaster_Rec& b = Stand_Blaster(h, 7);
    b.Dying = true;
    b.Death_Tick = 43;
    b.Thunder_On = true;
    b.Thunder_Dir = 2;
    b.Thunder_Tick = 3;
    Blast_Thunder(h.g);
    EXPECT_EQ(b.Thunder_Tick, 4);
    Blaster_Kill_Sequence(h.g);
    Blaster_Kill_Sequence(h.g);
    EXPECT_FALSE(b.Present);
    Blast_Thunder(h.g);
    EXPECT_EQ(b.Thunder_Tick, 4);  // the running beam is cut off
}

}  // namespace
}  // namespace zarvo::test
