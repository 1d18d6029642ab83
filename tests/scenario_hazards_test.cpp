// Played scenarios from the start of the first level with a fixed seed, which puts the Blaster
// on place 1 and a Pyr of star shots on place 6, with places 2 and 5 free for the trails.
#include <gtest/gtest.h>

#include "hazards/hazard_places.h"
#include "support/test_game.h"

namespace zarvo::test {
namespace {

constexpr uint32_t Scenario_Seed = 14;
enum Key { Up, Down, Left, Right };

// Holds one direction until the figure stands on (col, row), then lets go for a frame, which
// closes a cut that has reached the edge. Answers false if the figure got stuck.
bool Walk(Test_Game& t, Key key, int col, int row, int limit = 200) {
    t.hold(key == Up, key == Down, key == Left, key == Right);
    const Player_State& p = t.w().player;
    for (int i = 0; i < limit && !(p.Ego_Col == col && p.Ego_Row == row && p.Ego_Step == 0); ++i)
        t.run();
    t.release();
    t.run();
    return p.Ego_Col == col && p.Ego_Row == row;
}

template <typename Condition>
bool Run_Until(Test_Game& t, Condition done, int limit = 200) {
    for (int i = 0; i < limit && !done(); ++i) t.run();
    return done();
}

struct Scenario {
    Test_Game t{Scenario_Seed};
    Scenario() { t.start_game(); }
    // Round place 6 (cells 29..33 x 6..10): left along row 11, up column 28.
    bool cut_right_corner() {
        return Walk(t, Up, 36, 11) && Walk(t, Left, 28, 11) && Walk(t, Up, 28, 1);
    }
    // Round place 1 (cells 4..8 x 6..10): down column 9, left along row 11.
    bool cut_left_corner() {
        return Walk(t, Left, 9, 1) && Walk(t, Down, 9, 11) && Walk(t, Left, 1, 11);
    }
    const Pyr_Rec& pyr() { return t.w().hazards.Pyr[6]; }
    const Blaster_Rec& blaster() { return t.w().hazards.Blaster[1]; }
};

TEST(HazardScenario, CuttingDestroysAPyrAndABlaster) {
    Scenario s;
    ASSERT_TRUE(s.blaster().Present);
    ASSERT_TRUE(s.pyr().Present);
    ASSERT_EQ(s.pyr().Pyr_Kind, 2);
    const int32_t count = s.t.s().Enimy_Count;
    ASSERT_TRUE(s.cut_right_corner());
    EXPECT_TRUE(s.pyr().Dying);
    ASSERT_TRUE(Run_Until(s.t, [&] { return s.pyr().Exploding; }));
    const int32_t score = s.t.s().Score;
    s.t.run();
    EXPECT_EQ(s.t.s().Score, score + 888);
    EXPECT_EQ(s.t.s().Star_Fire_Count, 24);
    ASSERT_TRUE(Run_Until(s.t, [&] { return !s.pyr().Exploding; }));
    EXPECT_EQ(s.t.s().Enimy_Count, count - 1);

    ASSERT_TRUE(s.cut_left_corner());
    EXPECT_TRUE(s.blaster().Dying);
    ASSERT_TRUE(Run_Until(s.t, [&] { return s.blaster().Exploding; }));
    const int32_t before = s.t.s().Enimy_Count;
    s.t.run(38);
    EXPECT_EQ(s.t.s().Enimy_Count, before - 1);
    EXPECT_FALSE(s.blaster().Present);
}

TEST(HazardScenario, ReplaysFrameForFrame) {
    Scenario a, b;
    for (Scenario* s : {&a, &b}) {
        s->cut_right_corner();
        s->cut_left_corner();
        s->t.run(150);
    }
    EXPECT_TRUE(a.t.w() == b.t.w());
}

TEST(HazardScenario, ABlockBarsTheStepUntilItIsShot) {
    Scenario s;
    Flame_Rec& block = s.t.w().hazards.Blaster[1].Flame[1];
    block.Flame_Block = true;
    block.Flame_Col = 36, block.Flame_Row = 11, block.Flame_Life = 1000;
    s.t.w().arena.Blocker_Grid.set(36, 11, Blocker_Mark);
    EXPECT_FALSE(Walk(s.t, Up, 36, 11, 10));
    const int32_t score = s.t.s().Score;
    s.t.s().Star_Fire_Count = 1;
    s.t.key(Key_Code::Space);
    s.t.run(2);
    EXPECT_EQ(s.t.s().Score, score + 111);
    EXPECT_TRUE(Walk(s.t, Up, 36, 11, 10));
}

TEST(HazardScenario, ClosingTheCutBurnsOutTheFuseOnItsTrail) {
    Scenario s;
    ASSERT_TRUE(Walk(s.t, Down, 36, 20));
    ASSERT_TRUE(Walk(s.t, Left, 33, 20));
    Fuse_Rec& fuse = s.t.w().hazards.Fuse[1];
    fuse.Fuse_On = true;
    fuse.Fuse_Col = 35, fuse.Fuse_Row = 20;
    ASSERT_TRUE(Walk(s.t, Down, 33, 24));
    EXPECT_TRUE(fuse.Fuse_On);
    EXPECT_TRUE(fuse.Fuse_Done);
    EXPECT_TRUE(Run_Until(
        s.t, [&] { return !fuse.Fuse_On; }, 40));
}

}  // namespace
}  // namespace zarvo::test
