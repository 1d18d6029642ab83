// A whole game from the title to the stored score, with scripted input: the player clears
// the first table, starts, cuts across the arena, finishes the level, loses the last life on
// the next one under the score table opened from the panel, types a name and is back at the
// title with the entry in the file, ready for a fresh game.

#include "support/score_folder.h"
#include "support/test_game.h"

namespace zarvo::test {
namespace {

struct Full_Game : ::testing::Test {
    Score_Folder folder;
    Test_Game t;
    Game_State& s() { return t.s(); }

    void run_until(bool (*done)(const Game_State&), int limit) {
        for (int i = 0; i < limit && !done(s()); ++i) t.run(1);
    }
    void type(const char* text) {
        for (const char* p = text; *p; ++p) t.key(Letter_Key(*p));
    }
};

TEST_F(Full_Game, FromTheTitleToTheStoredScore) {
    // The title greets; the player opens the score table, clears NOVICE and closes it.
    t.run(25);
    ASSERT_GT(Waves_Played(t.media, Wave::Welcome), 0);
    t.click_at(Title_Score_Burst);
    t.run(1);
    ASSERT_TRUE(s().Sponsor_Score_On);
    t.click_at(Score_Delete_Burst);
    t.run(1);
    t.click_at(Score_OK_Burst);
    t.run(1);
    ASSERT_FALSE(s().Sponsor_Score_On);
    const Bytes cleared = folder.bytes();
    ASSERT_EQ(cleared.size(), 496u);
    EXPECT_EQ(Record(cleared, 1), Record_Of("Zarvo", 0));

    // Start, and wait for the figure to appear.
    t.click_at(Title_Start_Burst);
    t.run(1);
    ASSERT_FALSE(s().Sponsor_On);
    EXPECT_GT(Waves_Played(t.media, Wave::Danger), 0);
    t.run_until_released();
    ASSERT_FALSE(s().Game_Halted);

    // Walk left from the right edge across the arena; the cut scores when it closes.
    t.hold(false, false, true, false);
    run_until([](const Game_State& g) { return g.Score > 0 || g.Game_Over; }, 200);
    t.release();
    ASSERT_GT(s().Score, 0);

    // The rest of the level's enemies are taken as destroyed: the level is complete.
    s().Enimy_Count = 0;
    t.run(1);
    ASSERT_TRUE(s().Well_Done);
    t.run(60);
    t.click_at(Box_OK_Burst);
    t.run(1);
    ASSERT_FALSE(s().Well_Done);
    EXPECT_EQ(s().Level, 2);
    EXPECT_GT(Waves_Played(t.media, Wave::Reload), 0);
    t.run_until_released();

    // The last life: the player looks at the score table from the panel, and every frame
    // something hits the figure until the energy is gone.
    t.click_at(Panel_Score_Burst);
    t.run(1);
    ASSERT_TRUE(s().Panel_Score_On);
    s().Lives = 1;
    for (int i = 0; i < 3000 && !s().Game_Over; ++i) {
        t.w().player.Ego_Hit = true;
        t.run(1);
    }
    ASSERT_TRUE(s().Game_Over);
    const int32_t final_score = s().Score;
    ASSERT_GT(final_score, 0);

    // Game over closes the table; then the name entry: the score beats the cleared table.
    t.run(3);
    EXPECT_FALSE(s().Panel_Score_On);
    t.key(Key_Code::Enter);
    t.run(1);
    ASSERT_TRUE(s().Set_Score_New_On);
    t.run(1);
    ASSERT_TRUE(s().Name_Entry_On);
    type("WINNER");
    t.key(Key_Code::Enter);
    t.run(1);
    t.key(Key_Code::Enter);
    t.run(1);

    // Back at the title, ready for a new game from the start.
    EXPECT_TRUE(s().Sponsor_On);
    EXPECT_FALSE(s().Set_Score_New_On);
    EXPECT_EQ(s().Score, 0);
    EXPECT_EQ(s().Level, 1);
    EXPECT_EQ(s().Difficulty, 1);
    EXPECT_EQ(s().Lives, 5);

    const Bytes file = folder.bytes();
    ASSERT_EQ(file.size(), 496u);
    EXPECT_EQ(Record(file, 1), Record_Of("WINNER", final_score));
    for (int i = 2; i <= 10; ++i) EXPECT_EQ(Record(file, i), Record(cleared, i - 1)) << i;
    EXPECT_TRUE(Same_Span(cleared, file, Table_Begin(2), 496));
    t.run(30);
    EXPECT_TRUE(s().Sponsor_On);

    // The next game starts with a full energy store and no table over it.
    t.key(Key_Code::Enter);
    t.run(1);
    ASSERT_FALSE(s().Sponsor_On);
    EXPECT_EQ(t.w().effects.Energy_Count, 12);
    EXPECT_EQ(t.w().effects.Reserve_Count, 12);
    t.run_until_released();
    EXPECT_FALSE(s().Panel_Score_On);
    EXPECT_FALSE(s().Game_Halted);
}

}  // namespace
}  // namespace zarvo::test
