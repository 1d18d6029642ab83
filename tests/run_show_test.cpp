// Watching runs: the score screen finds the run of each entry, a watched run plays the game as
// it was at every speed in a World of its own (the player's World and table stay byte for
// byte), allocates nothing per frame, and keys and clicks steer or end it; an untouched title
// asks for a demo after 30 seconds, and the demo is the best stored run or the shipped one.
#include "game/run_show.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "driver/headless/runner.h"
#include "game/recorder.h"
#include "game/run_choice.h"
#include "game/run_keeper.h"
#include "game/run_outbox.h"
#include "game/run_tables.h"
#include "support/allocations.h"
#include "support/score_folder.h"
#include "support/test_game.h"

namespace zarvo::test {
namespace {

namespace fs = std::filesystem;

// A table of zeros on which the fixture's game ends in a name entry and keeps its run.
struct Kept_Run : ::testing::Test {
    Score_Folder folder;
    std::string run_path;
    int difficulty = 0, rank = 0;

    void SetUp() override {
        Bytes zeros(Score_File_Size, 0);
        for (int i = 1; i <= Score_Records; ++i) {
            Score_Entry e;
            e.Name.Length = 4;
            std::memcpy(e.Name.Letters, "ZERO", 4);
            Encode_Score_Record(e, zeros.data() + 16 * i);
        }
        folder.write(zeros);
        Script script;
        std::string error;
        ASSERT_EQ(Read_Script(std::string(ZARVO_SOURCE_DIR) + "/tests/data/entry_game.txt", script,
                              error),
                  0)
            << error;
        Recorder recording;
        Run_Keeper keeper(true);
        Headless_Runner game(Test_Assets(), *script.Seed, script.Screen);
        Run_Start start;
        start.Game_Version = "test";
        start.Seed = *script.Seed;
        start.Screen = script.Screen;
        start.Tables = Load_Run_Tables();
        recording.Start(start, 0);
        game.Record_Into(&recording, &keeper);
        game.Run(script, *script.Frames);
        ASSERT_EQ(keeper.Stored(), 1);
        for (const auto& e : fs::directory_iterator(folder.dir + "/runs"))
            run_path = e.path().string();
        const int record = game.world().screens.Name_Rank;
        difficulty = (record - 1) / Score_Table_Size + 1;
        rank = record - Score_Table_Base(difficulty) + 1;
    }

    Game_Run Read_Run() const {
        Game_Run run;
        std::string error;
        EXPECT_EQ(Read_Recording(run_path, run, error), 0) << error;
        return run;
    }

    // A player's game with the score screen up on the entry's table.
    void Open_Score_Screen(Test_Game& t) const {
        t.click_at(Title_Score_Burst);
        t.run(2);
        t.click_at(Centre(Score_Tab_Button(difficulty)));
        t.run(2);
    }
};

TEST_F(Kept_Run, TheScoreScreenFindsTheRunOfItsEntry) {
    Test_Game t;
    Watch_Choice choice;
    Open_Score_Screen(t);
    ASSERT_TRUE(Score_Screen_Up(t.w()));
    choice.Look(t.w());
    EXPECT_EQ(choice.Run_Of_Rank(t.w(), rank), run_path);
    const Screen_Point row = Centre(Score_Entry_Row(rank));
    EXPECT_EQ(choice.Run_At(t.w(), row.X, row.Y), run_path);
    const int other = rank == 1 ? 2 : 1;
    EXPECT_EQ(choice.Run_Of_Rank(t.w(), other), "");
    // Another tab shows another table: no run there.
    t.click_at(Centre(Score_Tab_Button(difficulty == 1 ? 2 : 1)));
    t.run(2);
    choice.Look(t.w());
    EXPECT_EQ(choice.Run_Of_Rank(t.w(), rank), "");
    // Closed, the screen offers nothing.
    t.click_at(Score_OK_Burst);
    t.run(2);
    choice.Look(t.w());
    EXPECT_FALSE(Score_Screen_Up(t.w()));
    EXPECT_EQ(choice.Run_At(t.w(), row.X, row.Y), "");
}

// The board's tick stands beside the arrow of an entry whose run the board has, and only there;
// a mark written while the screen is up shows without the table changing.
TEST_F(Kept_Run, TheScoreScreenShowsWhetherTheBoardHasTheRun) {
    const std::string file = fs::path(run_path).filename().string();
    std::string error;
    ASSERT_TRUE(Put_In_Outbox(file, error)) << error;
    Test_Game t;
    Watch_Choice choice;
    Open_Score_Screen(t);
    choice.Look(t.w());
    EXPECT_EQ(choice.Board_Mark_Of_Rank(rank), Board_Mark::Waiting);
    const int other = rank == 1 ? 2 : 1;
    EXPECT_EQ(choice.Board_Mark_Of_Rank(other), Board_Mark::None);
    ASSERT_TRUE(Mark_In_Outbox(file, {Board_Mark::Sent, 7}));
    t.run(1);
    choice.Look(t.w());
    EXPECT_EQ(choice.Board_Mark_Of_Rank(rank), Board_Mark::Sent);
    const Surface before = t.media.Picture();
    choice.Show_Marks(t.g);
    const Surface& after = t.media.Picture();
    const int top = Score_Entry_Row(rank).Top + 2;
    const auto changed = [&](int x0, int row_top) {
        int count = 0;
        for (int y = row_top; y < row_top + 11; ++y)
            for (int x = x0; x < x0 + 6; ++x) count += before.At(x, y) != after.At(x, y);
        return count;
    };
    EXPECT_GE(changed(Score_Board_Mark_X, top), 10);
    EXPECT_EQ(changed(Score_Board_Mark_X, Score_Entry_Row(other).Top + 2), 0);
}

TEST_F(Kept_Run, WatchingLeavesThePlayersWorldAndTableAsTheyWere) {
    Test_Game t;
    Open_Score_Screen(t);
    const World before = t.w();
    const Bytes table = folder.bytes();
    const size_t shown = t.media.shown_frames;
    Run_Show show;
    std::string error;
    ASSERT_TRUE(show.Start(Read_Run(), Test_Assets(), t.media, Show_Kind::Watch, error)) << error;
    t.media.waves.reserve(1 << 16);
    show.Key('8');
    int ticks = 0;
    while (show.Active() && ticks < 100000) show.Tick(), ++ticks;
    EXPECT_FALSE(show.Active());
    EXPECT_GT(ticks, 100);
    EXPECT_TRUE(t.w() == before);
    EXPECT_EQ(folder.bytes(), table);
    EXPECT_EQ(Score_File_Path(), folder.path);
    EXPECT_EQ(t.media.shown_frames - shown, static_cast<size_t>(ticks - 1));
    // The player's game goes on from where it stood.
    t.run(1);
    EXPECT_TRUE(Score_Screen_Up(t.w()));
}

TEST_F(Kept_Run, EverySpeedPlaysTheSameGame) {
    const Game_Run run = Read_Run();
    for (const int speed : Run_Show::Speeds) {
        Headless_Media out(Test_Assets());
        out.waves.reserve(1 << 16);
        Run_Show show;
        std::string error;
        ASSERT_TRUE(show.Start(run, Test_Assets(), out, Show_Kind::Watch, error)) << error;
        show.Key('0' + speed);
        EXPECT_EQ(show.Speed(), speed);
        Run_Player alone(run, Test_Assets(), false);
        ASSERT_TRUE(alone.Ready(error)) << error;
        for (int tick = 0; tick < 300; ++tick) {
            show.Tick();
            for (int k = 0; k < speed; ++k) alone.Step();
        }
        ASSERT_TRUE(show.Active());
        EXPECT_TRUE(show.Shown_World() == alone.world()) << "speed " << speed;
    }
}

TEST_F(Kept_Run, WatchingAllocatesNothingPerFrame) {
    Headless_Media out(Test_Assets());
    out.waves.reserve(1 << 16);
    Run_Show show;
    std::string error;
    ASSERT_TRUE(show.Start(Read_Run(), Test_Assets(), out, Show_Kind::Watch, error)) << error;
    for (int tick = 0; tick < 50; ++tick) show.Tick();
    const long before = Allocations_So_Far();
    for (int tick = 0; tick < 200; ++tick) show.Tick();
    show.Key('8');
    for (int tick = 0; tick < 100; ++tick) show.Tick();
    EXPECT_EQ(Allocations_So_Far() - before, 0);
    EXPECT_TRUE(show.Active());
}

TEST_F(Kept_Run, KeysSteerAWatchedRunAndEndADemo) {
    Headless_Media out(Test_Assets());
    out.waves.reserve(1 << 16);
    Run_Show show;
    std::string error;
    ASSERT_TRUE(show.Start(Read_Run(), Test_Assets(), out, Show_Kind::Watch, error)) << error;
    EXPECT_EQ(show.Speed(), 1);
    show.Key(39);  // right arrow: faster
    EXPECT_EQ(show.Speed(), 2);
    show.Key('8');
    show.Key(39);
    EXPECT_EQ(show.Speed(), 8);
    show.Key(37);  // left arrow: slower
    EXPECT_EQ(show.Speed(), 4);
    show.Tick();
    const int32_t frame = show.Shown_World().Frame_Count;
    show.Key('P');
    EXPECT_TRUE(show.Paused());
    show.Tick();
    EXPECT_EQ(show.Shown_World().Frame_Count, frame);
    show.Key(' ');
    show.Tick();
    EXPECT_EQ(show.Shown_World().Frame_Count, frame + 4);
    show.Key('A');
    EXPECT_FALSE(show.Active());

    ASSERT_TRUE(show.Start(Read_Run(), Test_Assets(), out, Show_Kind::Demo, error)) << error;
    show.Key('8');
    EXPECT_FALSE(show.Active());
    ASSERT_TRUE(show.Start(Read_Run(), Test_Assets(), out, Show_Kind::Watch, error)) << error;
    show.Click();
    EXPECT_FALSE(show.Active());
}

TEST_F(Kept_Run, ADemoIsSilentAndAWatchedRunSoundsOnlyAtItsOwnSpeed) {
    const Game_Run run = Read_Run();
    const auto waves_of = [&](Show_Kind kind, char speed) {
        Headless_Media out(Test_Assets());
        Run_Show show;
        std::string error;
        EXPECT_TRUE(show.Start(run, Test_Assets(), out, kind, error)) << error;
        if (kind == Show_Kind::Watch) show.Key(speed);
        while (show.Active()) show.Tick();
        return out.waves.size();
    };
    EXPECT_GT(waves_of(Show_Kind::Watch, '1'), 0u);
    EXPECT_EQ(waves_of(Show_Kind::Watch, '2'), 0u);
    EXPECT_EQ(waves_of(Show_Kind::Demo, '1'), 0u);
}

TEST_F(Kept_Run, TheDemoIsTheBestStoredRunElseTheShippedOne) {
    const std::string shipped = folder.dir + "/demo.zrun";
    std::ofstream(shipped) << "seed 7\nscreen 800 600\n";
    Game_Run run;
    std::string error;
    ASSERT_TRUE(Choose_Demo_Run(difficulty, shipped, run, error)) << error;
    EXPECT_EQ(run.Header.Score, Read_Run().Header.Score);
    // No run kept on the other tables: the shipped demo, which must be a run.
    const int other = difficulty == 1 ? 2 : 1;
    EXPECT_FALSE(Choose_Demo_Run(other, shipped, run, error));
    EXPECT_NE(error.find("not a run"), std::string::npos) << error;
    fs::copy_file(run_path, shipped, fs::copy_options::overwrite_existing);
    EXPECT_TRUE(Choose_Demo_Run(other, shipped, run, error)) << error;
    EXPECT_FALSE(Choose_Demo_Run(other, folder.dir + "/none.zrun", run, error));
}

TEST(Attract_Clock, AnUntouchedTitleAsksForADemoAfterThirtySeconds) {
    Test_Game t;
    t.run(1);
    Attract_Clock clock;
    for (int k = 1; k < Attract_Clock::Idle_Ticks; ++k) ASSERT_FALSE(clock.Due(t.w(), false)) << k;
    EXPECT_TRUE(clock.Due(t.w(), false));
    EXPECT_FALSE(clock.Due(t.w(), false));  // counting again
    for (int k = 1; k < Attract_Clock::Idle_Ticks; ++k) clock.Due(t.w(), false);
    EXPECT_FALSE(clock.Due(t.w(), true));  // touched at the last moment
    // A box over the title is no bare title.
    t.click_at(Title_Option_Burst);
    t.run(1);
    EXPECT_FALSE(Bare_Title_Up(t.w()));
    for (int k = 0; k < Attract_Clock::Idle_Ticks + 5; ++k)
        ASSERT_FALSE(clock.Due(t.w(), false)) << k;
}

}  // namespace
}  // namespace zarvo::test
