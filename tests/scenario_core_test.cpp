// A recorded stretch of play through the whole frame loop: from a level start the figure walks
// the edge, cuts off the bottom right corner, fires a volley, bumps into a body and dies in it.
// Played twice from the same seed it must give the same World, sounds and picture.
#include <gtest/gtest.h>

#include "player/ego.h"
#include "support/test_game.h"

namespace zarvo::test {
namespace {

// Holds one direction (or none with 0) for a number of frames.
void Hold(Test_Game& t, char dir, int frames) {
    t.hold(dir == 'U', dir == 'D', dir == 'L', dir == 'R');
    t.run(frames);
}

void Play_Scenario(Test_Game& t) {
    t.s().Sponsor_On = false;
    t.s().Star_Fire_Count = 2;
    Ego_Start_New_Level(t.g);
    t.s().Enimy_Count = 1;
    t.run_until_released();
    Hold(t, 'D', 6);         // along the right edge to (36,15)
    Hold(t, 'L', 20);        // a trail across row 15 to (26,15)
    Hold(t, 'D', 18);        // down to the bottom edge at (26,24)
    Hold(t, 0, 1);           // the cut closes
    t.key(Key_Code::Space);  // a volley
    Hold(t, 0, 40);
    // A body beside the figure: the step towards it is refused with a burst of stars.
    t.w().arena.Occupy_Grid.set(25, 24, Occupy_Body);
    Hold(t, 'L', 25);
    t.w().arena.Occupy_Grid.set(25, 24, No_Code);
    // A body over the figure: hit every frame until the store is used up.
    t.w().arena.Occupy_Grid.set(26, 24, Occupy_Body);
    Hold(t, 0, 144);
    t.w().arena.Occupy_Grid.set(26, 24, Occupy_Edge);
    Hold(t, 0, 45);
    t.run_until_released();
    Hold(t, 'U', 1);
}

TEST(ScenarioCore, WalkCutFireAndDie) {
    Test_Game t(4242);
    Play_Scenario(t);
    const Game_State& s = t.s();
    // Cols 27..36 of rows 16..24: 18 tiles beside the new edge and 161 gone neighbours.
    EXPECT_EQ(s.Fliese_Claimed, 90);
    EXPECT_EQ(s.Fliese_Percent, 10);
    EXPECT_EQ(s.Score, 179);
    EXPECT_EQ(s.Star_Fire_Count, 1);
    EXPECT_EQ(s.Lives, 4);
    EXPECT_FALSE(s.Game_Over);
    const Player_State& p = t.w().player;
    EXPECT_FALSE(p.Ego_Implose_On);
    EXPECT_FALSE(p.Ego_Explose_On);
    // Back on its save place, the cut's end, and stepping up the new edge.
    EXPECT_EQ(p.Ego_Col, 26);
    EXPECT_EQ(p.Ego_Row, 24);
    EXPECT_EQ(p.Ego_Step, 1);
    EXPECT_EQ(p.Ego_Y, 16 * 24 - 13 - 8);
    EXPECT_EQ(Dir_At(t.w().arena.Edge_Grid, 26, 20), Dir::Down);
    EXPECT_EQ(t.w().effects.Energy_Count, 12);
    EXPECT_EQ(t.w().effects.Reserve_Count, 12);

    int laser = 0, rocky = 0, no = 0;
    for (const Played_Wave& w : t.media.waves) {
        laser += w.Index == Wave::Laser;
        rocky += w.Index == Wave::Rocky;
        no += w.Index == Wave::No;
    }
    EXPECT_EQ(laser, 1);
    EXPECT_EQ(rocky, 1);
    EXPECT_GE(no, 6);
}

TEST(ScenarioCore, ReplaysIdentically) {
    Test_Game first(4242), second(4242);
    Play_Scenario(first);
    Play_Scenario(second);
    EXPECT_TRUE(first.w() == second.w());
    EXPECT_TRUE(first.media.Back_Buffer().Pixels == second.media.Back_Buffer().Pixels);
    ASSERT_EQ(first.media.waves.size(), second.media.waves.size());
    for (size_t i = 0; i < first.media.waves.size(); ++i) {
        EXPECT_EQ(first.media.waves[i].Frame, second.media.waves[i].Frame);
        EXPECT_EQ(first.media.waves[i].Index, second.media.waves[i].Index);
    }
    // The picture is not empty: the arena was drawn.
    int lit = 0;
    for (uint32_t px : first.media.Back_Buffer().Pixels) lit += px != 0;
    EXPECT_GT(lit, 10000);
}

}  // namespace
}  // namespace zarvo::test
