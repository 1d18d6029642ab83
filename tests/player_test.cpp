// The figure's movement: direction priority, step timing and sound, refusals, the trail with its
// corners, walking back, the end of a cut, the save position, and its drawing.
#include <gtest/gtest.h>

#include "player/ego.h"
#include "support/draw_log.h"
#include "support/walker.h"

namespace zarvo::test {
namespace {

struct Movement : ::testing::Test {
    Movement() { Fresh_Arena(t); }
    Test_Game t{1, false};
    Player_State& p() { return t.w().player; }
    Arena_State& a() { return t.w().arena; }
};

TEST_F(Movement, RightComesFirstThenLeftThenUpThenDown) {
    // Right is taken even where it is refused: the border stops the figure.
    p().Ego_Dir = Dir::Up;
    Input_Step(t, true, true, true, true);
    EXPECT_EQ(p().Ego_Step, 0);
    EXPECT_EQ(p().Ego_Dir, Dir::None);
    EXPECT_EQ(p().Ego_X, 573);

    Input_Step(t, true, true, true, false);
    EXPECT_EQ(p().Ego_Dir, Dir::Left);
    EXPECT_EQ(p().Ego_X, 565);

    Test_Game u(1, false);
    Fresh_Arena(u);
    Place_Figure(u, 10, 24);
    Input_Step(u, true, false, false, true);
    Input_Step(u, true, false, false, true);
    EXPECT_EQ(u.w().player.Ego_Col, 11);
    EXPECT_FALSE(u.w().player.Ego_Cutting);
    // Right released with up still held: up at the next cell.
    Input_Step(u, true, true, false, false);
    EXPECT_EQ(u.w().player.Ego_Dir, Dir::Up);
    EXPECT_TRUE(u.w().player.Ego_Cutting);
    Input_Step(u, true, true, false, false);
    EXPECT_EQ(u.w().player.Ego_Row, 23);
}

TEST_F(Movement, AStepTakesTwoFramesOfEightPixels) {
    Input_Step(t, false, false, true, false);
    EXPECT_EQ(p().Ego_Step, 1);
    EXPECT_EQ(p().Ego_X, 565);
    EXPECT_EQ(p().Ego_Col, 36);
    // The second half runs whatever is held.
    Input_Step(t, false, false, false, false);
    EXPECT_EQ(p().Ego_Step, 0);
    EXPECT_EQ(p().Ego_X, 557);
    EXPECT_EQ(p().Ego_Col, 35);
    EXPECT_EQ(XY(p().Ego_X, p().Ego_Y), XY(16 * p().Ego_Col - 3, 16 * p().Ego_Row - 13));
    Input_Step(t, false, false, false, false);
    EXPECT_EQ(p().Ego_Dir, Dir::None);
}

TEST_F(Movement, LeavingTheEdgeStartsACutWithATrailAndStepSounds) {
    Input_Step(t, false, false, true, false);
    EXPECT_TRUE(p().Ego_Cutting);
    EXPECT_EQ(XY(a().Way_Start_Col, a().Way_Start_Row), XY(36, 12));
    EXPECT_EQ(a().Way_Start_Dir, Dir::Left);
    EXPECT_EQ(Dir_At(a().Way_Grid, 36, 12), Dir::Left);
    EXPECT_EQ(a().Point_Grid(36, 12), Point_Mark);
    EXPECT_EQ(Waves_Played(t.media, Wave::Step), 0);
    Input_Step(t, false, false, true, false);
    EXPECT_EQ(Dir_At(a().Way_Grid, 35, 12), Dir::Left);
    EXPECT_EQ(a().Point_Grid(35, 12), Point_Mark);
    EXPECT_EQ(Waves_Played(t.media, Wave::Step), 1);
    ASSERT_TRUE(Walk(t, "2L2U"));
    EXPECT_EQ(Waves_Played(t.media, Wave::Step), 5);
    // The corner where the trail turned from left to up.
    EXPECT_EQ(Dir_At(a().Way_Grid, 33, 12), Dir::LeftUp);
    EXPECT_EQ(Dir_At(a().Way_Grid, 33, 11), Dir::Up);
    // The save position stays on the start cell during the cut.
    EXPECT_EQ(p().Ego_Save_Col, 36);
    EXPECT_EQ(p().Ego_Save_X, 573);
}

TEST_F(Movement, WalkingTheEdgeIsSilentAndRefreshesTheSavePosition) {
    ASSERT_TRUE(Walk(t, "3D"));
    EXPECT_EQ(p().Ego_Row, 15);
    EXPECT_FALSE(p().Ego_Cutting);
    EXPECT_EQ(Waves_Played(t.media, Wave::Step), 0);
    EXPECT_EQ(p().Ego_Save_Row, 15);
    EXPECT_EQ(p().Ego_Save_Y, 16 * 15 - 13);
    EXPECT_EQ(a().Way_Grid(36, 13), No_Code);
}

TEST_F(Movement, RefusedSteps) {
    // An enemy's body or a block: a bump, no step, the walking direction kept.
    p().Ego_Dir = Dir::Down;
    a().Occupy_Grid.set(35, 12, Occupy_Body);
    Input_Step(t, false, false, true, false);
    EXPECT_TRUE(p().Bump_Flag);
    EXPECT_EQ(p().Ego_Step, 0);
    EXPECT_EQ(p().Ego_Dir, Dir::Down);
    EXPECT_FALSE(p().Ego_Cutting);

    p().Bump_Flag = false;
    a().Blocker_Grid.set(36, 11, Blocker_Mark);
    Input_Step(t, true, false, false, false);
    EXPECT_TRUE(p().Bump_Flag);
    EXPECT_EQ(p().Ego_Row, 12);

    // An edge piece whose outside faces the figure.
    p().Bump_Flag = false;
    a().Blocker_Grid.set(36, 11, No_Code);
    Set_Dir(a().Edge_Grid, 36, 11, Dir::Left);
    Input_Step(t, true, false, false, false);
    EXPECT_TRUE(p().Bump_Flag);
    EXPECT_EQ(p().Ego_Step, 0);

    // No tile: the figure stops without a bump.
    p().Bump_Flag = false;
    p().Ego_Dir = Dir::Down;
    Input_Step(t, false, false, false, true);
    EXPECT_FALSE(p().Bump_Flag);
    EXPECT_EQ(p().Ego_Dir, Dir::None);
}

TEST_F(Movement, CrossingTheOwnTrailIsRefusedWithoutBump) {
    // Left along row 12, up two, right two, down one, then down onto the trail running left.
    ASSERT_TRUE(Walk(t, "6L2U2RD"));
    ASSERT_EQ(p().Ego_Col, 32);
    ASSERT_EQ(p().Ego_Row, 11);
    ASSERT_EQ(Dir_At(a().Way_Grid, 32, 12), Dir::Left);
    p().Ego_Dir = Dir::Right;
    Input_Step(t, false, true, false, false);
    EXPECT_EQ(p().Ego_Step, 0);
    EXPECT_EQ(p().Ego_Row, 11);
    EXPECT_FALSE(p().Bump_Flag);
    EXPECT_EQ(p().Ego_Dir, Dir::Right);
}

TEST_F(Movement, WalkingBackErasesTheTrail) {
    ASSERT_TRUE(Walk(t, "5L2R"));
    EXPECT_EQ(p().Ego_Col, 33);
    EXPECT_EQ(a().Way_Grid(31, 12), No_Code);
    EXPECT_EQ(a().Point_Grid(31, 12), No_Code);
    EXPECT_EQ(a().Way_Grid(32, 12), No_Code);
    EXPECT_EQ(Dir_At(a().Way_Grid, 33, 12), Dir::Left);
    EXPECT_EQ(a().Point_Grid(33, 12), Point_Mark);
    EXPECT_TRUE(p().Ego_Cutting);

    // All the way back to the start cell: the trail vanishes and nothing is claimed.
    ASSERT_TRUE(Walk(t, "3R"));
    EXPECT_FALSE(p().Ego_Cutting);
    EXPECT_EQ(a().Way_Grid(36, 12), No_Code);
    EXPECT_EQ(a().Point_Grid(36, 12), No_Code);
    EXPECT_EQ(a().Way_Grid(34, 12), No_Code);
    EXPECT_EQ(t.s().Fliese_Claimed, 0);
    EXPECT_EQ(t.s().Score, 0);
    EXPECT_EQ(Dir_At(a().Edge_Grid, 36, 12), Dir::Down);
}

TEST_F(Movement, TheCutClosesInTheFrameAfterTheFigureArrives) {
    Place_Figure(t, 30, 1);
    ASSERT_TRUE(Walk(t, "4D5R"));
    ASSERT_EQ(p().Ego_Col, 35);
    Input_Step(t, false, false, false, true);
    Input_Step(t, false, false, false, true);
    ASSERT_EQ(p().Ego_Col, 36);
    EXPECT_TRUE(p().Ego_Cutting);
    EXPECT_EQ(t.s().Fliese_Claimed, 0);
    EXPECT_EQ(Dir_At(a().Way_Grid, 36, 5), Dir::Right);
    // This frame closes the cut and takes no step, although right is still held.
    Input_Step(t, true, false, false, false);
    EXPECT_FALSE(p().Ego_Cutting);
    EXPECT_EQ(t.s().Fliese_Claimed, 24);
    EXPECT_EQ(a().Way_End_Col, 30);  // the ends are swapped by the cut
    EXPECT_EQ(p().Ego_Step, 0);
    EXPECT_EQ(p().Ego_Row, 5);
    Input_Step(t, false, false, false, false);
    EXPECT_EQ(XY(p().Ego_Save_Col, p().Ego_Save_Row), XY(36, 5));
}

TEST_F(Movement, ShowEgoWalkCycleAndHitTest) {
    Draw_Log_Media media;
    Game g{t.w(), media};
    p().Ego_Dir = Dir::Right;
    for (int i = 0; i < 13; ++i) Show_Ego(g);
    const int right[13] = {59, 59, 59, 60, 60, 60, 61, 61, 61, 62, 62, 62, 59};
    ASSERT_EQ(media.draws.size(), 13u);
    for (int i = 0; i < 13; ++i) EXPECT_EQ(media.draws[i].index, right[i]) << i;
    EXPECT_EQ(p().Ego_Anim, 1);

    // The counter runs on through turns: up and down have two pictures.
    media.draws.clear();
    p().Ego_Dir = Dir::Up;
    for (int i = 0; i < 11; ++i) Show_Ego(g);
    const int up[11] = {51, 51, 52, 52, 52, 51, 51, 51, 52, 52, 52};
    for (int i = 0; i < 11; ++i) EXPECT_EQ(media.draws[i].index, up[i]) << i;
    EXPECT_EQ(p().Ego_Anim, 0);

    media.draws.clear();
    p().Ego_Dir = Dir::None;
    Show_Ego(g);
    EXPECT_EQ(media.draws[0].index, Img1::Ego_No);
    EXPECT_EQ(media.draws[0].at(), XY(573, 179));
    EXPECT_EQ(p().Ego_Anim, 0);
    EXPECT_FALSE(p().Ego_Hit);

    a().Occupy_Grid.set(36, 12, Occupy_Body);
    Show_Ego(g);
    EXPECT_TRUE(p().Ego_Hit);
}

}  // namespace
}  // namespace zarvo::test
