// Input scripts and the headless runner: parsing, the moment each event arrives, recordings
// that replay, and runs that repeat exactly.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "driver/headless/runner.h"
#include "game/dump.h"
#include "game/input.h"
#include "game/recorder.h"
#include "game/tick_input.h"
#include "platform/image_file.h"
#include "platform/wave_file.h"
#include "support/test_game.h"

namespace zarvo {
namespace {

using test::XY;

Script Parse_Ok(const std::string& text) {
    Script s;
    std::string error;
    EXPECT_TRUE(Parse_Script(text, s, error)) << error;
    return s;
}

std::string Parse_Error(const std::string& text) {
    Script s;
    std::string error;
    EXPECT_FALSE(Parse_Script(text, s, error)) << text;
    return error;
}

TEST(Script, ReadsEveryEventKindSeedAndComments) {
    const Script s = Parse_Ok(
        "# a comment\n"
        "\n"
        "seed 4242\n"
        "screen 1920 1080\n"
        "  3 hold left\n"
        "3 key 13\n"
        "1 move 10 -4\n"
        "7 release left\n"
        "7 click\n"
        "9 focus 0\n"
        "9 pause 1\n"
        "9 mute 1\n"
        "9 volume 70\n"
        "frames 12\n");
    ASSERT_TRUE(s.Seed);
    EXPECT_EQ(*s.Seed, 4242u);
    EXPECT_EQ(s.Screen, (Screen_Size{1920, 1080}));
    const std::vector<Script_Event> want = {
        {1, Event_Kind::Move, 10, -4},
        {3, Event_Kind::Hold, static_cast<int32_t>(Direction::Left), 0},
        Key_Event(3, Key_Code::Enter),
        {7, Event_Kind::Release, static_cast<int32_t>(Direction::Left), 0},
        {7, Event_Kind::Click, 0, 0},
        {9, Event_Kind::Focus, 0, 0},
        {9, Event_Kind::Pause, 1, 0},
        {9, Event_Kind::Mute, 1, 0},
        {9, Event_Kind::Volume, 70, 0},
    };
    EXPECT_EQ(s.Frames, 12);
    EXPECT_EQ(s.Events, want);  // frame order, file order within a frame
    for (const Script_Event& e : want) EXPECT_EQ(Parse_Ok(Format_Event(e)).Events[0], e);
}

TEST(Script, MalformedLinesNameTheirLineNumber) {
    const char* bad[] = {
        "1 key 14",   "1 key",        "0 click",   "x click",   "1 hold sideways", "1 move 3",
        "1 move 3 y", "1 click now",  "1 focus 2", "1 jump",    "seed -1",         "seed 1 2",
        "screen 800", "screen 0 600", "1",         "1 key 65x", "-3 key 13",
    };
    for (const char* line : bad) {
        const std::string error = Parse_Error(std::string("# fine\n1 key 13\n\n") + line + "\n");
        EXPECT_EQ(error.rfind("line 4:", 0), 0u) << line << " -> " << error;
    }
    EXPECT_TRUE(Valid_Script_Key(0));
    EXPECT_TRUE(Valid_Script_Key('z'));
    EXPECT_FALSE(Valid_Script_Key(91));
}

// A byte order mark before the first line is no mistake; a recording cut off in the middle of
// its last line replays up to the line before, with a warning; an endless line is refused.
TEST(Script, ByteOrderMarkCutLastLineAndOverlongLine) {
    const std::string path = testing::TempDir() + "zarvo_cut.txt";
    std::ofstream(path) << "\xEF\xBB\xBFseed 9\n3 key 13\n40 mo";
    Script s;
    std::string error;
    ASSERT_EQ(Read_Script(path, s, error), 0) << error;
    EXPECT_EQ(s.Seed, 9u);
    EXPECT_EQ(s.Events.size(), 1u);
    EXPECT_NE(s.Warning.find("the last line (3) is cut short"), std::string::npos) << s.Warning;
    std::ofstream(path) << "1 key 13\n2 click";  // a whole last line needs no newline
    ASSERT_EQ(Read_Script(path, s, error), 0) << error;
    EXPECT_EQ(s.Events.size(), 2u);
    EXPECT_EQ(s.Warning, "");
    std::ofstream(path) << "1 key 13\n2 hop\n";  // a bad line inside stays a mistake
    EXPECT_EQ(Read_Script(path, s, error), 2);
    std::ofstream(path) << "1 key 13\n" << std::string(100000, ' ') << "2 click\n";
    EXPECT_EQ(Read_Script(path, s, error), 2);
    EXPECT_NE(error.find("line 2 is longer than 4096 bytes"), std::string::npos) << error;
    std::remove(path.c_str());
}

// A script that never ends, as /dev/zero (no newline ever) or an endless stream of lines, is
// refused at its first overlong line or once it passes the script limit: the reader stops
// rather than reading on. Run in a child that an alarm stops, so that a reader that reads on
// fails the test instead of hanging it.
int Read_Script_Within(const char* path, int seconds) {
    const pid_t child = ::fork();
    if (child == 0) {
        ::alarm(static_cast<unsigned>(seconds));
        Script s;
        std::string error;
        ::_exit(Read_Script(path, s, error));
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

TEST(Script, AnEndlessInputIsRefusedNotReadForever) {
    ASSERT_EQ(Read_Script_Within("/dev/zero", 10), 2);
    Script s;
    std::string error;
    EXPECT_EQ(Read_Script("/dev/zero", s, error), 2);
    EXPECT_NE(error.find("line 1 is longer than 4096 bytes"), std::string::npos) << error;

    // An endless stream of good lines, through a pipe fed by a child.
    int pipe_fds[2];
    ASSERT_EQ(::pipe(pipe_fds), 0);
    const pid_t writer = ::fork();
    if (writer == 0) {
        ::close(pipe_fds[0]);
        const std::string block = "# " + std::string(4000, 'x') + "\n";
        while (::write(pipe_fds[1], block.data(), block.size()) > 0) {
        }
        ::_exit(0);
    }
    ::close(pipe_fds[1]);
    const std::string endless = "/dev/fd/" + std::to_string(pipe_fds[0]);
    EXPECT_EQ(Read_Script_Within(endless.c_str(), 60), 2);
    ::close(pipe_fds[0]);
    ::kill(writer, SIGKILL);
    ::waitpid(writer, nullptr, 0);
}

TEST(Runner, EventsOfFrameFArriveAfterTickFMinusOne) {
    Headless_Runner run(nullptr, 5);
    run.media().Release_Pointer();
    const Script s = Parse_Ok("3 move 100 120\n");
    run.Run(s, 2);
    EXPECT_NE(run.world().game.Mouse_X, 100);
    Headless_Runner again(nullptr, 5);
    again.media().Release_Pointer();
    again.Run(s, 3);
    EXPECT_EQ(XY(again.world().game.Mouse_X, again.world().game.Mouse_Y), XY(100, 120));
    EXPECT_EQ(again.world().Frame_Count, 3);
}

TEST(Runner, MovesAreClampedIntoTheConfinementAndWindow) {
    Headless_Runner run(nullptr, 5);  // the title confines to 217..593 x 445..497
    run.Run(Parse_Ok("1 move 0 0\n2 move 9999 9999\n"), 1);
    EXPECT_EQ(XY(run.world().game.Mouse_X, run.world().game.Mouse_Y), XY(217, 445));
    run.Deliver({2, Event_Kind::Move, 9999, 9999});
    EXPECT_EQ(XY(run.world().game.Mouse_X, run.world().game.Mouse_Y), XY(593, 497));
    run.media().Release_Pointer();
    run.Deliver({2, Event_Kind::Move, -5, 700});
    EXPECT_EQ(XY(run.world().game.Mouse_X, run.world().game.Mouse_Y), XY(0, 512));
}

// The panel's title area and, in the same tick, where its score button lies: the second
// click waits for the title, lands (held in the title's band) on its start button, and the
// game goes on with the panel's confinement.
TEST(Runner, TwoClicksInOneTickLeaveTheTitleItsButtons) {
    Headless_Runner run(nullptr, 5);
    run.Run(Parse_Ok("1 key 13\n300 move 497 452\n300 click\n300 move 481 487\n300 click\n"), 310);
    EXPECT_FALSE(run.world().game.Panel_Score_On);
    EXPECT_FALSE(run.world().game.Sponsor_Paused);
    EXPECT_EQ(run.media().clip.Top, 432);  // the panel's band
}

TEST(Runner, WithoutFocusTheFramesCountButTheGameStandsStill) {
    Headless_Runner run(nullptr, 5);
    run.Run(Parse_Ok("3 focus 0\n6 focus 1\n"), 10);
    EXPECT_EQ(run.world().Frame_Count, 7);  // frames 3, 4 and 5 did not tick
    EXPECT_EQ(run.media().shown_frames, 7);
}

TEST(Runner, HoldAndReleaseDriveThePolledDirections) {
    Headless_Runner run(nullptr, 5);
    run.Run(Parse_Ok("2 hold up\n2 hold right\n4 release up\n"), 3);
    EXPECT_TRUE(run.world().game.Input_Up);
    EXPECT_TRUE(run.world().game.Input_Right);
    Headless_Runner later(nullptr, 5);
    later.Run(Parse_Ok("2 hold up\n2 hold right\n4 release up\n"), 4);
    EXPECT_FALSE(later.world().game.Input_Up);
    EXPECT_TRUE(later.world().game.Input_Right);
}

TEST(Runner, SoundLogNamesFrameIndexAndWave) {
    Headless_Runner run(nullptr, 5);
    // the code-word entry answers a wrong word with No at the frame it was typed before
    run.world().game.CodeWord_1_Typing = true;
    run.Run(Parse_Ok("4 key 65\n4 key 13\n"), 5);
    EXPECT_NE(run.Sound_Log().find("4 10 No\n"), std::string::npos) << run.Sound_Log();
}

std::string Temp_Path(const std::string& name) {
    return ::testing::TempDir() + "zarvo_" + name;
}

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// A short game: start from the title, walk, fire, click the panel.
const char* Game_Script =
    "seed 777\n"
    "1 key 13\n"
    "60 hold left\n"
    "75 release left\n"
    "76 hold up\n"
    "90 key 32\n"
    "100 release up\n"
    "101 hold down\n"
    "130 release down\n"
    "140 move 600 500\n"
    "141 click\n";

// --audio-out writes the mix of the game's sounds: 24 ms of 16-bit stereo at 44.1 kHz for
// every frame, not silent once the game has started, and reports the master stage.
TEST(Replay, AudioOutWritesTheMixOfEveryFrame) {
    const std::string script = Temp_Path("sound_game.txt");
    std::ofstream(script) << Game_Script;
    Headless_Options o;
    o.Frames = 50;
    o.Input = script;
    o.Audio_File = Temp_Path("mix.wav");
    std::ostringstream err, out;
    ASSERT_EQ(Run_Headless(o, test::Test_Assets(), err, &out), 0) << err.str();
    Sound mix;
    std::string error;
    ASSERT_TRUE(Read_Wav(o.Audio_File, mix, error)) << error;
    EXPECT_EQ(std::tuple(mix.Rate, mix.Bits, mix.Channels), std::tuple(44100, 16, 2));
    EXPECT_EQ(mix.Data.size(), 50u * 44100 * 24 / 1000 * 4);
    float loudest = 0;
    for (size_t i = 0; i < mix.Data.size() / 2; ++i)
        loudest = std::max(loudest, std::fabs(Pcm_Sample(mix, i)));
    EXPECT_GT(loudest, 1000 / 32768.0f);
    EXPECT_NE(out.str().find("more than 6 dB"), std::string::npos) << out.str();
}

TEST(Replay, SameScriptAndSeedGiveIdenticalDumpsAndScreenshots) {
    const std::string script = Temp_Path("game.txt");
    std::ofstream(script) << Game_Script;
    std::string dumps[2], shots[2], logs[2];
    for (int i = 0; i < 2; ++i) {
        Headless_Options o;
        o.Frames = 200;
        o.Input = script;
        o.Dump = Temp_Path("dump" + std::to_string(i) + ".json");
        o.Shot = Temp_Path("shot" + std::to_string(i) + ".bmp");
        o.Sound_Log = Temp_Path("sound" + std::to_string(i) + ".txt");
        std::ostringstream err;
        ASSERT_EQ(Run_Headless(o, test::Test_Assets(), err), 0) << err.str();
        dumps[i] = Slurp(o.Dump), shots[i] = Slurp(o.Shot), logs[i] = Slurp(o.Sound_Log);
    }
    EXPECT_EQ(dumps[0], dumps[1]);
    EXPECT_EQ(shots[0], shots[1]);
    EXPECT_EQ(logs[0], logs[1]);
    EXPECT_EQ(shots[0].size(), 54u + 513u * ((622u * 3 + 3) & ~3u));

    // the screenshot is the back buffer after the last frame, pixel for pixel
    Headless_Runner direct(test::Test_Assets(), 777);
    direct.Run(Parse_Ok(Game_Script), 200);
    Image shot;
    std::string error;
    ASSERT_TRUE(Read_Bmp(Temp_Path("shot0.bmp"), shot, error)) << error;
    EXPECT_EQ(std::tuple(shot.Width, shot.Height), std::tuple(622, 513));
    const auto& picture = direct.media().Back_Buffer().Pixels;
    EXPECT_TRUE(std::equal(shot.Pixels.begin(), shot.Pixels.end(), picture.begin(), picture.end()));
    EXPECT_NE(dumps[0].find("\"Frame_Count\":200"), std::string::npos);

    // the seed line counts: another seed is another game once the level is built
    Headless_Runner a(test::Test_Assets(), 777), b(test::Test_Assets(), 777);
    const Script s = Parse_Ok(Game_Script);
    a.Run(s, 200);
    b.Run(s, 200);
    EXPECT_TRUE(a.world() == b.world());
}

TEST(Replay, DumpCarriesTheSharedStateAndTheGrids) {
    Headless_Runner run(nullptr, 5);
    run.Run(Script{}, 1);
    const std::string dump = Dump_World(run.world());
    for (const char* name : {"\"Score\":",          "\"Level\":1",          "\"Difficulty\":1",
                             "\"Lives\":5",         "\"Enimy_Count\":",     "\"Fliese_Claimed\":",
                             "\"Fliese_Percent\":", "\"Star_Fire_Count\":", "\"Game_Over\":",
                             "\"Well_Done\":",      "\"Game_Halted\":",     "\"Sponsor_On\":true",
                             "\"Sponsor_Paused\":", "\"Playing\":false",    "\"Ego_X\":",
                             "\"Ego_Y\":",          "\"Ego_Col\":",         "\"Ego_Row\":",
                             "\"Ego_Cutting\":",    "\"Energy_Count\":",    "\"Reserve_Count\":",
                             "\"Immortal_Code\":",  "\"Fire_Code\":",       "\"Mouse_X\":505",
                             "\"Mouse_Y\":475",     "\"Drain_Rate\":",      "\"Enimy_Type\":[",
                             "\"Pilot_Type\":[",    "\"Floor_Grid\":[[",    "\"Edge_Grid\":[[",
                             "\"Way_Grid\":[[",     "\"Occupy_Grid\":[["})
        EXPECT_NE(dump.find(name), std::string::npos) << name;
    // Floor_Grid with its ring: 26 rows of 38; the others 24 rows of 36
    const size_t floor = dump.find("\"Floor_Grid\":[[");
    const size_t edge = dump.find("\"Edge_Grid\"");
    const std::string rows = dump.substr(floor, edge - floor);
    EXPECT_EQ(std::count(rows.begin(), rows.end(), '['), 27);
    EXPECT_EQ(std::count(rows.begin(), rows.end(), ','), 26 * 37 + 25 + 1);
}

TEST(Replay, ARecordingReplaysTheGameItRecorded) {
    const std::string path = Temp_Path("recorded.txt");
    // a windowed game as the event loop drives it: polls per tick, events between ticks
    test::Test_Game live(31337);
    {
        Recorder rec;
        ASSERT_TRUE(rec.Open(path, 31337, {1024, 768}));
        auto tick = [&](Input_States held) {
            live.media.held = held;
            rec.Held(live.w().Frame_Count + 1, held);
            live.run(1);
        };
        rec.Key(1, Key_Code::Enter);
        live.key(Key_Code::Enter);
        for (int i = 0; i < 50; ++i) tick({});
        for (int i = 0; i < 20; ++i) tick({false, false, true, false});
        rec.Key(live.w().Frame_Count + 1, Key_Code::Space);
        live.key(Key_Code::Space);
        for (int i = 0; i < 20; ++i) tick({true, false, false, true});
        rec.Move(live.w().Frame_Count + 1, 420, 480);
        live.move(420, 480);
        rec.Click(live.w().Frame_Count + 1);
        DXDraw1Click(live.g);
        for (int i = 0; i < 10; ++i) tick({});
    }
    Script s;
    std::string error;
    ASSERT_TRUE(Parse_Script(Slurp(path), s, error)) << error;
    ASSERT_TRUE(s.Seed);
    Headless_Runner replay(test::Test_Assets(), *s.Seed, s.Screen);
    replay.Run(s, live.w().Frame_Count);
    EXPECT_EQ(Dump_World(replay.world()), Dump_World(live.w()));
    EXPECT_TRUE(replay.world() == live.w());
}

// A recorded pause and sound level replay exactly: the paused frames tick nothing, and the game
// goes on afterwards as if it had never stopped.
TEST(Replay, PauseAndSoundLevelThroughARecordedScript) {
    const std::string path = Temp_Path("paused.txt");
    test::Test_Game live(4242);
    {
        Recorder rec;
        ASSERT_TRUE(rec.Open(path, 4242, {1024, 768}));
        rec.Key(1, Key_Code::Enter);
        live.key(Key_Code::Enter);
        live.run(40);
        rec.Pause(41, true);  // the window's clock stands still: no frame passes
        rec.Mute(41, true);
        rec.Volume(41, 40);
        rec.Pause(41, false);
        live.run(30);
        rec.Finish(live.w().Frame_Count);
    }
    Script s;
    std::string error;
    ASSERT_TRUE(Parse_Script(Slurp(path), s, error)) << error;
    EXPECT_EQ(s.Frames, 70);
    Headless_Runner replay(test::Test_Assets(), *s.Seed, s.Screen);
    replay.Run(s, *s.Frames);
    EXPECT_TRUE(replay.world() == live.w());
    EXPECT_TRUE(replay.media().sound_muted);
    EXPECT_EQ(replay.media().sound_volume, 40);

    // Paused for thirty frame slots: the same game, thirty slots later.
    Headless_Runner paused(test::Test_Assets(), 4242), plain(test::Test_Assets(), 4242);
    paused.Run(Parse_Ok("1 key 13\n20 pause 1\n50 pause 0\n"), 100);
    plain.Run(Parse_Ok("1 key 13\n"), 70);
    EXPECT_EQ(paused.world().Frame_Count, 70);
    EXPECT_TRUE(paused.world() == plain.world());
}

// The window's input waits for the next tick and is recorded as that tick's: the replay meets
// the same game, and what arrives after the last tick (a click as the window closes) reaches
// neither the game nor the recording.
TEST(Replay, WindowInputReachesGameAndRecordingAtTheNextTick) {
    const std::string path = Temp_Path("between_ticks.txt");
    test::Test_Game live(2024);
    {
        Recorder rec;
        ASSERT_TRUE(rec.Open(path, 2024, {1024, 768}));
        Tick_Input input;
        auto tick = [&] {
            input.Deliver(live.g, rec, [&](int& x, int& y) { live.media.Clamp_Pointer(x, y); });
            live.run(1);
        };
        input.Key(Key_Code::Enter);
        for (int i = 0; i < 30; ++i) tick();
        input.Move(300, 300);
        input.Move(500, 450);  // the panel's title: the game pauses under the title screen
        input.Click();
        tick();
        input.Move(417, 491);
        input.Click();
        rec.Finish(live.w().Frame_Count);
    }
    const std::string recording = Slurp(path);
    EXPECT_NE(recording.find("\n31 move 500 450\n31 click\nframes 31\n"), std::string::npos)
        << recording;
    Script s;
    std::string error;
    ASSERT_TRUE(Parse_Script(recording, s, error)) << error;
    Headless_Runner replay(test::Test_Assets(), *s.Seed, s.Screen);
    replay.Run(s, *s.Frames);
    EXPECT_TRUE(live.s().Sponsor_Paused);
    EXPECT_TRUE(replay.world() == live.w());
}

TEST(Replay, RunHeadlessReportsBadScriptsAndMissingFiles) {
    const std::string script = Temp_Path("bad.txt");
    std::ofstream(script) << "1 key 13\n2 hop\n";
    Headless_Options o;
    o.Frames = 5;
    o.Input = script;
    std::ostringstream err;
    EXPECT_EQ(Run_Headless(o, nullptr, err), 2);
    EXPECT_NE(err.str().find("line 2"), std::string::npos) << err.str();
    o.Input = Temp_Path("no_such_file.txt");
    EXPECT_EQ(Run_Headless(o, nullptr, err), 1);
    o.Input.clear();
    o.Dump = "/no/such/folder/dump.json";
    EXPECT_EQ(Run_Headless(o, nullptr, err), 1);
}

}  // namespace
}  // namespace zarvo
