// The frame loop's modes and their precedence, start-up and finalisation, the level-complete
// test, the frame clock, the sound mixer's voices, screenshots and the command line.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <fstream>

#include "build_info.h"
#include "driver/start/asset_folder.h"
#include "driver/start/options.h"
#include "game/frame.h"
#include "platform/frame_clock.h"
#include "platform/limiter.h"
#include "platform/mixer.h"
#include "platform/resampler.h"
#include "support/allocations.h"
#include "support/test_game.h"
#include "wave_measure.h"

namespace zarvo {
namespace {

using test::Test_Game;
using test::XY;

TEST(Start_Up, FormCreateCentresHidesAndConfinesThePointer) {
    Test_Game t(7, false);
    const Game_State& s = t.s();
    EXPECT_EQ(s.Form_Left, (1024 - 622) / 2);
    EXPECT_EQ(s.Form_Top, (768 - 513) / 2);
    EXPECT_EQ(s.Level, 1);
    EXPECT_EQ(s.Difficulty, 1);
    EXPECT_EQ(s.Lives, 5);
    EXPECT_EQ(t.mouse(), XY(505, 475));  // on the title's Start button
    EXPECT_EQ(s.Back_Picture_Image, Img2::Sponsor);
    EXPECT_TRUE(s.Sponsor_On);
    EXPECT_TRUE(s.Back_Picture_Exists);
    EXPECT_TRUE(t.media.pointer_hidden);
    EXPECT_TRUE(t.media.clip.Confined);
    DXDraw1Finalize(t.g);
    EXPECT_TRUE(s.Sponsor_On);
    EXPECT_FALSE(s.Back_Picture_Exists);
    EXPECT_FALSE(t.media.pointer_hidden);
    EXPECT_FALSE(t.media.clip.Confined);
}

// A surface that has been lost and cannot be restored.
class Lost_Media : public Headless_Media {
  public:
    bool Surface_Ready() override { return false; }
};

TEST(Frame, LostSurfaceClosesTheProgramAfterTheFrame) {
    World w;
    Lost_Media m;
    Game g{w, m};
    FormCreate(g, 1, 1024, 768);
    DXTimer1Timer(g);
    EXPECT_TRUE(m.closed);
    EXPECT_TRUE(w.game.Quit_Requested);
    EXPECT_EQ(m.shown_frames, 1);  // the rest of the frame still ran
}

// Runs one frame with a click and an Enter pending and answers whether the game still plays
// and the click and the key survived.
struct Frame_Outcome {
    bool playing, clicked, key;
};

Frame_Outcome Run_Mode(Test_Game& t) {
    t.s().Playing = true;
    t.s().Mouse_Clicked = true;
    t.s().Key_Pressed = true;
    t.s().Game_Halted = true;
    t.run(1);
    return {t.s().Playing, t.s().Mouse_Clicked, t.s().Key_Pressed};
}

TEST(Modes, PrecedenceTitleGameOverNameEntryPausedGame) {
    {
        Test_Game t(3, false);  // every flag up: the title wins
        t.s().Game_Over = t.s().Set_Score_New_On = t.s().Sponsor_Paused = true;
        t.s().Key_Pressed = false;
        const int level = t.s().Level;
        t.s().Playing = true;
        t.run(1);
        EXPECT_FALSE(t.s().Playing);
        EXPECT_EQ(t.s().Level, level);
    }
    {
        Test_Game t(3, false);
        t.s().Sponsor_On = false;
        t.s().Game_Over = t.s().Set_Score_New_On = t.s().Sponsor_Paused = true;
        const auto [playing, clicked, key] = Run_Mode(t);
        EXPECT_TRUE(playing);  // Playing left alone
        EXPECT_FALSE(clicked);
        EXPECT_FALSE(key);
    }
    {
        Test_Game t(3, false);
        t.s().Sponsor_On = false;
        t.s().Set_Score_New_On = t.s().Sponsor_Paused = true;
        const auto [playing, clicked, key] = Run_Mode(t);
        EXPECT_FALSE(playing);
        EXPECT_FALSE(clicked);  // name entry
    }
}

TEST(Modes, PausedTitleDoesNotRebuildTheLevel) {
    Test_Game t(3, false);
    t.s().Sponsor_On = false;
    t.s().Sponsor_Paused = true;
    t.s().Level = 4;
    const auto [playing, clicked, key] = Run_Mode(t);
    EXPECT_FALSE(playing);
    EXPECT_FALSE(clicked);
    EXPECT_FALSE(key);
    EXPECT_EQ(t.s().Level, 4);
    for (const Played_Wave& w : t.media.waves) EXPECT_NE(w.Index, Wave::Danger);
}

TEST(Modes, GameFrameKeepsClicksAndKeysPending) {
    Test_Game t(3, false);
    t.s().Sponsor_On = false;
    t.s().Enimy_Count = 3;
    t.media.Release_Pointer();
    t.move(0, 0);  // away from the panel's buttons
    const auto [playing, clicked, key] = Run_Mode(t);
    EXPECT_TRUE(playing);
    EXPECT_TRUE(clicked);
    EXPECT_TRUE(key);
    EXPECT_EQ(t.media.shown_frames, 1);
}

TEST(Modes, StartingFromTheTitleBuildsTheCurrentLevelWithDangerAndAFullStore) {
    Test_Game t(3, true);
    t.w().effects.Energy_Count = 0, t.w().effects.Reserve_Count = 0;  // as a lost game leaves it
    t.key(Key_Code::Enter);
    t.run(1);
    if (t.s().Sponsor_On) GTEST_SKIP() << "the title screen does not start games yet";
    EXPECT_EQ(t.s().Level, 1);
    EXPECT_EQ(t.s().Difficulty, 1);
    EXPECT_EQ(t.s().Back_Picture_Choice, 0);
    ASSERT_FALSE(t.media.waves.empty());
    EXPECT_EQ(t.media.waves.back().Index, Wave::Danger);
    EXPECT_EQ(XY(t.w().effects.Energy_Count, t.w().effects.Reserve_Count), XY(12, 12));
}

TEST(Level_Complete, LastEnemyOrEightyPercentAndPointerConfinedOnce) {
    Test_Game t(3, false);
    t.s().Enimy_Count = 2;
    t.s().Fliese_Percent = 79;
    t.w().player.Ego_Dir = Dir::Right;
    Level_Complete_Test(t.g);
    EXPECT_FALSE(t.s().Well_Done);
    EXPECT_EQ(t.w().player.Ego_Dir, Dir::Right);

    t.s().Fliese_Percent = 80;
    Level_Complete_Test(t.g);
    EXPECT_TRUE(t.s().Well_Done);
    EXPECT_TRUE(t.s().Game_Halted);
    EXPECT_EQ(t.w().player.Ego_Dir, Dir::None);
    EXPECT_EQ(t.s().Well_Done_Tick, 1);
    EXPECT_EQ(t.mouse(), XY(423, 258));

    t.move(200, 200);
    t.s().Game_Halted = false;
    Level_Complete_Test(t.g);  // still holds, but the pointer is not placed again
    EXPECT_TRUE(t.s().Game_Halted);
    EXPECT_EQ(t.s().Mouse_X, 200);

    Test_Game last(3, false);
    last.s().Enimy_Count = 0;
    last.s().Fliese_Percent = 10;
    Level_Complete_Test(last.g);
    EXPECT_TRUE(last.s().Well_Done);
}

TEST(Frame_Clock, TicksEveryIntervalWithoutCatchingUpAndStandsStillWithoutFocus) {
    Frame_Clock c(24);
    EXPECT_TRUE(c.Take_Tick(1000));  // the first tick at once
    EXPECT_FALSE(c.Take_Tick(1010));
    EXPECT_EQ(c.Ms_Until_Tick(1010), 14u);
    EXPECT_TRUE(c.Take_Tick(1027));  // three late: the next is still due at 1048
    EXPECT_EQ(c.Ms_Until_Tick(1027), 21u);
    EXPECT_TRUE(c.Take_Tick(1500));  // a stall of 476 ms gives one tick, not nineteen
    EXPECT_FALSE(c.Take_Tick(1501));
    EXPECT_EQ(c.Ms_Until_Tick(1501), 23u);
    EXPECT_EQ(c.Ms_Until_Tick(1600), 0u);

    c.Set_Active(false);  // without focus it stands still, and ticks at once on return
    EXPECT_FALSE(c.Take_Tick(1700));
    EXPECT_FALSE(c.Take_Tick(100000));
    c.Set_Active(true);
    EXPECT_TRUE(c.Take_Tick(100001));
    EXPECT_EQ(c.Ms_Until_Tick(100001), 24u);
}

// A loop that sleeps as told and always wakes a few milliseconds late keeps the pace of the
// grid, and never gets a tick without having slept first. Woken by a display's refreshes (a
// browser's animation frames) instead, the clock still ticks 41.7 times a second at 60 Hz and
// at 144 Hz, never twice on one refresh; at 30 Hz taking up to two ticks a refresh keeps the
// pace, and a stall gives no burst beyond those two.
TEST(Frame_Clock, KeepsThePaceWakingLateOrAtTheDisplaysRefreshRate) {
    Frame_Clock c(24);
    uint64_t now = 0;
    int ticks = 0;
    while (now < 60000) {
        if (c.Take_Tick(now)) ++ticks;
        const uint32_t sleep = c.Ms_Until_Tick(now);
        ASSERT_GT(sleep, 0u);
        now += sleep + (ticks % 3 == 0 ? 7 : 2);
    }
    EXPECT_NEAR(ticks, 60000 / 24, 60000 / 24 / 200);
    for (const double hz : {60.0, 144.0}) {
        Frame_Clock r(24);
        ticks = 0;
        for (int i = 0; i < static_cast<int>(10 * hz); ++i)
            ticks += r.Take_Tick(static_cast<uint64_t>(i * 1000.0 / hz));
        EXPECT_NEAR(ticks, 10000 / 24, 1) << hz << " Hz";
    }
    Frame_Clock slow(24);
    ticks = 0;
    int most = 0;
    for (int i = 0; i < 300; ++i) {
        const int taken = slow.Take_Ticks(static_cast<uint64_t>(i * 1000.0 / 30), 2);
        ticks += taken;
        most = std::max(most, taken);
    }
    EXPECT_NEAR(ticks, 10000 / 24, 1) << "30 Hz";
    EXPECT_EQ(most, 2);
    EXPECT_EQ(slow.Take_Ticks(20000, 2), 2);  // a stall of ten seconds
    EXPECT_EQ(slow.Take_Ticks(20033, 2), 1);
}

// A mono 8-bit wave of `frames` samples all at `value` (unsigned, 128 = silence).
Sound Flat_Wave(int rate, int frames, uint8_t value) {
    Sound s;
    s.Rate = rate, s.Bits = 8, s.Channels = 1;
    s.Data.assign(static_cast<size_t>(frames), value);
    return s;
}

// The strength of `hz` in a signal sampled at `rate` (Goertzel), relative to a unit sine.
double Strength(const std::vector<int16_t>& stereo, int rate, double hz) {
    const double w = 2 * 3.14159265358979 * hz / rate, c = 2 * std::cos(w);
    double s1 = 0, s2 = 0;
    const size_t n = stereo.size() / 2;
    for (size_t f = 0; f < n; ++f) {
        const double s0 = stereo[2 * f] / 32768.0 + c * s1 - s2;
        s2 = s1, s1 = s0;
    }
    return std::sqrt(s1 * s1 + s2 * s2 - c * s1 * s2) * 2 / static_cast<double>(n);
}

// Eight-bit mono goes to both sides at its level; a 3 kHz tone brought up from 8 kHz keeps
// its level and its mirror image at 5 kHz stays more than 60 dB under it.
TEST(Mixer, ConvertsFormatsAndRatesWithoutMirrorImages) {
    const Sound eight = Flat_Wave(11025, 100, 128 + 64);
    const auto prepared = Prepare_Sound(eight, 22050);
    ASSERT_EQ(prepared.size(), 200u * 2);
    EXPECT_NEAR(prepared[200], 64 * 256, 64 * 256 / 100);
    EXPECT_EQ(prepared[201], prepared[200]);  // mono goes to both sides

    Sound sixteen;
    sixteen.Rate = 44100, sixteen.Bits = 16, sixteen.Channels = 2;
    sixteen.Data = {0x00, 0x80, 0xFF, 0x7F, 0x00, 0x80, 0xFF, 0x7F};  // (-32768, 32767) twice
    const auto stereo = Prepare_Sound(sixteen, 44100);
    ASSERT_EQ(stereo.size(), 4u);
    EXPECT_EQ(std::tuple(stereo[0], stereo[1]), std::tuple(-32768, 32767));

    Sound tone;
    tone.Rate = 8000, tone.Bits = 16, tone.Channels = 1;
    for (int i = 0; i < 8000; ++i) {
        const auto v =
            static_cast<int16_t>(16000 * std::sin(2 * 3.14159265358979 * 3000 * i / 8000));
        tone.Data.push_back(static_cast<uint8_t>(v & 0xFF));
        tone.Data.push_back(static_cast<uint8_t>((v >> 8) & 0xFF));
    }
    const auto up = Prepare_Sound(tone, 44100);
    const double wanted = Strength(up, 44100, 3000), image = Strength(up, 44100, 5000);
    EXPECT_NEAR(wanted, 16000 / 32768.0, 0.02);
    EXPECT_LT(20 * std::log10(image / wanted), -60.0);

    Sound broken;
    broken.Rate = 8000, broken.Bits = 12, broken.Channels = 1, broken.Data = {1, 2, 3};
    EXPECT_TRUE(Prepare_Sound(broken, 44100).empty());
}

// Rates that share no large divisor get finely spaced phases whose steps add up a little
// faster than the input: 14 s of 32001 Hz brought to 48 kHz ran the kernel some 40 samples
// past the padded end of the input (the sanitizer build names such a read). The whole length
// comes out, at the input's level, with no more than the kernel's own ringing at the ends.
TEST(Mixer, ResamplingBetweenUnrelatedRatesStaysInsideTheInput) {
    const std::vector<float> in(32001 * 14, 0.25f);
    const std::vector<float> out = Resample(in, 32001, 48000);
    ASSERT_EQ(out.size(), 48000u * 14);
    EXPECT_NEAR(out[out.size() / 2], 0.25f, 0.001f);
    for (size_t n = 0; n < out.size(); ++n) ASSERT_LT(std::fabs(out[n]), 0.3f) << n;
}

// What a sum of voices comes out as through the master gain, at full level.
int Mixed(int sum) {
    return static_cast<int>(std::lround(sum * Mixer::Master_Gain / 32768.0 * 32767.0));
}

// Voices sound through the master gain, as late as the limiter looks ahead.
TEST(Mixer, BusyItemGainsAVoiceIdleVoiceIsReusedNothingIsCutOff) {
    Mixer mixer;
    mixer.Load({Flat_Wave(1000, 100, 128 + 10), Flat_Wave(1000, 50, 128 + 20)}, 1000);
    const int late = mixer.Latency();
    ASSERT_EQ(late, 2);
    const int voice = Mixed(10 * 256);
    int16_t out[2 * 60];
    mixer.Play(0);
    mixer.Mix(out, 60);
    EXPECT_EQ(out[0], 0);
    EXPECT_EQ(out[2 * late], voice);
    mixer.Play(0);  // the first voice still has 40 frames to go
    EXPECT_EQ(mixer.Voice_Count(0), 2);
    EXPECT_EQ(mixer.Playing_Count(0), 2);
    mixer.Mix(out, 40);
    EXPECT_EQ(out[2 * late], Mixed(2 * 10 * 256));  // both voices sound together
    EXPECT_EQ(mixer.Playing_Count(0), 1);           // the first ran to its end
    mixer.Play(0);                                  // takes the idle voice
    EXPECT_EQ(mixer.Voice_Count(0), 2);
    EXPECT_EQ(mixer.Playing_Count(0), 2);
    mixer.Mix(out, 60);
    EXPECT_EQ(out[2 * 59], Mixed(2 * 10 * 256));
    mixer.Mix(out, 60);
    EXPECT_EQ(mixer.Playing_Count(0), 0);
    EXPECT_EQ(out[2 * (50 + late)], 0);
    mixer.Play(7);  // not a wave: nothing happens
    EXPECT_EQ(mixer.Voice_Count(7), 0);
}

// Mixes `frames` frames in the device's blocks of up to 512 frames, into one channel.
std::vector<int> Mix_Left(Mixer& mixer, size_t frames) {
    std::vector<int> left;
    int16_t block[2 * 512];
    while (left.size() < frames) {
        const int n = static_cast<int>(std::min<size_t>(512, frames - left.size()));
        mixer.Mix(block, n);
        for (int f = 0; f < n; ++f) left.push_back(block[2 * f]);
    }
    return left;
}

// Seven starts of one wave in one frame (up to nine shots can fall in one) are seven voices,
// started a few milliseconds apart: all play to the end of the recording, their sum stays under
// full scale, and for the shot the master stage leaves the seven at least 0.7 of seven times
// one voice's energy: spread, they add as power, none cut short or squashed. Seven of the
// biggest blast pass under full scale too.
TEST(Mixer, SevenStartsInOneFrameAreSevenVoicesHeardToTheirEnd) {
    ASSERT_NE(test::Test_Assets(), nullptr);
    const auto spread = static_cast<size_t>(std::lround(Mixer::Spread_Ms[5] * 44.1f));
    for (const int wave : {Wave::Laser, Wave::Explose_6}) {
        Mixer one, seven;
        one.Load(test::Test_Assets()->Waves, 44100, 1024);
        seven.Load(test::Test_Assets()->Waves, 44100, 1024);
        one.Play(wave);
        for (int k = 0; k < 7; ++k) seven.Play(wave);
        EXPECT_EQ(seven.Voice_Count(wave), 7);
        // The sixth voice starts latest and ends as late.
        const size_t frames = one.Prepared(wave).size() / 2 + spread;
        const std::vector<int> single = Mix_Left(one, frames - 1),
                               sum = Mix_Left(seven, frames - 1);
        EXPECT_EQ(seven.Playing_Count(wave), 1) << wave;
        Mix_Left(seven, 1);
        EXPECT_EQ(seven.Playing_Count(wave), 0) << wave;

        int peak = 0;
        for (int v : sum) peak = std::max(peak, std::abs(v));
        EXPECT_LE(peak, static_cast<int>(Mixer::Limit * 32767) + 1) << wave;
        if (wave != Wave::Laser) continue;
        double one_energy = 0, seven_energy = 0;
        for (size_t f = 0; f < single.size(); ++f)
            one_energy += 1.0 * single[f] * single[f], seven_energy += 1.0 * sum[f] * sum[f];
        EXPECT_GE(seven_energy, one_energy * 7 * 0.7);
        EXPECT_LE(seven_energy, one_energy * 7 * 1.6);  // not in phase: that would be 49 times
    }
}

// Plays of one wave between two mixes start Spread_Ms late in turn, the ninth with the first
// again; the next mix starts its first play at once.
TEST(Mixer, SameFramePlaysOfAWaveStartSpreadInsideTheFrame) {
    Mixer mixer;
    mixer.Load({Flat_Wave(1000, 200, 128 + 5)}, 1000, 64);
    for (int k = 0; k < 9; ++k) mixer.Play(0);
    const std::vector<int> left = Mix_Left(mixer, 40);
    const auto voices = [](int n) { return Mixed(n * 5 * 256); };
    const size_t late = static_cast<size_t>(mixer.Latency());
    // At 1000 frames a second the plays wait 0, 11, 5, 18, 8, 22, 2, 15 and 0 frames.
    const std::pair<size_t, int> heard[] = {{0, 2},  {1, 2},  {2, 3},  {4, 3},  {5, 4}, {8, 5},
                                            {11, 6}, {15, 7}, {18, 8}, {21, 8}, {22, 9}};
    for (const auto& [at, count] : heard) EXPECT_EQ(left[late + at], voices(count)) << at;
    mixer.Play(0);
    const std::vector<int> next = Mix_Left(mixer, late + 1);
    EXPECT_EQ(next[late], voices(10));
}

// A frequent wave's plays in one frame take its pitches in turn: the second is a little
// higher, so its sound is over a little sooner; every voice still stays busy to the
// recording's end.
TEST(Mixer, SameFramePlaysOfAFrequentWaveTakeItsPitchesInTurn) {
    Sound tone = Flat_Wave(1000, 400, 128);
    for (size_t f = 0; f < 200; ++f) tone.Data[f] = 128 + 40;  // sounds for 200 frames
    tone.Role = Mix_Role::Frequent;
    Mixer alone, pair;
    alone.Load({tone}, 1000, 64);
    pair.Load({tone}, 1000, 64);
    alone.Play(0);
    pair.Play(0);
    pair.Play(0);  // waits 11 frames, at pitch Pitch[1]
    const std::vector<int> one = Mix_Left(alone, 260), two = Mix_Left(pair, 260);
    const auto last_heard = [](const std::vector<int>& v) {
        size_t end = v.size();
        while (end > 0 && std::abs(v[end - 1]) < 50) --end;
        return end;
    };
    const auto pitched_end = static_cast<size_t>(11 + 200 / Mixer::Pitch[1]);
    EXPECT_NEAR(static_cast<double>(last_heard(one)), 200.0 + alone.Latency(), 3);
    // (The resampler's kernel rings a few frames past the sound's hard end.)
    EXPECT_NEAR(static_cast<double>(last_heard(two)), pitched_end + pair.Latency(), 6);
    EXPECT_LT(last_heard(two), 11 + 200 + static_cast<size_t>(pair.Latency()));
    Mix_Left(pair, 400 - 260 + 10);
    EXPECT_EQ(pair.Playing_Count(0), 1);  // the second, 11 frames late
    Mix_Left(pair, 1);
    EXPECT_EQ(pair.Playing_Count(0), 0);
}

// The player's sound level scales everything mixed; 0 is silence.
TEST(Mixer, MasterLevelScalesAndMutes) {
    int16_t out[3][2 * 64];
    for (int k = 0; k < 3; ++k) {
        Mixer mixer;
        mixer.Load({Flat_Wave(22050, 1000, 128 + 64)}, 22050);
        mixer.Set_Level(k == 0 ? 100 : k == 1 ? 50 : 0);
        mixer.Play(0);
        mixer.Mix(out[k], 64);
    }
    // 34 frames late: the limiter's look-ahead of 1.5 ms.
    EXPECT_GT(out[0][2 * 40], 4000);
    EXPECT_NEAR(out[1][2 * 40], out[0][2 * 40] / 2, 1);
    for (int16_t sample : out[2]) EXPECT_EQ(sample, 0);
}

// The limiter glides: a sudden loud burst after quiet is turned down before it arrives (the
// sound comes out late by the look-ahead), so no sample passes the limit and the gain never
// jumps by more than its glide allows from one frame to the next.
TEST(Mixer, LimiterGlidesDownBeforeAPeakInsteadOfJumping) {
    Soft_Limiter limiter(0.5f, 100, 9);
    ASSERT_EQ(limiter.Look_Ahead(), 9);
    float last_gain = 1;
    for (int f = 0; f < 200; ++f) {
        float left = f < 50 ? 0.1f : (f % 2 ? 1.0f : -1.0f), right = -left;
        limiter.Apply(left, right);
        EXPECT_LE(std::fabs(left), 0.5f + 1e-6f) << f;
        if (f == 50 + 8) {
            EXPECT_NEAR(left, -0.5f, 1e-6f) << "the burst's first frame";
        }
        if (f < 50 + 8 && f >= 8) {
            EXPECT_NEAR(std::fabs(left), 0.1f * limiter.Gain(), 1e-6f) << f;
        }
        EXPECT_LE(last_gain - limiter.Gain(), 0.5f / 9 + 1e-6f) << f;
        last_gain = limiter.Gain();
    }
    EXPECT_LT(last_gain, 0.51f);
}

// A newer alert leads: a cue already sounding gives way (Lead_Dip lower) through the alert's
// loud part and comes back after it, while a cue that starts under an alert takes nothing from
// it. Each leader is played silent, so that what is heard is the other wave alone.
TEST(Mixer, ANewerAlertLeadsAndACueGivesWay) {
    Sound cue = Flat_Wave(1000, 600, 128 + 8), alert = Flat_Wave(1000, 200, 128 + 8);
    alert.Role = Mix_Role::Alert;
    Mixer mixer;
    mixer.Load({cue, alert}, 1000, 20);
    mixer.Set_Silent(1, true);
    const auto late = static_cast<size_t>(mixer.Latency());
    mixer.Play(0);
    const std::vector<int> alone = Mix_Left(mixer, 100);
    EXPECT_EQ(alone[50 + late], Mixed(8 * 256));
    mixer.Play(1);
    const std::vector<int> under = Mix_Left(mixer, 300);
    EXPECT_EQ(under[100 + late], Mixed(static_cast<int>(8 * 256 * Mixer::Lead_Dip)));
    EXPECT_EQ(under[290 + late], Mixed(8 * 256)) << "back after the alert's loud part";

    Mixer other;
    other.Load({cue, alert}, 1000, 20);
    other.Set_Silent(0, true);
    other.Play(1);
    Mix_Left(other, 50);
    other.Play(0);
    const std::vector<int> over = Mix_Left(other, 100);
    EXPECT_EQ(over[50 + late], Mixed(static_cast<int>(8 * 256 * Mixer::Alert_Gain)));
}

// The audio callback allocates nothing: its buffers are sized when the waves load, a longer
// request is mixed in blocks, and Voices_Per_Item voices of every wave are ready before the
// first play.
TEST(Mixer, MixingAllocatesNothing) {
    Mixer mixer;
    mixer.Load({Flat_Wave(8000, 4000, 200), Flat_Wave(8000, 800, 60)}, 44100, 512);
    std::vector<int16_t> out(2 * 3000);
    const long before = test::Allocations_So_Far();
    for (int k = 0; k < 2 * Mixer::Voices_Per_Item; ++k) mixer.Play(k % 2);
    mixer.Mix(out.data(), 3000);
    mixer.Mix(out.data(), 100);
    EXPECT_EQ(test::Allocations_So_Far(), before);
    EXPECT_EQ(mixer.Playing_Count(0), Mixer::Voices_Per_Item);
}

bool Parse(std::vector<const char*> args, Program_Options& o, std::string& error) {
    args.insert(args.begin(), "zarvo");
    return Parse_Options(static_cast<int>(args.size()), args.data(), o, error);
}

TEST(Command_Line, OptionsAndTheirMistakes) {
    Program_Options o;
    std::string error;
    ASSERT_TRUE(Parse({}, o, error));
    EXPECT_FALSE(o.Headless);
    EXPECT_FALSE(o.Scale);  // the settings file's, or 1
    ASSERT_TRUE(Parse({"--scale", "3", "--record", "r.txt", "--seed", "9"}, o, error));
    EXPECT_EQ(o.Scale, 3);
    EXPECT_EQ(o.Record, "r.txt");
    ASSERT_TRUE(Parse({"--headless", "--frames", "40", "--input", "in", "--dump", "d",
                       "--sound-log", "s", "--shot", "x.bmp", "--assets", "a", "--audio-out", "m"},
                      o, error));
    EXPECT_EQ(o.Run.Frames, 40);
    EXPECT_EQ(o.Run.Audio_File, "m");
    EXPECT_EQ(o.Run.Shot, "x.bmp");
    EXPECT_EQ(o.Assets_Dir, "a");
    EXPECT_FALSE(o.Run.Seed);
    ASSERT_TRUE(Parse({"--help"}, o, error));
    EXPECT_TRUE(o.Help);
    ASSERT_TRUE(Parse({"--version"}, o, error));
    EXPECT_TRUE(o.Version);

    ASSERT_TRUE(Parse({"--window", "--fullscreen", "--volume", "0", "--no-config", "--scores",
                       "s.Scr", "--replay", "r.txt"},
                      o, error));
    EXPECT_TRUE(o.Window);
    EXPECT_TRUE(o.Fullscreen);
    EXPECT_TRUE(o.No_Config);
    EXPECT_EQ(o.Volume, 0);
    EXPECT_EQ(o.Scores, "s.Scr");
    EXPECT_EQ(o.Replay, "r.txt");

    // Each mistake is refused; the last word is a text its message holds (empty: any).
    const std::vector<std::vector<const char*>> mistakes = {
        {"--scale", "9", "--scale"},
        {"--volume", "101", "--volume"},
        {"--replay", "a", "--record", "b", ""},
        {"--headless", "--frames", "5", "--window", ""},
        {"--scale", "0", ""},
        {"--headless", "--frames"},
        {"--frames", "10", ""},
        {"--audio-out", "m.wav", "--audio-out"},
        {"--headless", "--frames", "-1", ""},
        {"--headless", "--frames", "5", "--scale", "2", ""},
        {"--seed", ""},
        {"--full-screen", "--full-screen"},
        {"--headless", "--frames", "5", "--input", "", "--input wants a file name"},
        {"--dump", "", "--dump wants a file name"},
        {"--record", "", "--record wants a file name"},
        {"--scores", "", "--scores wants a file name"},
        {"--assets", "", "--assets wants a folder name"}};
    for (std::vector<const char*> args : mistakes) {
        const std::string names = args.back();
        args.pop_back();
        EXPECT_FALSE(Parse(args, o, error)) << args[0];
        EXPECT_NE(error.find(names), std::string::npos) << error;
    }
    const std::string usage = Usage_Text();
    for (const char* name :
         {"--scale", "--record", "--dump", "--seed", "--assets", "--headless", "--frames",
          "--input", "--sound-log", "--shot", "--help", "--version", "--window", "--fullscreen",
          "--volume", "--no-config", "--scores", "--replay", "--audio-out"})
        EXPECT_NE(usage.find(name), std::string::npos) << name;
}

TEST(Command_Line, VerifyTakesTheFilesUpToTheNextOption) {
    Program_Options o;
    std::string error;
    ASSERT_TRUE(Parse({"--verify", "a.zrun", "b.zrun", "--assets", "dir"}, o, error)) << error;
    EXPECT_EQ(o.Verify, (std::vector<std::string>{"a.zrun", "b.zrun"}));
    EXPECT_EQ(o.Assets_Dir, "dir");
    EXPECT_FALSE(Parse({"--verify"}, o, error));
    EXPECT_EQ(error, "--verify wants one or more run files");
    EXPECT_FALSE(Parse({"--verify", "--assets", "dir"}, o, error));
    EXPECT_EQ(error, "--verify wants one or more run files");
    EXPECT_FALSE(Parse({"--headless", "--frames", "9", "--verify", "a.zrun"}, o, error));
    EXPECT_EQ(error, "--verify replays runs by itself; it takes only --assets");
    // A recording of the older kind becomes a run when replayed with --record.
    ASSERT_TRUE(Parse({"--headless", "--frames", "9", "--input", "old.txt", "--record", "r.zrun"},
                      o, error))
        << error;
    EXPECT_EQ(o.Run.Record, "r.zrun");
}

// --help names the keys of README's key table.
TEST(Command_Line, HelpListsTheKeys) {
    std::ifstream file(std::string(ZARVO_SOURCE_DIR) + "/README.md");
    std::string readme((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    const size_t table = readme.find("| Action | Keys |");
    ASSERT_NE(table, std::string::npos);
    const std::string keys = readme.substr(table, readme.find("\n\n", table) - table);
    const std::string usage = Usage_Text();
    for (const char* key : {"cursor", "keypad", "K", "J", "H", "L", "Space", "Enter", "letters",
                            "Backspace", "P", "Pause", "F11", "Alt+Enter", "M", "-", "+", "F1"}) {
        EXPECT_NE(keys.find(key), std::string::npos) << key << " is not in README's key table";
        EXPECT_NE(usage.find(key), std::string::npos) << key << " is not in --help";
    }
    for (const char* action : {"walk", "fire", "pause", "fullscreen", "sound", "help"})
        EXPECT_NE(usage.find(std::string("  ") + action), std::string::npos) << action;
}

// The manual page keeps up with the command line: every option --help lists is described.
TEST(Command_Line, ManualPageDescribesEveryOption) {
    std::ifstream file(std::string(ZARVO_SOURCE_DIR) + "/packaging/zarvo.6.in");
    std::string manual;
    for (char c; file.get(c);)
        if (c != '\\') manual += c;  // roff writes a hyphen as \-
    ASSERT_FALSE(manual.empty());
    const std::string usage = Usage_Text();
    int options = 0;
    for (size_t at = usage.find("--"); at != std::string::npos; at = usage.find("--", at + 2)) {
        size_t end = at + 2;
        while (end < usage.size() &&
               (std::islower(static_cast<unsigned char>(usage[end])) || usage[end] == '-'))
            ++end;
        const std::string option = usage.substr(at, end - at);
        EXPECT_NE(manual.find(option), std::string::npos) << option;
        ++options;
    }
    EXPECT_GE(options, 12);
}

// Without --assets the game looks beside its program first (a build folder), then in the
// install its own folder leads to, so an installed tree still works when moved as a whole.
TEST(Command_Line, AssetFolderBesideTheProgramElseInItsInstall) {
    namespace fs = std::filesystem;
    const fs::path prefix =
        fs::temp_directory_path() / ("zarvo_moved_install_" + std::to_string(::getpid()));
    fs::remove_all(prefix);
    const fs::path games = prefix / "games";
    const fs::path beside = games / "assets";
    const fs::path installed = (games / Installed_Assets_From_Program).lexically_normal();
    fs::create_directories(games);
    std::string folder, error;
    EXPECT_FALSE(Find_Asset_Folder(games.string(), folder, error));
    EXPECT_NE(error.find(beside.string()), std::string::npos) << error;
    EXPECT_NE(error.find(installed.string()), std::string::npos) << error;
    fs::create_directories(installed);
    ASSERT_TRUE(Find_Asset_Folder(games.string(), folder, error));
    EXPECT_EQ(folder, installed.string());
    fs::create_directories(beside);
    ASSERT_TRUE(Find_Asset_Folder(games.string(), folder, error));
    EXPECT_EQ(folder, beside.string());
    fs::remove_all(prefix);
}

}  // namespace
}  // namespace zarvo
