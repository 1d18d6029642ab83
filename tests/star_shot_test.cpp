// The star shots: launch beside the border, flight over the grid, the 18-frame explosion at a
// hole, the 24 volley slots, the supply with and without the second code word, removal by a
// target, and the turning indicator.
#include "player/star_shot.h"

#include <gtest/gtest.h>

#include "player/ego.h"
#include "support/draw_log.h"
#include "support/walker.h"

namespace zarvo::test {
namespace {

struct Shots : ::testing::Test {
    Shots() {
        Fresh_Arena(t);
        t.s().Star_Fire_Count = 5;
    }
    void Fire() {
        t.s().Star_Fire_Request = true;
        Show_Ego(g);
    }
    Test_Game t{1, false};
    Draw_Log_Media media;
    Game g{t.w(), media};
    Shot_State& shots() { return t.w().shots; }
    Arena_State& a() { return t.w().arena; }
};

TEST_F(Shots, TheRocketTowardsTheBorderIsNeverShown) {
    Fire();
    EXPECT_TRUE(shots().Volley_Used[1]);
    EXPECT_EQ(Waves_Played(media, Wave::Laser), 1);
    EXPECT_EQ(t.s().Star_Fire_Count, 4);
    EXPECT_FALSE(t.s().Star_Fire_Request);
    EXPECT_TRUE(shots().Shot[1][1].Shot_Active);
    EXPECT_TRUE(shots().Shot[2][1].Shot_Active);
    EXPECT_TRUE(shots().Shot[3][1].Shot_Active);
    EXPECT_FALSE(shots().Shot[4][1].Shot_Active);

    media.draws.clear();
    Show_Ego_Shoot(g);
    // The first drawn positions lie around the figure, in the neighbour cells.
    auto up = media.of(Img2::Rocket_Up);
    auto down = media.of(Img2::Rocket_Down);
    auto left = media.of(Img2::Rocket_Left);
    ASSERT_EQ(up.size(), 1u);
    ASSERT_EQ(down.size(), 1u);
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(up[0].at(), XY(573 + 10, 179 + 12));
    EXPECT_EQ(down[0].y, 179 + 9);
    EXPECT_EQ(left[0].at(), XY(573 - 9, 179 + 28));
    EXPECT_TRUE(media.of(Img2::Rocket_Right).empty());
    EXPECT_EQ(a().Shot_Grid(36, 11), Shot_Mark);
    EXPECT_EQ(a().Shot_Slot_Grid(36, 11), 1);
    EXPECT_EQ(Shot_Dir_Of(a().Shot_Dir_Grid(36, 11)), Shot_Dir::Up);
    EXPECT_EQ(a().Shot_Grid(35, 12), Shot_Mark);
    EXPECT_EQ(Shot_Dir_Of(a().Shot_Dir_Grid(35, 12)), Shot_Dir::Left);
    EXPECT_EQ(a().Shot_Grid(36, 12), No_Code);

    // One cell per frame; the old cell is cleared.
    Show_Ego_Shoot(g);
    EXPECT_EQ(a().Shot_Grid(35, 12), No_Code);
    EXPECT_EQ(a().Shot_Grid(34, 12), Shot_Mark);
    EXPECT_EQ(shots().Shot[3][1].Shot_X, 573 - 25);
}

TEST_F(Shots, ARocketExplodesAtAHoleForEighteenFrames) {
    // Cut away the top right corner; the rocket up the right edge meets the hole at (36,4).
    Place_Figure(t, 30, 1);
    ASSERT_TRUE(Walk(t, "4D6R"));
    Place_Figure(t, 36, 12);
    Fire();
    for (int frame = 1; frame <= 7; ++frame) Show_Ego_Shoot(g);
    EXPECT_TRUE(shots().Shot[1][1].Shot_Active);
    EXPECT_EQ(a().Shot_Grid(36, 5), Shot_Mark);
    Show_Ego_Shoot(g);
    EXPECT_FALSE(shots().Shot[1][1].Shot_Active);
    EXPECT_TRUE(shots().Shot[1][1].Shot_Exploding);
    EXPECT_EQ(a().Shot_Grid(36, 4), Shot_Mark);
    EXPECT_EQ(Waves_Played(media, Wave::Explose_4), 0);
    const int shot_x = shots().Shot[1][1].Shot_X, shot_y = shots().Shot[1][1].Shot_Y;

    media.draws.clear();
    Show_Ego_Shoot(g);
    EXPECT_EQ(Waves_Played(media, Wave::Explose_4), 1);
    EXPECT_EQ(a().Shot_Grid(36, 4), No_Code);
    for (int frame = 2; frame <= 18; ++frame) Show_Ego_Shoot(g);
    EXPECT_FALSE(shots().Shot[1][1].Shot_Exploding);
    EXPECT_EQ(shots().Shot[1][1].Shot_Ex_Tick, 0);
    std::vector<Draw_Call> up_blasts;
    for (const Draw_Call& d : media.draws)
        if (d.list == Image_List::Ex && d.x == shot_x - 16 && d.y == shot_y - 2)
            up_blasts.push_back(d);
    ASSERT_EQ(up_blasts.size(), 18u);
    for (int i = 0; i < 17; ++i) EXPECT_EQ(up_blasts[i].index, Ex::Ex_Boy_1 + i);
    EXPECT_EQ(up_blasts[17].index, Ex::Ex_Boy_1 + 16);
}

TEST_F(Shots, TwentyFourVolleysUseEverySlotAndTheNextRequestIsLost) {
    t.s().Star_Fire_Count = 30;
    for (int v = 1; v <= 24; ++v) Fire();
    for (int s = 1; s <= Volley_Slots; ++s) EXPECT_TRUE(shots().Volley_Used[s]) << s;
    EXPECT_EQ(t.s().Star_Fire_Count, 6);
    Fire();
    EXPECT_FALSE(t.s().Star_Fire_Request);
    EXPECT_EQ(t.s().Star_Fire_Count, 6);
    EXPECT_EQ(Waves_Played(media, Wave::Laser), 24);
    // Once a volley's rockets are gone its slot is free again.
    for (int frame = 0; frame < 40; ++frame) Show_Ego_Shoot(g);
    Fire();
    EXPECT_EQ(t.s().Star_Fire_Count, 5);
    EXPECT_TRUE(shots().Shot[1][1].Shot_Active);
}

TEST_F(Shots, TheSupplyRunsOutUnlessTheSecondCodeWordWasGiven) {
    t.s().Star_Fire_Count = 1;
    Fire();
    EXPECT_EQ(t.s().Star_Fire_Count, 0);
    media.draws.clear();
    Show_Ego(g);
    EXPECT_TRUE(media.of(Img2::Snake_Star).empty());
    t.key(Key_Code::Space);
    EXPECT_FALSE(t.s().Star_Fire_Request);

    t.s().Fire_Code = true;
    t.s().Star_Fire_Count = 24;
    for (int v = 0; v < 5; ++v) {
        for (int frame = 0; frame < 40; ++frame) Show_Ego_Shoot(g);
        Fire();
    }
    EXPECT_EQ(t.s().Star_Fire_Count, 24);
    EXPECT_EQ(Waves_Played(media, Wave::Laser), 6);
}

TEST_F(Shots, ARequestWaitsWhileTheFigureIsHalfwayThroughAStep) {
    t.w().player.Ego_Step = 1;
    Fire();
    EXPECT_TRUE(t.s().Star_Fire_Request);
    EXPECT_FALSE(shots().Volley_Used[1]);
    t.w().player.Ego_Step = 0;
    Show_Ego(g);
    EXPECT_FALSE(t.s().Star_Fire_Request);
    EXPECT_TRUE(shots().Volley_Used[1]);
}

TEST_F(Shots, ATargetRemovesTheRocketWithoutExplosion) {
    Fire();
    Show_Ego_Shoot(g);
    ASSERT_EQ(a().Shot_Grid(35, 12), Shot_Mark);
    Remove_Shot_At(g, 35, 12);
    EXPECT_FALSE(shots().Shot[3][1].Shot_Active);
    EXPECT_EQ(shots().Shot[3][1].Shot_Dir, Shot_Dir::None);
    EXPECT_EQ(a().Shot_Grid(35, 12), No_Code);
    // Nothing to remove where no rocket stands, and nothing outside the arena.
    Remove_Shot_At(g, 20, 20);
    Remove_Shot_At(g, 0, 12);
    EXPECT_TRUE(shots().Shot[1][1].Shot_Active);
    for (int frame = 0; frame < 40; ++frame) Show_Ego_Shoot(g);
    // Only the rockets up and down reach the border and explode.
    EXPECT_EQ(Waves_Played(media, Wave::Explose_4), 2);

    // A stale grid entry naming no valid slot is ignored.
    a().Shot_Grid.set(20, 20, Shot_Mark);
    a().Shot_Slot_Grid.set(20, 20, 99);
    a().Shot_Dir_Grid.set(20, 20, 7);
    Remove_Shot_At(g, 20, 20);
    EXPECT_EQ(a().Shot_Grid(20, 20), No_Code);
}

TEST_F(Shots, TheIndicatorTurnsWithTheWalk) {
    Show_Ego(g);
    EXPECT_EQ(shots().Star_Angle, 4);
    auto stars = media.of(Img2::Snake_Star);
    ASSERT_EQ(stars.size(), 1u);
    EXPECT_TRUE(stars[0].rotated);
    EXPECT_EQ(stars[0].at(), XY(573 + 14, 179 + 10));
    EXPECT_EQ(stars[0].width, 34);
    EXPECT_EQ(stars[0].angle, 4);
    for (int frame = 1; frame < 64; ++frame) Show_Ego(g);
    EXPECT_EQ(shots().Star_Angle, 0);
    t.w().player.Ego_Dir = Dir::Left;
    Show_Ego(g);
    EXPECT_EQ(shots().Star_Angle, 256);
    Show_Ego(g);
    EXPECT_EQ(shots().Star_Angle, 252);
    t.w().player.Ego_Dir = Dir::Down;
    Show_Ego(g);
    EXPECT_EQ(shots().Star_Angle, 0);
}

}  // namespace
}  // namespace zarvo::test
