// Runs: the file format and its bad input, a scripted game that keeps its run beside its table
// entry, verifying it, every kind of tampering, a run leaving the table with its entry, and a
// recording made on a player's own table that replays to the same World.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "driver/headless/runner.h"
#include "game/dump.h"
#include "game/recorder.h"
#include "game/run_keeper.h"
#include "game/run_player.h"
#include "game/run_tables.h"
#include "game/run_verify.h"
#include "support/allocations.h"
#include "support/read_file.h"
#include "support/score_folder.h"
#include "support/test_game.h"

namespace zarvo::test {
namespace {

namespace fs = std::filesystem;

void Write_File(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

std::string Fake_Date() {
    return "2026-12-08T17:30:00Z";
}

Game_Run Small_Run() {
    Game_Run run;
    run.Is_Run = true;
    Run_Header& h = run.Header;
    h.Game_Version = "1.2.3";
    h.Start_Difficulty = 2, h.Start_Level = 5, h.Start_Fire = true;
    h.Date = Fake_Date();
    h.Tables = Default_Run_Tables();
    h.Tables[4].Name = {};
    h.Tables[4].Name.Length = 3;
    h.Tables[4].Name.Letters[0] = 'A', h.Tables[4].Name.Letters[1] = '%';
    h.Tables[4].Name.Letters[2] = ' ';
    h.Tables[7].Name = {};  // an empty name
    h.Name = "WINNER";
    h.Score = 4711;
    h.Pace = {24000, 48100};
    h.Digest = 0x0123456789abcdefull;
    run.Input.Seed = 99;
    run.Input.Screen = {1920, 1080};
    run.Input.Frames = 2500;
    run.Input.Events = {{1, Event_Kind::Key, 13, 0},
                        {40, Event_Kind::Hold, 2, 0},
                        {40, Event_Kind::Move, 505, 475},
                        {2500, Event_Kind::Click, 0, 0}};
    return run;
}

TEST(Run_File, WritesAndReadsEveryField) {
    const Game_Run run = Small_Run();
    Game_Run back;
    std::string error;
    ASSERT_EQ(Parse_Run(Format_Run(run), back, error), 0) << error;
    EXPECT_TRUE(back.Is_Run);
    EXPECT_TRUE(back.Header.Check_Holds);
    EXPECT_EQ(back.Header.Game_Version, "1.2.3");
    EXPECT_EQ(back.Header.Start_Difficulty, 2);
    EXPECT_EQ(back.Header.Start_Level, 5);
    EXPECT_FALSE(back.Header.Start_Immortal);
    EXPECT_TRUE(back.Header.Start_Fire);
    EXPECT_EQ(back.Header.Date, Fake_Date());
    EXPECT_EQ(back.Header.Tables, run.Header.Tables);
    EXPECT_EQ(back.Header.Name, "WINNER");
    EXPECT_EQ(back.Header.Score, 4711);
    EXPECT_EQ(back.Header.Pace, run.Header.Pace);
    EXPECT_EQ(back.Header.Digest, run.Header.Digest);
    EXPECT_EQ(back.Input.Seed, run.Input.Seed);
    EXPECT_EQ(back.Input.Screen, run.Input.Screen);
    EXPECT_EQ(back.Input.Frames, run.Input.Frames);
    EXPECT_EQ(back.Input.Events, run.Input.Events);
}

TEST(Run_File, KeepsTheEventsOfTheFrameAfterTheLastOnly) {
    Game_Run run = Small_Run();
    run.Input.Events.push_back({2501, Event_Kind::Pause, 1, 0});
    run.Input.Events.push_back({2502, Event_Kind::Pause, 0, 0});
    Game_Run back;
    std::string error;
    ASSERT_EQ(Parse_Run(Format_Run(run), back, error), 0) << error;
    ASSERT_EQ(back.Input.Events.size(), 5u);
    EXPECT_EQ(back.Input.Events[4].Frame, 2501);
}

// A held key repeating, as players make it: repetitions every one or two frames, some in one
// frame, a run long enough for several again lines, broken by other events.
Game_Run Repeating_Run() {
    Game_Run run = Small_Run();
    std::vector<Script_Event>& events = run.Input.Events;
    events.resize(3);
    int32_t frame = 40;
    for (int i = 0; i < 90; ++i) events.push_back({frame += i % 3 == 2 ? 2 : i % 7 == 3 ? 0 : 1});
    events.push_back({frame, Event_Kind::Release, 2, 0});
    events.push_back({frame += 28, Event_Kind::Key, 0, 0});
    events.push_back({frame += 1, Event_Kind::Key, 0, 0});
    events.push_back({frame += 1, Event_Kind::Key, 32, 0});
    events.push_back({frame += 2, Event_Kind::Key, 32, 0});
    events.push_back({frame += 5, Event_Kind::Move, 505, 475});
    events.push_back({frame, Event_Kind::Move, 506, 475});
    return run;
}

TEST(Run_File, WritesARepeatedEventOnAgainLinesAndReadsItBack) {
    const Game_Run run = Repeating_Run();
    const std::string text = Format_Run(run);
    EXPECT_EQ(text.substr(0, 12), "zarvo-run 2\n");
    EXPECT_NE(text.find("\n39 hold left\n0 move 505 475\n1 key 0\nagain 1 2 0 1 2 1 "),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("\n28 key 0\nagain 1\n1 key 32\nagain 2\n5 move 505 475\n0 move 506 475\n"),
              std::string::npos)
        << text;
    std::istringstream lines(text);
    int again_lines = 0;
    for (std::string line; std::getline(lines, line);) {
        EXPECT_LE(line.size(), 72u) << line;
        again_lines += line.rfind("again ", 0) == 0;
    }
    EXPECT_EQ(again_lines, 5);
    Game_Run back;
    std::string error;
    ASSERT_EQ(Parse_Run(text, back, error), 0) << error;
    EXPECT_TRUE(back.Header.Check_Holds);
    EXPECT_EQ(back.Input.Events, run.Input.Events);
}

std::string Read_Source(const std::string& path) {
    return Read_File(std::string(ZARVO_SOURCE_DIR) + "/" + path);
}

// The shipped demo was recorded in format 1 and rewritten in format 2: both files hold the same
// run, and the rewrite is byte for byte what the game writes of it.
TEST(Run_File, AFormatOneRunReadsAsItsFormatTwoRewrite) {
    Game_Run first, second;
    std::string error;
    const std::string rewritten = Read_Source("packaging/demo.zrun");
    ASSERT_EQ(Parse_Run(Read_Source("tests/data/demo_v1.zrun"), first, error), 0) << error;
    ASSERT_EQ(Parse_Run(rewritten, second, error), 0) << error;
    EXPECT_TRUE(first.Header.Check_Holds);
    EXPECT_TRUE(second.Header.Check_Holds);
    EXPECT_EQ(first.Input.Events.size(), 294u);
    EXPECT_EQ(first.Input.Events, second.Input.Events);
    EXPECT_EQ(first.Input.Frames, second.Input.Frames);
    EXPECT_EQ(first.Input.Seed, second.Input.Seed);
    EXPECT_EQ(first.Header.Digest, second.Header.Digest);
    EXPECT_EQ(first.Header.Pace, second.Header.Pace);
    EXPECT_EQ(first.Header.Tables, second.Header.Tables);
    EXPECT_EQ(Format_Run(first), rewritten);
}

// What a damaged run is told by; every one is refused with exit code 2.
std::string Refusal(const std::string& text) {
    Game_Run back;
    std::string error;
    EXPECT_EQ(Parse_Run(text, back, error), 2) << text.substr(0, 200);
    EXPECT_FALSE(back.Is_Run);
    return error;
}

std::string Without_Line(const std::string& text, const std::string& starting) {
    const size_t at = text.find("\n" + starting);
    const size_t end = text.find('\n', at + 1);
    return text.substr(0, at + 1) + text.substr(end + 1);
}

TEST(Run_File, RefusesDamagedRunsNamingWhatIsWrong) {
    const std::string good = Format_Run(Small_Run());
    EXPECT_EQ(Refusal(""), "is empty");
    EXPECT_NE(Refusal("seed 4\n1 key 13\n").find("is not a run"), std::string::npos);
    EXPECT_NE(Refusal("zarvo-run 3\n" + good.substr(good.find('\n') + 1))
                  .find("format 3; this game reads formats 1 to 2"),
              std::string::npos);
    std::string binary = good;
    binary[100] = '\0';
    EXPECT_NE(Refusal(binary).find("binary data (byte 0x00"), std::string::npos);
    EXPECT_NE(Refusal(good.substr(0, good.size() - 4)).find("cut short"), std::string::npos);
    EXPECT_NE(Refusal(good.substr(0, good.find("events"))).find("cut short"), std::string::npos);
    EXPECT_NE(Refusal(std::string(Run_Size_Limit + 1, 'z')).find("larger than 16 MB"),
              std::string::npos);
    EXPECT_NE(Refusal("zarvo-run 1\nversion " + std::string(300, 'x') + "\n")
                  .find("line 2 is longer than 256 bytes"),
              std::string::npos);
    EXPECT_EQ(Refusal(Without_Line(good, "score")), "line 38: expected 'score', found 'frames'");
    EXPECT_NE(
        Refusal(Without_Line(good, "0 move")).find("holds 3 events where its header counts 4"),
        std::string::npos);
    EXPECT_NE(Refusal(good + "1 key 13\n").find("nothing may follow"), std::string::npos);
    // Cut within an event line (a key code cut to a code no key has): first of all, it is cut.
    const size_t key_line = good.find(" key 13\n");
    EXPECT_NE(Refusal(good.substr(0, key_line + 6)).find("is cut short within its last line"),
              std::string::npos);
}

// The event lines of format 2, each damage named; format 1 knows no again lines.
TEST(Run_File, RefusesDamagedEventLinesNamingWhatIsWrong) {
    const std::string good = Format_Run(Repeating_Run());
    const size_t events = good.find("\n1 key 13\n") + 1;
    const auto with_events = [&](const std::string& lines) {
        return Refusal(good.substr(0, events) + lines + good.substr(good.find("\nend\n") + 1));
    };
    EXPECT_NE(with_events("again 1\n").find("'again' with no event above it"), std::string::npos);
    EXPECT_NE(with_events("1 key 13\nagain\n").find("'again' wants the frames"), std::string::npos);
    EXPECT_NE(with_events("1 key 13\nagain 1 -2\n").find("'again' wants the frames"),
              std::string::npos);
    EXPECT_NE(with_events("-1 key 13\n").find("starts with the frames since the event before"),
              std::string::npos);
    EXPECT_NE(with_events("0 key 13\n").find("the first event comes 1 frame or more"),
              std::string::npos);
    EXPECT_NE(with_events("1 key 13\n2501 key 0\n").find("line 46: an event after the run's last"),
              std::string::npos);
    EXPECT_NE(with_events("1 key 13\nagain 2499 2\n").find("an event after the run's last"),
              std::string::npos);
    // An again line that brings more events than the header counts.
    std::string more = good;
    more.replace(more.find("again 1 2 0 1 2 "), 16, "again 1 2 0 1 2 1 ");
    EXPECT_NE(Refusal(more).find("holds more events than its header counts"), std::string::npos);
    const std::string old = Read_Source("tests/data/demo_v1.zrun");
    std::string old_again = old;
    old_again.replace(old_again.find("\n236 key 0\n"), 11, "\nagain 1\n");
    EXPECT_NE(Refusal(old_again).find("a line must start with a frame number"), std::string::npos);
}

// A run replayed on its own table while the page keeps the player's: the page's storage neither
// receives the run's table nor puts the player's into it.
TEST(Run_Tables, ASwappedScoreFileIsNeitherKeptNorRefreshedElsewhere) {
    static int refreshed = 0;
    const Score_File_Refresher counting = [] { ++refreshed; };
    const Score_File_Refresher before = Set_Score_File_Refresher(counting);
    {
        const Score_File_Swap swap("run-table.scr");
        EXPECT_EQ(Set_Score_File_Refresher(nullptr), nullptr);
    }
    EXPECT_EQ(Set_Score_File_Refresher(before), counting);
    EXPECT_EQ(refreshed, 0);
}

TEST(Run_File, VerifyingWhatIsNoRunExitsWithTwoAndSaysWhy) {
    Score_Folder folder;
    const std::string script = folder.dir + "/script.txt", missing = folder.dir + "/none.zrun",
                      cut = folder.dir + "/cut.zrun";
    Write_File(script, "seed 4\n1 key 13\nframes 3\n");
    const std::string good = Format_Run(Small_Run());
    Write_File(cut, good.substr(0, good.size() / 2));
    std::ostringstream out, err;
    EXPECT_EQ(Verify_Run_Files({script}, nullptr, "test", out, err), 2);
    EXPECT_NE(err.str().find("an input script without a run's header"), std::string::npos)
        << err.str();
    EXPECT_EQ(Verify_Run_Files({missing}, nullptr, "test", out, err), 2);
    EXPECT_NE(err.str().find("none.zrun cannot be read"), std::string::npos) << err.str();
    EXPECT_EQ(Verify_Run_Files({cut}, nullptr, "test", out, err), 2);
    EXPECT_NE(err.str().find("cut.zrun: "), std::string::npos) << err.str();
    EXPECT_EQ(out.str(), "");
}

// A player's own table, all zeros, where any score enters; the game of the fixture ends in a
// name entry on it.
struct Entry_Game : ::testing::Test {
    Score_Folder folder;
    Script script;

    void SetUp() override {
        Bytes zeros(Score_File_Size, 0);
        for (int i = 1; i <= Score_Records; ++i) {
            const Bytes record = Record_Of("ZERO", 0);
            std::copy(record.begin(), record.end(), zeros.begin() + 16 * i);
        }
        folder.write(zeros);
        std::string error;
        ASSERT_EQ(Read_Script(std::string(ZARVO_SOURCE_DIR) + "/tests/data/entry_game.txt", script,
                              error),
                  0)
            << error;
    }

    // Plays the fixture on the table, recording and keeping runs as the desktop does.
    std::unique_ptr<Headless_Runner> play(Recorder& recording, Run_Keeper& keeper) {
        auto run = std::make_unique<Headless_Runner>(Test_Assets(), *script.Seed, script.Screen);
        Run_Start start;
        start.Game_Version = "test";
        start.Seed = *script.Seed;
        start.Screen = script.Screen;
        start.Tables = Load_Run_Tables();
        recording.Start(start, 0);
        run->Record_Into(&recording, &keeper);
        run->Run(script, *script.Frames);
        return run;
    }

    std::vector<std::string> kept_runs() const {
        std::vector<std::string> files;
        std::error_code ec;
        for (const auto& e : fs::directory_iterator(folder.dir + "/runs", ec))
            files.push_back(e.path().string());
        return files;
    }
};

TEST_F(Entry_Game, StoresItsRunBesideItsEntryAndTheRunVerifies) {
    Recorder recording;
    Run_Keeper keeper(true);
    const auto game = play(recording, keeper);
    ASSERT_EQ(keeper.Stored(), 1) << "the scripted game stored no entry";
    const std::vector<std::string> files = kept_runs();
    ASSERT_EQ(files.size(), 1u);
    const Bytes table = folder.bytes();
    EXPECT_EQ(table.size(), 496u);
    const int rank = game->world().screens.Name_Rank;
    const Score_Entry entry = Decode_Score_Record(table.data() + 16 * rank);
    const std::string name(entry.Name.Letters, static_cast<size_t>(entry.Name.shown()));
    const int difficulty = (rank - 1) / 10 + 1;
    std::string named = Run_File_Name(difficulty, entry.Points, name, "0");
    named.resize(named.size() - std::string("0.zrun").size());  // up to the date
    EXPECT_EQ(fs::path(files[0]).filename().string().substr(0, named.size()), named);

    Game_Run run;
    std::string error;
    ASSERT_EQ(Read_Recording(files[0], run, error), 0) << error;
    EXPECT_EQ(run.Header.Score, entry.Points);
    EXPECT_EQ(run.Header.Name, name);
    const Run_Verdict v = Verify_Run(run, Test_Assets());
    EXPECT_TRUE(v.Verified) << v.Reason;
    EXPECT_EQ(v.Replayed.Score, entry.Points);
    std::ostringstream out, err;
    EXPECT_EQ(Verify_Run_Files({files[0]}, Test_Assets(), "test", out, err), 0) << err.str();
    EXPECT_NE(out.str().find("VERIFIED"), std::string::npos) << out.str();
}

// A run with one change, verified: exit 1 and the reason, or exit 2 when it is no run.
struct Tampered {
    int code;
    std::string said;
};

TEST_F(Entry_Game, EveryKindOfTamperingFailsWithItsReason) {
    Recorder recording;
    Run_Keeper keeper(true);
    play(recording, keeper);
    const std::vector<std::string> files = kept_runs();
    ASSERT_EQ(files.size(), 1u);
    const std::string good = Read_File(files[0]);
    const std::string path = folder.dir + "/tampered.zrun";
    auto verify = [&](const std::string& text) {
        Write_File(path, text);
        std::ostringstream out, err;
        const int code = Verify_Run_Files({path}, Test_Assets(), "test", out, err);
        return Tampered{code, out.str() + err.str()};
    };
    ASSERT_EQ(verify(good).code, 0) << verify(good).said;

    // A direction held in the second half of the game, one frame later: its line counts one
    // frame more since the event before, the next line one frame less.
    size_t hold = good.find(" hold ", good.size() / 2), start = 0, next = 0;
    int gap = 0, next_gap = 0;
    for (; hold != std::string::npos; hold = good.find(" hold ", hold + 1)) {
        start = good.rfind('\n', hold) + 1;
        gap = std::stoi(good.substr(start, hold - start));
        next = good.find('\n', hold) + 1;
        if (std::isdigit(static_cast<unsigned char>(good[next])) &&
            (next_gap = std::stoi(good.substr(next))) > 0)
            break;
    }
    ASSERT_NE(hold, std::string::npos);
    const size_t next_word = good.find(' ', next);
    const std::string moved = good.substr(0, start) + std::to_string(gap + 1) +
                              good.substr(hold, next - hold) + std::to_string(next_gap - 1) +
                              good.substr(next_word);
    const Tampered t_moved = verify(moved);
    EXPECT_EQ(t_moved.code, 1);
    EXPECT_NE(t_moved.said.find("NOT VERIFIED"), std::string::npos) << t_moved.said;

    const size_t score_at = good.find("\nscore ") + 7;
    const std::string score = good.substr(0, score_at) + "9" + good.substr(score_at);
    const Tampered t_score = verify(score);
    EXPECT_EQ(t_score.code, 1);
    EXPECT_NE(t_score.said.find("the run claims 9"), std::string::npos) << t_score.said;

    const size_t digest_at = good.find("digest fnv1a64 ") + 15;
    std::string digest = good;
    digest[digest_at] = digest[digest_at] == '0' ? '1' : '0';
    const Tampered t_digest = verify(digest);
    EXPECT_EQ(t_digest.code, 1);
    EXPECT_NE(t_digest.said.find("does not match the run's digest"), std::string::npos)
        << t_digest.said;

    const Tampered t_removed =
        verify(Without_Line(good, good.substr(start, good.find('\n', start) - start)));
    EXPECT_EQ(t_removed.code, 2);
    EXPECT_NE(t_removed.said.find("where its header counts"), std::string::npos) << t_removed.said;

    // A run of another version that does not verify says so.
    std::string other = score;
    other.replace(other.find("version test"), 12, "version 0.1");
    const Tampered t_other = verify(other);
    EXPECT_EQ(t_other.code, 1);
    EXPECT_NE(t_other.said.find("recorded by version 0.1, replayed by test"), std::string::npos)
        << t_other.said;

    const Tampered t_pace =
        verify(Without_Line(good, "pace ").insert(good.find("\npace ") + 1, "pace 1\n"));
    EXPECT_EQ(t_pace.code, 1);
    EXPECT_NE(t_pace.said.find("check line does not match"), std::string::npos) << t_pace.said;
}

TEST_F(Entry_Game, ARunLeavingTheTableTakesItsFileAlong) {
    Recorder recording;
    Run_Keeper keeper(true);
    auto game = play(recording, keeper);
    ASSERT_EQ(kept_runs().size(), 1u);
    // Another game's better scores push the entry out of its table.
    const int rank = game->world().screens.Name_Rank;
    const int base = Score_Table_Base((rank - 1) / 10 + 1);
    Bytes table = folder.bytes();
    Prune_Runs();
    EXPECT_EQ(kept_runs().size(), 1u);  // still in the table
    for (int i = base; i < base + 10; ++i) {
        const Bytes better = Record_Of("BETTER", 1000000);
        std::copy(better.begin(), better.end(), table.begin() + 16 * i);
    }
    folder.write(table);
    // The keeper sees the table change when the game next loads it.
    Open_Score(game->game());
    game->Tick();
    EXPECT_EQ(kept_runs().size(), 0u);
}

TEST_F(Entry_Game, DrawingNothingLeavesTheSameWorldEveryFrame) {
    Recorder recording;
    Run_Keeper keeper(false);
    const auto game = play(recording, keeper);
    const Game_Run run = recording.Take_Run(game->world(), Fake_Date());
    Run_Player drawn(run, Test_Assets(), true), blind(run, Test_Assets(), false);
    std::string error;
    ASSERT_TRUE(drawn.Ready(error)) << error;
    ASSERT_TRUE(blind.Ready(error)) << error;
    while (drawn.Step()) {
        ASSERT_TRUE(blind.Step());
        ASSERT_TRUE(drawn.world() == blind.world()) << "frame " << drawn.Frame();
    }
    EXPECT_FALSE(blind.Step());
    EXPECT_EQ(drawn.Frame(), *script.Frames);
    EXPECT_TRUE(drawn.world() == game->world());
}

TEST_F(Entry_Game, ARecordingOnThePlayersOwnTableReplaysToTheSameWorld) {
    Recorder recording;
    Run_Keeper keeper(false);
    const auto game = play(recording, keeper);
    ASSERT_TRUE(game->world().screens.Name_Rank != 0) << "the game ended in no name entry";
    const std::string path = folder.dir + "/game.zrun";
    Write_File(path, Format_Run(recording.Take_Run(game->world(), Fake_Date())));
    // The replay runs on a scratch table of its own, as the headless runner's is.
    Score_Folder scratch;
    Headless_Options o;
    o.Frames = *script.Frames;
    o.Input = path;
    o.Dump = scratch.dir + "/dump.json";
    std::ostringstream err;
    ASSERT_EQ(Run_Headless(o, Test_Assets(), err), 0) << err.str();
    EXPECT_EQ(Read_File(o.Dump), Dump_World(game->world()));
}

TEST_F(Entry_Game, TheHeadlessRunnerKeepsRunsOnlyOnTheTableItWasGiven) {
    Headless_Options o;
    o.Frames = *script.Frames;
    o.Input = std::string(ZARVO_SOURCE_DIR) + "/tests/data/entry_game.txt";
    std::ostringstream err;
    o.Keep_Runs = false;  // a scratch table of its own
    ASSERT_EQ(Run_Headless(o, Test_Assets(), err), 0) << err.str();
    EXPECT_EQ(kept_runs().size(), 0u);
    SetUp();             // the table of zeros again, for the same entry
    o.Keep_Runs = true;  // --scores
    ASSERT_EQ(Run_Headless(o, Test_Assets(), err), 0) << err.str();
    ASSERT_EQ(kept_runs().size(), 1u);
    std::ostringstream out;
    EXPECT_EQ(Verify_Run_Files(kept_runs(), Test_Assets(), "test", out, err), 0)
        << out.str() << err.str();
}

TEST(Recorder, RecordsFramesWithoutAllocating) {
    Recorder recording;
    recording.Start({}, 0);
    World w;
    const long before = Allocations_So_Far();
    for (int32_t f = 1; f <= 20000; ++f) {
        recording.Write({f, Event_Kind::Move, f % 600, f % 400});
        recording.Held(f, {f % 3 == 0, false, f % 5 == 0, false});
        recording.Frame_Done(w, f, f * 24);
    }
    EXPECT_EQ(Allocations_So_Far() - before, 0);
    EXPECT_EQ(recording.Take_Run(w, Fake_Date()).Header.Pace.size(), 20u);
}

// A direction still held when a new recording begins is written again: its replay starts with
// nothing held.
TEST(Recorder, ANewRecordingWritesTheDirectionsStillHeld) {
    Recorder recording;
    World w;
    recording.Start({}, 0);
    recording.Held(1, {true, false, false, false});
    recording.Start({}, 0);
    recording.Held(1, {true, false, false, false});
    const Game_Run run = recording.Take_Run(w, Fake_Date());
    ASSERT_EQ(run.Input.Events.size(), 1u);
    EXPECT_EQ(run.Input.Events[0].Kind, Event_Kind::Hold);
}

}  // namespace
}  // namespace zarvo::test
