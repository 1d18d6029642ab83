// The daily game: its seed, its start from the desk, its run and its one-line result.
#include "game/daily.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <string>
#include <vector>

#include "driver/desktop/run_link.h"
#include "driver/shell/desk_game.h"
#include "game/run_verify.h"
#include "support/score_folder.h"
#include "support/test_game.h"

namespace zarvo {
namespace {

TEST(Daily_Seed, SameForTheSameDayAndDifficultyElseDifferent) {
    // The hash is fixed for good: a past day's runs must keep their seed on every machine.
    EXPECT_EQ(Daily_Seed("2026-12-08", 2), Daily_Seed("2026-12-08", 2));
    // FNV-1a 32 of "zarvo daily 2026-12-08 1", worked out apart from this code.
    EXPECT_EQ(Daily_Seed("2026-12-08", 1), 0xE13307BAu);
    std::vector<uint32_t> seeds;
    for (const char* day : {"2026-12-07", "2026-12-08", "2026-12-09", "2027-12-08"})
        for (int d = 1; d <= 3; ++d) seeds.push_back(Daily_Seed(day, d));
    for (size_t i = 0; i < seeds.size(); ++i)
        for (size_t j = i + 1; j < seeds.size(); ++j)
            EXPECT_NE(seeds[i], seeds[j]) << "days/difficulties " << i << " and " << j;
}

TEST(Daily_Seed, OnlyWholeDaysAreDays) {
    EXPECT_TRUE(Is_Daily_Day("2026-12-08"));
    for (const char* bad : {"2026-13-08", "2026-12-32", "2026-12-00", "2026-1-08", "2026/12/08",
                            "2026-12-08T", "../../etc", "20x6-12-08", ""})
        EXPECT_FALSE(Is_Daily_Day(bad)) << bad;
    EXPECT_EQ(Daily_Day_Of("2026-12-08T17:30:00Z"), "2026-12-08");
}

TEST(Daily_Result, OneLineWithDayDifficultyScoreLevelsAndLink) {
    Run_Result r;
    r.Score = 12340, r.Difficulty = 2, r.Level = 4;
    EXPECT_EQ(Daily_Result_Line("2026-12-08", 2, r, "https://x/#run=ab"),
              "Zarvo daily 2026-12-08 NORMAL: 12,340 points, levels 1-4 https://x/#run=ab");
    r.Score = 1234567, r.Difficulty = 3, r.Level = 2;
    EXPECT_EQ(Daily_Result_Line("2026-12-08", 2, r, ""),
              "Zarvo daily 2026-12-08 NORMAL: 1,234,567 points, levels 1-8, EXPERT 1-2");
    r.Score = 0, r.Difficulty = 1, r.Level = 1;
    EXPECT_EQ(Daily_Result_Line("2026-12-08", 1, r, ""),
              "Zarvo daily 2026-12-08 NOVICE: 0 points, levels 1-1");
}

// A desk without a window: the test's media, and the daily lines it was told.
class Quiet_Host : public Desk_Host {
  public:
    Surface_Media& Media() override { return media_; }
    bool Closed() const override { return false; }
    void Clamp_Pointer(int&, int&) const override {}
    void Set_Sound_Level(int) override {}
    int Volume() const override { return 100; }
    bool Muted() const override { return false; }
    void Keep_Sound(int, bool) override {}
    void Toggle_Fullscreen() override {}
    void Use_Scripted_Input(const Input_States*) override {}
    void Daily_Done(const std::string& line) override { lines.push_back(line); }
    std::vector<std::string> lines;

  private:
    Headless_Media media_{test::Test_Assets()};
};

// A daily game at NORMAL, left to itself until it is over: it starts at once at its
// difficulty, its run says so and verifies, and its end is told once. As the window plays it
// (input at the tick, the recording begun first) and as the page does (input at once, the
// recording begun after the desk).
void Play_Daily(bool as_the_page) {
    test::Score_Folder folder;
    Quiet_Host host;
    Recorder recorder;
    const std::string day = "2026-12-08";
    Desk_Start start;
    start.Seed = Daily_Seed(day, 2);
    start.Screen = {1024, 768};
    start.Daily_Day = day;
    start.Daily_Difficulty = 2;
    start.Input_At_Once = as_the_page;
    if (!as_the_page) recorder.Start(Daily_Start(start.Seed, start.Screen, 2), 0);
    Desk_Game desk(host, recorder, start);
    if (as_the_page) recorder.Start(Daily_Start(start.Seed, start.Screen, 2), 0);
    uint64_t now = 0;
    desk.First_Frame(now);
    for (int i = 0; i < 100; ++i) desk.Refresh(now += Frame_Ms, 1);
    EXPECT_TRUE(desk.world().game.Playing) << "the daily game did not start at once";
    EXPECT_EQ(desk.world().game.Difficulty, 2);
    for (int i = 0; i < 100000 && host.lines.empty(); ++i) desk.Refresh(now += Frame_Ms, 1);
    ASSERT_EQ(host.lines.size(), 1u) << "the daily game never ended";
    const Run_Result& r = recorder.Result();
    EXPECT_EQ(host.lines[0], Daily_Result_Line(day, 2, r, ""));
    EXPECT_EQ(host.lines[0].rfind("Zarvo daily 2026-12-08 NORMAL: ", 0), 0u) << host.lines[0];
    for (int i = 0; i < 2000; ++i) desk.Refresh(now += Frame_Ms, 1);
    EXPECT_EQ(host.lines.size(), 1u) << "the daily game's end was told again";

    const Game_Run run = desk.Whole_Run();
    EXPECT_EQ(run.Header.Start_Difficulty, 2);
    EXPECT_EQ(run.Input.Seed, Daily_Seed(day, 2));
    const Run_Verdict v = Verify_Run(run, test::Test_Assets());
    EXPECT_TRUE(v.Verified) << v.Reason;
    EXPECT_EQ(v.Replayed.Score, r.Score);
    desk.Finish();
}

TEST(Daily_Game, InTheWindowStartsAtOnceEndsWithItsLineAndItsRunVerifies) {
    Play_Daily(false);
}

TEST(Daily_Game, InThePageStartsAtOnceEndsWithItsLineAndItsRunVerifies) {
    Play_Daily(true);
}

std::string From_Base64_Url(const std::string& text) {
    const std::string letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";
    std::string out;
    uint32_t bits = 0;
    int count = 0;
    for (char c : text) {
        bits = bits << 6 | static_cast<uint32_t>(letters.find(c));
        if ((count += 6) >= 8) out += static_cast<char>(bits >> (count -= 8) & 255);
    }
    return out;
}

std::string Inflate_Raw(const std::string& packed) {
    z_stream z{};
    inflateInit2(&z, -15);
    std::string out(1 << 20, '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.data()));
    z.avail_in = static_cast<uInt>(packed.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = static_cast<uInt>(out.size());
    const int done = inflate(&z, Z_FINISH);
    out.resize(z.total_out);
    inflateEnd(&z);
    return done == Z_STREAM_END ? out : "not a whole deflate stream";
}

// The page opens what the desktop links: base64url of the run deflated raw.
TEST(Run_Link, TheLinkUnpacksToTheRunItself) {
    Game_Run run;
    run.Is_Run = true;
    run.Header.Game_Version = "test", run.Header.Date = "2026-12-08T10:00:00Z";
    run.Input.Seed = 7, run.Input.Frames = 4000;
    for (int32_t f = 1; f < 4000; f += 13)
        run.Input.Events.push_back(Key_Event(f, Key_Code::Space));
    const std::string text = Format_Run(run);
    const std::string link = Run_Link("https://zarvo.org/", text);
    const std::string head = "https://zarvo.org/#run=";
    ASSERT_EQ(link.substr(0, head.size()), head);
    const std::string packed = link.substr(head.size());
    EXPECT_EQ(packed.find_first_not_of(
                  "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_"),
              std::string::npos);
    EXPECT_LT(packed.size(), text.size() / 4) << "the run's link is hardly packed";
    EXPECT_EQ(Inflate_Raw(From_Base64_Url(packed)), text);
}

}  // namespace
}  // namespace zarvo
