// The Pyr: placement beside the last level's Blasters, the circling icons, the kill sequence,
// the explosion with its bonus, and the freed place.
#include <gtest/gtest.h>

#include "effects/energy.h"
#include "enemies/hazard_places.h"
#include "enemies/hazards.h"
#include "hazard_test_support.h"

namespace zarvo::test {
namespace {

TEST(PyrSetup, SeesTheBlastersOfTheLastLevel) {
    for (uint32_t seed = 1; seed <= 100; ++seed) {
        Hazard_World h(seed);
        for (int p : {1, 3, 5}) h.w().hazards.Blaster[p].Present = true;
        Pyr_Setup(h.g, 3);
        for (int p = 1; p <= 6; ++p) EXPECT_FALSE(h.w().hazards.Pyr[p].Present) << p;
        int placed = 0;
        for (int p = 7; p <= 12; ++p) {
            const Pyr_Rec& pyr = h.w().hazards.Pyr[p];
            placed += pyr.Present;
            if (pyr.Present) {
                EXPECT_GE(pyr.Pyr_Kind, 1);
                EXPECT_LE(pyr.Pyr_Kind, 3);
            }
            if (p < 12 && pyr.Present) EXPECT_FALSE(h.w().hazards.Pyr[p + 1].Present);
        }
        EXPECT_EQ(h.w().game.Enimy_Count, placed);
    }
}

TEST(PyrSetup, ClearsTheLastLevelAndMarksItsBlock) {
    Hazard_World h;
    Pyr_Rec& old = h.w().hazards.Pyr[4];
    old.Present = old.Exploding = true;
    old.Orbit_Phase[2] = 3;
    Pyr_Setup(h.g, 0);
    EXPECT_FALSE(old.Present);
    EXPECT_FALSE(old.Exploding);
    EXPECT_EQ(old.Orbit_Phase[2], 7);
    EXPECT_EQ(h.w().game.Enimy_Count, 0);

    Pyr_Setup(h.g, 1);
    int place = 0;
    for (int p = 1; p <= Hazard_Places; ++p)
        if (h.w().hazards.Pyr[p].Present) place = p;
    ASSERT_NE(place, 0);
    EXPECT_EQ(h.w().arena.Occupy_Grid(Place_Col(place) + 4, Place_Row(place) + 4), Occupy_Body);
    EXPECT_EQ(h.w().arena.Enimy_Edge_Grid(Place_Col(place), Place_Row(place)), Dir::LeftDown);
}

// A Pyr of the given kind standing on place 9 (cells 14..18 x 15..19, pixel (228, 260)).
Pyr_Rec& Stand_Pyr(Hazard_World& h, int kind) {
    Pyr_Rec& p = h.w().hazards.Pyr[9];
    p.Present = true;
    p.Pyr_Kind = kind;
    Mark_Hazard_Block(h.g, 9);
    h.w().game.Enimy_Count = 1;
    return p;
}

TEST(PyrLook, FourIconsTurnOneStepEveryThreeFrames) {
    Hazard_World h;
    Pyr_Rec& p = Stand_Pyr(h, 1);
    Pyr_Routine(h.g);
    Pyr_Routine(h.g);
    EXPECT_EQ(p.Orbit_Phase[1], 1);
    ASSERT_EQ(h.media.draws.size(), 10u);
    // Phase 1 of the heart: (20 + 14, 22 + 0); phase 7: (20 + 28, 22 + 14).
    EXPECT_EQ(h.media.draws[0].Index, Img1::Herz);
    EXPECT_EQ(h.media.draws[0].X, 228 + 34);
    EXPECT_EQ(h.media.draws[0].Y, 260 + 22);
    EXPECT_EQ(h.media.draws[1].X, 228 + 48);
    EXPECT_EQ(h.media.draws[1].Y, 260 + 36);
    EXPECT_EQ(h.media.draws[4].Index, Img1::Pyr_1);  // the pyramid over its icons
    EXPECT_EQ(h.media.draws[4].X, 228);
    Pyr_Routine(h.g);
    EXPECT_EQ(p.Orbit_Phase[1], 24);
    EXPECT_EQ(p.Orbit_Phase[2], 6);
    for (int i = 0; i < 69; ++i) Pyr_Routine(h.g);
    EXPECT_EQ(p.Orbit_Phase[1], 1);  // a full turn in 72 frames
    EXPECT_EQ(p.Orbit_Phase[4], 19);
}

TEST(PyrLook, EachKindShowsItsIcon) {
    const int icons[] = {0, Img1::Herz, Img1::Fire_White, Img1::Star_Blue};
    const int dx[] = {0, 20, 20, 15};
    for (int kind = 1; kind <= 3; ++kind) {
        Hazard_World h;
        Stand_Pyr(h, kind);
        Pyr_Routine(h.g);
        const std::vector<Drawn> drawn = h.media.of(Image_List::List_1, icons[kind]);
        ASSERT_EQ(drawn.size(), 4u);
        EXPECT_EQ(drawn[0].X, 228 + dx[kind] + 14);
    }
}

// Cuts away the Pyr's top-left tile and runs its routines until its explosion starts.
void Cut_And_Kill(Hazard_World& h) {
    h.w().arena.Floor_Grid.set(14, 15, 0);
    for (int i = 0; i < 200 && !h.w().hazards.Pyr[9].Exploding; ++i) {
        Pyr_Routine(h.g);
        Pyr_Explosion(h.g);
        Pyr_Kill_Sequence(h.g);
    }
}

void Pyr_Frame(Hazard_World& h) {
    Pyr_Routine(h.g);
    Pyr_Explosion(h.g);
    Pyr_Kill_Sequence(h.g);
}

TEST(PyrDeath, ACutExplodesItAndFreesThePlace) {
    Hazard_World h;
    Pyr_Rec& p = Stand_Pyr(h, 2);
    Cut_And_Kill(h);
    ASSERT_TRUE(p.Exploding);
    EXPECT_FALSE(p.Present);
    EXPECT_TRUE(h.media.played(Wave::FadenKreuz));
    const std::vector<Drawn> crosses = h.media.of(Image_List::List_1, Img1::FadenKreuz_Ver);
    EXPECT_EQ(crosses.back().X, 228 + 39);
    h.media.forget();
    Pyr_Frame(h);
    EXPECT_EQ(h.w().game.Score, 888);
    EXPECT_TRUE(h.media.played(Wave::Explose_6));
    for (int i = 0; i < 36; ++i) Pyr_Frame(h);
    EXPECT_EQ(h.media.of(Image_List::Ex, Ex::A_Ex_37).size(), 1u);
    EXPECT_TRUE(p.Exploding);
    EXPECT_EQ(h.w().game.Enimy_Count, 1);
    Pyr_Frame(h);
    EXPECT_EQ(h.w().game.Enimy_Count, 0);
    EXPECT_FALSE(p.Exploding);
    EXPECT_FALSE(p.Present);
    EXPECT_TRUE(Place_Is_Free(h.w(), 9));
    EXPECT_EQ(h.w().game.Score, 888);
}

TEST(PyrBonus, AHeartGivesALife) {
    Hazard_World h;
    h.w().game.Lives = 10;
    Stand_Pyr(h, 1);
    Cut_And_Kill(h);
    Pyr_Explosion(h.g);
    EXPECT_EQ(h.w().game.Lives, 11);  // the panel clamps to ten when it draws
    for (int i = 0; i < 40; ++i) Pyr_Explosion(h.g);
    EXPECT_EQ(h.w().game.Lives, 11);  // given once
}

TEST(PyrBonus, AWhiteFireGivesAFullLoadOfStarShots) {
    for (int before : {0, 3, 30}) {
        Hazard_World h;
        h.w().game.Star_Fire_Count = before;
        Stand_Pyr(h, 2);
        Cut_And_Kill(h);
        Pyr_Explosion(h.g);
        EXPECT_EQ(h.w().game.Star_Fire_Count, 24);
    }
}

TEST(PyrBonus, ABlueStarRefillsTheEnergyStoreMidHit) {
    Hazard_World h;
    Stand_Pyr(h, 3);
    Cut_And_Kill(h);
    EffectState& e = h.w().effects;
    e.Energy_Count = 2;
    e.Reserve_Count = 5;
    e.Energy_Bar[3].Falling = true;
    h.w().player.Ego_Hit = true;
    Pyr_Explosion(h.g);
    EXPECT_EQ(e.Energy_Count, 12);
    EXPECT_EQ(e.Reserve_Count, 12);
    EXPECT_FALSE(e.Energy_Bar[3].Falling);
    EXPECT_TRUE(h.w().player.Ego_Hit);  // the hit itself is the energy routine's to drain
}

}  // namespace
}  // namespace zarvo::test
