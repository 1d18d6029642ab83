// The Pyr: placement beside the last level's Blasters, the circling icons, the explosion with
// its bonus, and the freed place.
#include <gtest/gtest.h>

#include "hazards/hazard_places.h"
#include "hazards/hazards.h"
#include "support/hazard_world.h"

namespace zarvo::test {
namespace {

TEST(PyrSetup, SeesTheBlastersOfTheLastLevel) {
    for (uint32_t seed = 1; seed <= 100; ++seed) {
        Hazard_World h(seed);
        for (int p : {1, 3, 5}) h.w().hazards.Blaster[p].Present = true;
        Pyr_Setup(h.g, 3);
        int placed = 0;
        for (int p = 1; p <= Hazard_Places; ++p) {
            const Pyr_Rec& pyr = h.w().hazards.Pyr[p];
            if (p <= 6) {
                EXPECT_FALSE(pyr.Present) << p;
            }
            if (!pyr.Present) continue;
            ++placed;
            EXPECT_GE(pyr.Pyr_Kind, 1);
            EXPECT_LE(pyr.Pyr_Kind, 3);
        }
        EXPECT_EQ(h.w().game.Enimy_Count, placed);
    }
}

// A Pyr of the kind on place 9 (cells 14..18 x 15..19, pixel (228, 260)).
Pyr_Rec& Stand_Pyr(Hazard_World& h, int kind) {
    Pyr_Rec& p = h.w().hazards.Pyr[9];
    p.Present = true;
    p.Pyr_Kind = kind;
    Mark_Hazard_Block(h.g, 9);
    h.w().game.Enimy_Count = 1;
    return p;
}

TEST(PyrLook, FourIconsTurnUnderThePyramidOneStepEveryThreeFrames) {
    Hazard_World h;
    Pyr_Rec& p = Stand_Pyr(h, 3);
    Pyr_Routine(h.g);
    Pyr_Routine(h.g);
    ASSERT_EQ(h.media.draws.size(), 10u);
    EXPECT_EQ(h.media.draws[1].index, Img1::Star_Blue);  // phase 7: (15 + 28, 15 + 14)
    EXPECT_EQ(h.media.draws[1].x, 228 + 43);
    EXPECT_EQ(h.media.draws[1].y, 260 + 29);
    EXPECT_EQ(h.media.draws[4].index, Img1::Pyr_1);
    Pyr_Routine(h.g);
    EXPECT_EQ(p.Orbit_Phase[1], 24);  // backwards, wrapping from 1 to 24
    for (int i = 0; i < 69; ++i) Pyr_Routine(h.g);
    EXPECT_EQ(p.Orbit_Phase[1], 1);  // a full turn in 72 frames
}

// Cuts the Pyr's top-left tile away and runs it to its first explosion tick.
void Cut_To_Explosion(Hazard_World& h) {
    Set_Floor(h.w().arena.Floor_Grid, 14, 15, Floor::Gone);
    const Pyr_Rec& p = h.w().hazards.Pyr[9];
    for (int i = 0; i < 200 && !(p.Exploding && p.Death_Tick == 1); ++i) {
        Pyr_Routine(h.g);
        Pyr_Explosion(h.g);
        Pyr_Kill_Sequence(h.g);
    }
}

TEST(PyrDeath, ACutExplodesItForEightHundredEightyEightAndFreesThePlace) {
    Hazard_World h;
    Pyr_Rec& p = Stand_Pyr(h, 2);
    Cut_To_Explosion(h);
    EXPECT_TRUE(p.Exploding);
    EXPECT_EQ(h.w().game.Score, 888);
    EXPECT_TRUE(h.media.played(Wave::Explose_6));
    for (int i = 0; i < 36; ++i) Pyr_Explosion(h.g);
    EXPECT_EQ(h.w().game.Enimy_Count, 1);
    Pyr_Explosion(h.g);
    EXPECT_EQ(h.w().game.Enimy_Count, 0);
    EXPECT_FALSE(p.Exploding);
    EXPECT_FALSE(p.Present);
    EXPECT_TRUE(Place_Is_Free(h.w(), 9));
    EXPECT_EQ(h.media.of(Ex::A_Ex_37).back().x, 228 - 25);
}

TEST(PyrBonus, EachKindGivesItsBonusOnce) {
    Hazard_World life;
    life.w().game.Lives = 10;
    Stand_Pyr(life, 1);
    Cut_To_Explosion(life);
    for (int i = 0; i < 40; ++i) Pyr_Explosion(life.g);
    EXPECT_EQ(life.w().game.Lives, 11);  // the panel clamps it to ten when drawing

    Hazard_World stars;
    stars.w().game.Star_Fire_Count = 30;
    Stand_Pyr(stars, 2);
    Cut_To_Explosion(stars);
    EXPECT_EQ(stars.w().game.Star_Fire_Count, 24);

    Hazard_World energy;
    Stand_Pyr(energy, 3);
    Effect_State& e = energy.w().effects;
    e.Energy_Count = 2, e.Reserve_Count = 5;
    energy.w().player.Ego_Hit = true;  // in the middle of a hit
    Cut_To_Explosion(energy);
    EXPECT_EQ(e.Energy_Count, 12);
    EXPECT_EQ(e.Reserve_Count, 12);
}

}  // namespace
}  // namespace zarvo::test
