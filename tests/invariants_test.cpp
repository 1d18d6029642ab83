// The game's invariants: each one notices the damage it stands for, they hold through every
// screen opened and closed during the figure's appearance and death, and the random player
// that checks them every frame is recorded so that its run replays to the same World.
#include "game/invariants.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <sstream>

#include "driver/headless/monkey.h"
#include "driver/headless/runner.h"
#include "game/dump.h"
#include "platform/binary_file.h"
#include "screens/screen_rects.h"
#include "support/score_folder.h"
#include "support/test_game.h"

namespace zarvo {
namespace {

struct Checked_Game {
    test::Test_Game t{4242};
    Invariant_Checker checker;
    bool broken_once = false;

    // Runs frames, checking the invariants after each; stops at the first broken one.
    void run(int frames) {
        for (int i = 0; i < frames && !broken_once; ++i) {
            t.run(1);
            const Invariant_Break broken = checker.Check(t.w());
            broken_once = static_cast<bool>(broken);
            EXPECT_FALSE(broken) << "frame " << t.w().Frame_Count << ": " << broken.Name << ": "
                                 << broken.Detail;
        }
    }
};

TEST(Invariants, EachNoticesTheDamageItStandsFor) {
    test::Test_Game t(99);
    t.start_game();
    Invariant_Checker checker;
    ASSERT_FALSE(checker.Check(t.w()));
    auto broken_by = [&](auto damage) {
        World w = t.w();
        damage(w);
        Invariant_Checker fresh;
        fresh.Check(t.w());
        return std::string(fresh.Check(w) ? fresh.Check(w).Name : "nothing");
    };
    EXPECT_EQ(broken_by([](World& w) { Set_Dir(w.arena.Edge_Grid, 10, 1, Dir::Down); }),
              "edge loop");
    EXPECT_EQ(broken_by([](World& w) { Set_Floor(w.arena.Floor_Grid, 10, 10, Floor::Edge); }),
              "edge loop");
    EXPECT_EQ(broken_by([](World& w) { Set_Floor(w.arena.Floor_Grid, 10, 10, Floor::Gone); }),
              "claimed");
    EXPECT_EQ(broken_by([](World& w) { w.player.Ego_Col = 20; }), "figure");
    EXPECT_EQ(broken_by([](World& w) { w.player.Ego_Y += 8; }), "figure");
    EXPECT_EQ(broken_by([](World& w) { Set_Dir(w.arena.Way_Grid, 30, 5, Dir::Left); }), "figure");
    EXPECT_EQ(broken_by([](World& w) { w.game.Enimy_Count += 1; }), "enemy count");
    EXPECT_EQ(broken_by([](World& w) { w.effects.Energy_Count = 13; }), "ranges");
    EXPECT_EQ(broken_by([](World& w) { w.game.CodeWord_1.Length = 21; }), "ranges");
    t.w().game.Score = 500;
    checker.Check(t.w());
    t.w().game.Score = 499;
    EXPECT_STREQ(checker.Check(t.w()).Name, "score");
}

// Opens a screen over the game by its panel button and closes it again, with a direction held
// all along, as a restless player would.
enum class Screen { Score_Table, Options, Title };

void Open_And_Close(Checked_Game& c, Screen screen) {
    test::Test_Game& t = c.t;
    t.click_at(screen == Screen::Score_Table ? Panel_Score_Burst
               : screen == Screen::Options   ? Panel_Option_Burst
                                             : Panel_Title_Burst);
    c.run(2);
    t.key(screen == Screen::Title ? Key_Code::Space
                                  : Key_Code::Enter);  // closes the box, or starts from the title
    c.run(2);
    ASSERT_TRUE(t.s().Playing) << "the screen did not close";
}

TEST(Invariants, ScreensOpenedDuringTheFigureSequencesKeepItOnTheEdge) {
    for (Screen screen : {Screen::Score_Table, Screen::Options, Screen::Title}) {
        for (int sequence = 0; sequence < 3; ++sequence) {
            SCOPED_TRACE("screen " + std::to_string(static_cast<int>(screen)) + ", sequence " +
                         std::to_string(sequence));
            Checked_Game c;
            test::Test_Game& t = c.t;
            t.key(Key_Code::Enter);
            c.run(3);
            t.hold(false, false, true, false);  // left: into the floor from the right edge
            if (sequence == 0) {                // during the appearance at the level start
                Open_And_Close(c, screen);
                c.run(120);
                continue;
            }
            t.run_until_released();
            c.run(sequence == 1 ? 9 : 0);  // 1: dies four cells into a cut; 2: on the edge
            t.hold(false, true, false, false);
            const Player_State before = t.w().player;
            t.w().effects.Energy_Count = 0;
            t.w().effects.Reserve_Count = 1;
            t.w().player.Ego_Hit = true;
            c.run(4);
            ASSERT_TRUE(t.w().player.Ego_Explose_On);
            Open_And_Close(c, screen);
            for (int i = 0; i < 200 && t.w().player.Ego_Explose_On; ++i) c.run(1);
            EXPECT_EQ(t.w().player.Ego_Col, before.Ego_Save_Col);
            EXPECT_EQ(t.w().player.Ego_Row, before.Ego_Save_Row);
            c.run(120);
        }
    }
}

// The random player never ends the program. On the title a click counts where the pointer
// stands when the tick comes, so a click still pending must never be carried onto QUIT by a
// later move of the same tick (a fast double click over the title's band). Many title frames,
// each consumed as the title frame would, without running the ticks.
TEST(Monkey, NeverLeavesAClickPendingOnQuit) {
    Headless_Runner run(nullptr, 7);
    Monkey monkey(7);
    int pending_on_quit = 0, clicks = 0;
    for (int32_t frame = 1; frame <= 200000; ++frame) {
        run.Begin_Frame(frame);
        monkey.Play_Frame(run, nullptr);
        Game_State& s = run.world().game;
        clicks += s.Mouse_Clicked;
        pending_on_quit += s.Mouse_Clicked && Title_Quit_Button.Contains(s.Mouse_X, s.Mouse_Y);
        s.Mouse_Clicked = s.Key_Pressed = false;
    }
    EXPECT_GT(clicks, 10000);
    EXPECT_EQ(pending_on_quit, 0);
}

// A run plays every frame it was asked for, and a run that ends before (the program quit)
// is a finding, not a short run counted as a whole one.
TEST(Monkey, ARunThatEndsEarlyIsAFinding) {
    Headless_Runner run(nullptr, 3);
    run.world().game.Quit_Requested = true;
    std::ostringstream err;
    EXPECT_EQ(Run_Monkey(run, 3, 50, nullptr, err), 3);
    EXPECT_NE(err.str().find("invariant 'ended' broken at frame 0"), std::string::npos)
        << err.str();
    Headless_Runner whole(nullptr, 3);
    EXPECT_EQ(Run_Monkey(whole, 3, 500, nullptr, err), 0) << err.str();
    EXPECT_EQ(whole.Frame(), 500);
    EXPECT_GT(whole.world().Frame_Count, 0);
    EXPECT_LE(whole.world().Frame_Count, 500);
}

// Played as the desktop measure plays: an arrow held for 15 frames in turn, Space after each.
// Cuts remove floor, so the still draws shift in the list; every frame must still come out as
// drawn whole, and the still layer must carry most of the frame's draws most of the time.
TEST(Drawing_By_Difference, APlayedGameShowsEveryFrameAsDrawnWhole) {
    test::Test_Game t(4711);
    t.start_game();
    int frames = 0, mostly_still = 0;
    for (int turn = 0; turn < 80; ++turn) {
        const int d = turn % 4;
        t.hold(d == 2, d == 0, d == 1, d == 3);  // down, left, up, right
        for (int i = 0; i < 15; ++i, ++frames) {
            t.run(1);
            ASSERT_TRUE(t.media.Agrees_With_Whole_Redraw()) << "frame " << t.w().Frame_Count;
            mostly_still += 2 * t.media.Still_Draws() > t.media.Frame_Draws();
        }
        t.release();
        t.key(Key_Code::Space);
    }
    EXPECT_GT(t.s().Score, 0) << "no cut was made";
    EXPECT_GT(10 * mostly_still, 8 * frames) << mostly_still << " of " << frames << " frames";
}

TEST(Monkey, ARecordedMonkeyRunReplaysToTheSameWorld) {
    // A name of this process alone: other runs of the suite on the machine write theirs.
    const std::string recording =
        testing::TempDir() + "zarvo_monkey_" + std::to_string(::getpid()) + ".txt";
    Headless_Options o;
    o.Frames = 3000;
    o.Monkey = 20;
    o.Record = recording;
    std::ostringstream err;
    // Every run starts without a score table: what one run stores, the next must not find.
    test::Score_Folder scores;
    Headless_Runner played(test::Test_Assets(), 20);
    Recorder rec;
    ASSERT_TRUE(rec.Open(recording, 20, {}));
    ASSERT_EQ(Run_Monkey(played, 20, o.Frames, &rec, err), 0) << err.str();
    ASSERT_TRUE(rec.Close());

    std::string text, problem;
    ASSERT_TRUE(Read_Whole_File(recording, text));
    Script script;
    ASSERT_TRUE(Parse_Script(text, script, problem)) << problem;
    EXPECT_GT(script.Events.size(), 1000u);
    std::filesystem::remove(scores.path);
    Headless_Runner replayed(test::Test_Assets(), *script.Seed, script.Screen);
    replayed.Run(script, o.Frames);
    EXPECT_TRUE(replayed.world() == played.world());
    EXPECT_EQ(Dump_World(replayed.world()), Dump_World(played.world()));
    EXPECT_GT(played.world().game.Score, 0) << "the monkey never got to play";

    // The whole program: a run of the same seed and its replay leave the same dump.
    const std::string own = testing::TempDir() + "zarvo_monkey_" + std::to_string(::getpid());
    const std::string dump_a = own + "_a.json";
    const std::string dump_b = own + "_b.json";
    o.Frames = 600;
    o.Dump = dump_a;
    std::filesystem::remove(scores.path);
    ASSERT_EQ(Run_Headless(o, test::Test_Assets(), err), 0) << err.str();
    std::filesystem::remove(scores.path);
    Headless_Options r;
    r.Frames = o.Frames;
    r.Input = recording;
    r.Dump = dump_b;
    ASSERT_EQ(Run_Headless(r, test::Test_Assets(), err), 0) << err.str();
    std::string a, b;
    ASSERT_TRUE(Read_Whole_File(dump_a, a));
    ASSERT_TRUE(Read_Whole_File(dump_b, b));
    EXPECT_EQ(a, b);
}

}  // namespace
}  // namespace zarvo
