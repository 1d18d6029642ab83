// The name entry after a game: the rank search, typing and storing, switching tables and
// the way back to the title.
#include "screens/name_entry.h"

#include "support/score_folder.h"
#include "support/test_game.h"

namespace zarvo::test {
namespace {

struct Name_Entry : ::testing::Test {
    Score_Folder folder;
    Test_Game t;
    Game_State& s() { return t.s(); }
    Screen_State& c() { return t.w().screens; }

    // The game-over box hands over to the name entry.
    void game_ended(int difficulty, int level, int32_t score) {
        s().Sponsor_On = false;
        s().Difficulty = difficulty, s().Level = level, s().Score = score;
        s().Set_Score_New_On = true;
        t.run(1);
    }
    void type(const char* name) {
        for (const char* p = name; *p; ++p) t.key(Letter_Key(*p));
    }
    void click(int x, int y) {
        Pending_Click(s(), x, y);
        t.run(1);
    }
    void click(Screen_Point p) { click(p.X, p.Y); }
    void press_ok() { click(Score_OK_Button.Right, Score_OK_Button.Bottom); }
};

TEST_F(Name_Entry, AnEqualScoreDoesNotQualifyOnePointMoreTakesRankTen) {
    game_ended(1, 4, 70000);
    EXPECT_FALSE(c().Name_Qualifies);
    EXPECT_FALSE(s().Name_Entry_On);
    const Bytes before = folder.bytes();
    t.key(Key_Code::Enter);
    t.run(1);
    EXPECT_TRUE(s().Sponsor_On);
    EXPECT_EQ(folder.bytes(), before);
    // Not qualified: the game may go on where it ended.
    EXPECT_EQ(s().Score, 70000);
    EXPECT_EQ(s().Level, 4);
    EXPECT_EQ(s().Lives, 5);

    game_ended(1, 4, 70001);
    EXPECT_EQ(c().Name_Rank, 10);
    type("ROOKIE");
    t.key(Key_Code::Enter);
    t.run(1);
    const Bytes after = folder.bytes();
    EXPECT_EQ(Record(after, 10), Record_Of("ROOKIE", 70001));
    EXPECT_TRUE(Same_Span(before, after, 0, 160));
    EXPECT_TRUE(Same_Span(before, after, 176, 496));
    EXPECT_EQ(s().Score, 0);
    EXPECT_EQ(s().Level, 1);
    EXPECT_EQ(s().Difficulty, 1);
}

TEST_F(Name_Entry, TheBestScoreTakesRankOneAndASecondEnterOnlyLeaves) {
    game_ended(3, 8, 40000);
    EXPECT_EQ(c().Name_Rank, 21);
    type("Champion");
    t.key(Key_Code::Enter);
    t.run(1);
    EXPECT_TRUE(s().Set_Score_New_On);  // stored; the screen stays
    EXPECT_FALSE(s().Name_Entry_On);
    const Bytes file = folder.bytes();
    EXPECT_EQ(Record(file, 21), Record_Of("CHAMPION", 40000));
    EXPECT_EQ(Record(file, 22), Record_Of("Zarvo", 37000));
    EXPECT_EQ(Record(file, 30), Record_Of("Zarvo", 13000));
    t.key(Key_Code::Enter);
    t.run(1);
    EXPECT_TRUE(s().Sponsor_On);
    EXPECT_TRUE(s().Sponsor_Paused);
    EXPECT_EQ(folder.bytes(), file);
    EXPECT_EQ(t.media.clip.Top, 445);
}

TEST_F(Name_Entry, OkStoresTheLettersSoFarOrNobody) {
    s().Fire_Code = true;
    game_ended(2, 3, 50000);
    ASSERT_EQ(c().Name_Rank, 17);
    press_ok();
    EXPECT_EQ(Record(folder.bytes(), 17), Record_Of("NOBODY", 50000));
    EXPECT_TRUE(s().Sponsor_On);
    EXPECT_EQ(s().Star_Fire_Count, 24);

    game_ended(1, 1, 96000);
    type("HALFWA");
    t.key(Key_Code::Backspace);
    press_ok();
    EXPECT_EQ(Record(folder.bytes(), 2), Record_Of("HALFW", 96000));
}

TEST_F(Name_Entry, DeletingTheOwnTableFirstPutsTheEntryFirst) {
    game_ended(2, 2, 45000);
    ASSERT_EQ(c().Name_Rank, 19);
    click(Score_Delete_Burst);
    type("AFTER");
    t.key(Key_Code::Enter);
    t.run(1);
    EXPECT_EQ(Record(folder.bytes(), 11), Record_Of("AFTER", 45000));
    EXPECT_EQ(Record(folder.bytes(), 12), Record_Of("Zarvo", 0));
}

TEST_F(Name_Entry, SwitchingTabsHidesTheNameLineAndBringsItBack) {
    Recording_Media rec;
    Game g{t.w(), rec};
    game_ended(1, 5, 80000);
    type("ABC");
    click(Centre(Score_Tab_Button(2)));
    EXPECT_FALSE(s().Name_Entry_On);
    t.key(Letter_Key('D'));  // no typing under another table
    click(Centre(Score_Tab_Button(1)));
    EXPECT_TRUE(s().Name_Entry_On);
    Show_Set_Score_New(g);
    EXPECT_EQ(rec.letters_in_row(316), 3);  // the letters typed so far
}

// Accepting under another table: the entry goes there if the score beats one of its
// entries, otherwise into the table of the difficulty played; nothing else is written.
TEST_F(Name_Entry, AcceptingUnderAnotherTable) {
    game_ended(3, 2, 30000);  // rank 24 of the third table, nothing in the first
    type("OWN");
    click(Centre(Score_Tab_Button(1)));
    Bytes before = folder.bytes();
    press_ok();
    Bytes after = folder.bytes();
    EXPECT_EQ(Record(after, 24), Record_Of("OWN", 30000));
    EXPECT_EQ(Record(after, 25), Record(before, 24));
    EXPECT_TRUE(Same_Span(before, after, 0, Table_Begin(3)));

    game_ended(2, 2, 41000);  // rank 20 in its own table, rank 21 in the third
    click(Centre(Score_Tab_Button(3)));
    before = after;
    press_ok();
    after = folder.bytes();
    EXPECT_EQ(Record(after, 21), Record_Of("NOBODY", 41000));
    EXPECT_TRUE(Same_Span(before, after, 0, Table_Begin(3)));
}

TEST_F(Name_Entry, DriveErrorTakesTheNameButStoresNothing) {
    Set_Score_File_Path((folder.dir + "/gone/Zarvo.Scr").c_str());
    game_ended(1, 6, 99999);
    EXPECT_TRUE(c().Drive_Error);
    EXPECT_TRUE(s().Name_Entry_On);  // the score beats the default entries shown
    type("LOST");
    t.key(Key_Code::Enter);
    t.run(1);
    EXPECT_EQ(c().Score_Points[1], 97000);
    EXPECT_EQ(s().Score, 0);
    EXPECT_EQ(s().Level, 1);
    EXPECT_FALSE(std::filesystem::exists(folder.dir + "/gone"));
}

}  // namespace
}  // namespace zarvo::test
