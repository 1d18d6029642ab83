// The energy store under continuous hits at each drain rate, lives and game over, the hurt sound,
// the falling fragments, the panel readouts and the bump stars.
#include "effects/energy.h"

#include <gtest/gtest.h>

#include "support/draw_log.h"
#include "support/walker.h"

namespace zarvo::test {
namespace {

struct Energy : ::testing::Test {
    Energy() {
        Fresh_Arena(t);
        Reset_Energy(g);
    }
    // Hits the figure every frame until the store is used up; answers the frames it took.
    int Frames_To_Use_Up() {
        int frames = 0;
        while (!p().Ego_Explose_On && frames < 1000) {
            p().Ego_Hit = true;
            Show_Energy(g);
            ++frames;
        }
        return frames;
    }
    Test_Game t{1, false};
    Draw_Log_Media media;
    Game g{t.w(), media};
    Player_State& p() { return t.w().player; }
    Effect_State& e() { return t.w().effects; }
};

TEST_F(Energy, ContinuousHitUsesUpTheStoreByDrainRate) {
    const XY rate_frames[3] = {{1, 144}, {3, 48}, {5, 36}};
    for (int i = 0; i < 3; ++i) {
        Reset_Energy(g);
        p().Ego_Explose_On = false;
        t.w().level.Drain_Rate = rate_frames[i].first;
        EXPECT_EQ(Frames_To_Use_Up(), rate_frames[i].second) << rate_frames[i].first;
        EXPECT_EQ(t.s().Lives, 4 - i);
        // A life remains, so the store is full again for the next one.
        EXPECT_EQ(XY(e().Energy_Count, e().Reserve_Count), XY(12, 12));
        EXPECT_FALSE(p().Ego_Hit);
    }
}

TEST_F(Energy, DrainFiveEmptiesTheRowInThreeFrames) {
    t.w().level.Drain_Rate = 5;
    const int left[3] = {7, 2, 12};
    for (int i = 0; i < 3; ++i) {
        p().Ego_Hit = true;
        Show_Energy(g);
        EXPECT_EQ(e().Energy_Count, left[i]) << i;
    }
    EXPECT_EQ(e().Reserve_Count, 11);
    EXPECT_TRUE(e().Reserve_Bar[12].Falling);
    EXPECT_TRUE(e().Energy_Bar[1].Falling);
}

TEST_F(Energy, ImmortalKeepsTheLivesAndTheLastLifeEndsTheGame) {
    t.w().level.Drain_Rate = 5;
    t.s().Immortal_Code = true;
    EXPECT_EQ(Frames_To_Use_Up(), 36);
    EXPECT_EQ(t.s().Lives, 5);
    EXPECT_FALSE(t.s().Game_Over);

    t.s().Immortal_Code = false;
    t.s().Lives = 1;
    Reset_Energy(g);
    p().Ego_Explose_On = false;
    EXPECT_EQ(Frames_To_Use_Up(), 36);
    EXPECT_EQ(t.s().Lives, 0);
    EXPECT_TRUE(t.s().Game_Over);
    EXPECT_EQ(e().Reserve_Count, 0);
}

TEST_F(Energy, APendingHitSurvivesTheSequencesAndTheLevelCompleteBox) {
    bool* holds[3] = {&p().Ego_Implose_On, &p().Ego_Explose_On, &t.s().Well_Done};
    for (bool* flag : holds) {
        *flag = true;
        p().Ego_Hit = true;
        media.draws.clear();
        Show_Energy(g);
        EXPECT_TRUE(p().Ego_Hit);
        EXPECT_EQ(e().Energy_Count, 12);
        EXPECT_TRUE(media.of(Img1::Ego_No_White).empty());
        *flag = false;
    }
    Show_Energy(g);
    EXPECT_FALSE(p().Ego_Hit);
    EXPECT_EQ(e().Energy_Count, 11);
    auto white = media.of(Img1::Ego_No_White);
    ASSERT_EQ(white.size(), 1u);
    EXPECT_EQ(white[0].x, p().Ego_X);
}

TEST_F(Energy, TheNoSoundRepeatsEveryTwentyTwoFramesOfHit) {
    for (int frame = 1; frame <= 50; ++frame) {
        media.frame = frame;
        p().Ego_Hit = true;
        Show_Energy(g);
    }
    ASSERT_EQ(Waves_Played(media, Wave::No), 3);
    EXPECT_EQ(std::tuple(media.waves[0].Frame, media.waves[1].Frame, media.waves[2].Frame),
              std::tuple(2, 24, 46));
    Show_Energy(g);
    EXPECT_EQ(e().Hurt_Sound_Tick, 0);
}

TEST_F(Energy, ALostUnitFallsApartForTenFrames) {
    p().Ego_Hit = true;
    Show_Energy(g);
    EXPECT_EQ(e().Energy_Count, 11);
    auto icons = media.of(Img1::Fire_Mini_Green);
    // The row is drawn before the hit takes its unit, then the unit's four fragments.
    ASSERT_EQ(icons.size(), 12u + 4u);
    EXPECT_EQ(icons[0].at(), XY(246, 486));
    EXPECT_EQ(icons[11].x, 246 + 132);
    // Unit 12 rests at (378, 486); its fragments fly out diagonally.
    const XY fragments[4] = {{377, 485}, {379, 487}, {377, 487}, {379, 485}};
    for (int k = 0; k < 4; ++k) EXPECT_EQ(icons[12 + k].at(), fragments[k]) << k;
    for (int frame = 2; frame <= 10; ++frame) Show_Energy(g);
    EXPECT_EQ(e().Energy_Bar[12].X[2], 368);
    EXPECT_TRUE(e().Energy_Bar[12].Falling);
    media.draws.clear();
    Show_Energy(g);
    EXPECT_FALSE(e().Energy_Bar[12].Falling);
    EXPECT_EQ(e().Energy_Bar[12].X[2], 378);
    EXPECT_EQ(media.of(Img1::Fire_Mini_Green).size(), 11u);
    auto reserve = media.of(Img1::Way_Point);
    ASSERT_EQ(reserve.size(), 12u);
    EXPECT_EQ(reserve[11].at(), XY(102 + 132, 487));
}

TEST_F(Energy, FragmentsOfUnitsLostAgainAndAgainStayBesideTheBar) {
    t.w().level.Drain_Rate = 5;
    t.s().Immortal_Code = true;
    for (int frame = 0; frame < 300; ++frame) {
        p().Ego_Hit = true;
        p().Ego_Explose_On = false;
        Show_Energy(g);
    }
    for (const Img1_Id image : {Img1::Fire_Mini_Green, Img1::Way_Point})
        for (const Draw_Call& d : media.of(image)) {
            ASSERT_GE(d.x, 102 - 10) << d.x;
            ASSERT_LE(d.x, 378 + 10) << d.x;
            ASSERT_GE(d.y, 486 - 10) << d.y;
            ASSERT_LE(d.y, 487 + 10) << d.y;
        }
}

TEST_F(Energy, ReadoutsOnThePanel) {
    t.s().Score = 1234;
    t.s().Fliese_Claimed = 5;
    t.s().Lives = 12;
    t.s().Star_Fire_Count = 3;
    Show_Energy(g);
    std::vector<int> digits;
    for (const Draw_Call& d : media.draws)
        if (d.y == 434) {
            EXPECT_EQ(d.x, 104 + 20 * static_cast<int>(digits.size()));
            digits.push_back(d.index - Img1::Digit_0);
        }
    EXPECT_EQ(digits, (std::vector<int>{0, 0, 0, 0, 0, 1, 2, 3, 4}));
    auto red = media.of(Img1::Digit_0_Red);
    ASSERT_EQ(red.size(), 2u);
    EXPECT_EQ(red[0].x, 302);
    EXPECT_EQ(red[1].at(), XY(332, 436));
    EXPECT_EQ(media.of(Img1::Herz).size(), 10u);
    EXPECT_EQ(t.s().Lives, 10);
    auto stars = media.of(Img1::Con_Fire);
    ASSERT_EQ(stars.size(), 3u);
    EXPECT_EQ(stars[2].at(), XY(126, 500));

    t.s().Score = 2000000000;
    t.s().Star_Fire_Count = -3;
    Show_Energy(g);
    EXPECT_EQ(t.s().Score, 999999999);
    EXPECT_EQ(t.s().Star_Fire_Count, 0);
}

TEST_F(Energy, ClaimedPercentIsTruncated) {
    for (const auto& [claimed, percent] : {XY(695, 79), XY(696, 80), XY(864, 99), XY(5, 0)}) {
        t.s().Fliese_Claimed = claimed;
        media.draws.clear();
        Show_Energy(g);
        EXPECT_EQ(t.s().Fliese_Percent, percent) << claimed;
    }
    t.s().Fliese_Claimed = 696;
    media.draws.clear();
    Show_Energy(g);
    int tens = -1, ones = -1;
    for (const Draw_Call& d : media.draws) {
        if (d.y != 436) continue;
        (d.x == 302 ? tens : ones) = d.index - Img1::Digit_0_Red;
    }
    EXPECT_EQ(XY(tens, ones), XY(8, 0));
}

TEST_F(Energy, BumpStarsBurstForTwentyFrames) {
    p().Bump_Flag = true;
    Show_Bump_Stars(g);
    auto start = media.of(Img1::Star_Green);
    ASSERT_EQ(start.size(), 4u);
    for (const Draw_Call& d : start) EXPECT_EQ(d.at(), XY(573 + 2, 179 + 8));
    for (int frame = 2; frame <= 19; ++frame) Show_Bump_Stars(g);
    // A refusal during the burst does not restart it.
    p().Bump_Flag = true;
    media.draws.clear();
    Show_Bump_Stars(g);
    EXPECT_FALSE(p().Bump_Flag);
    auto last = media.of(Img1::Star_Green);
    ASSERT_EQ(last.size(), 4u);
    EXPECT_EQ(last[0].at(), XY(575 + 36, 187 + 36));
    EXPECT_EQ(last[1].x, 575 - 36);
    EXPECT_EQ(last[2].y, 187 - 36);
    EXPECT_EQ(last[3].at(), XY(575 - 36, 187 + 36));
    media.draws.clear();
    Show_Bump_Stars(g);
    EXPECT_TRUE(media.draws.empty());
}

}  // namespace
}  // namespace zarvo::test
