// The game's mix as a player hears it: a minute of difficulty 3, level 8 (the densest play)
// replayed headless and mixed through the game's mixer, held to its loudness, its range and
// the rare cues' place above the rest; and what seven plays of one wave in one frame add up to.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "assets/catalogue.h"
#include "driver/headless/runner.h"
#include "mix_measure.h"
#include "platform/mixer.h"
#include "support/test_game.h"

namespace zarvo {
namespace {

using wavemeter::Loudest_Window;
using wavemeter::Measure_Mix;
using wavemeter::Mix_Log;

constexpr int32_t Rate = 44100;
constexpr int32_t Minute = 2550;  // the option screen's two seconds and a minute of play

struct Played_Minute {
    std::vector<Played_Wave> Log;
    std::vector<int16_t> Mix;
};

const Played_Minute& Level_8_Minute() {
    static const Played_Minute minute = [] {
        Played_Minute m;
        Script script;
        std::string error;
        if (Read_Script(ZARVO_SOURCE_DIR "/bench/scenarios/d3_level8.txt", script, error) != 0)
            return m;
        Headless_Runner run(test::Test_Assets(), Choose_Seed(std::nullopt, script), script.Screen);
        run.Run(script, Minute);
        m.Log = run.media().waves;
        m.Mix = Mix_Log(test::Test_Assets()->Waves, m.Log, Minute, Rate);
        return m;
    }();
    return minute;
}

// Loud enough to carry, quiet enough to leave the big moments room above it, and breathing:
// the quiet stretches and the loud ones at least 6 LU apart.
TEST(Mix_Levels, DenseLevelSitsAtItsLoudnessAndBreathes) {
    ASSERT_NE(test::Test_Assets(), nullptr);
    const Played_Minute& m = Level_8_Minute();
    ASSERT_GT(m.Log.size(), 1000u);
    const wavemeter::Mix_Figures f = Measure_Mix(m.Mix, Rate);
    std::printf("difficulty 3 level 8: integrated %.1f LUFS, range %.1f LU\n", f.Integrated,
                f.Range);
    EXPECT_GE(f.Integrated, -18.0);
    EXPECT_LE(f.Integrated, -16.0);
    EXPECT_GE(f.Range, 6.0);
}

// Every rare cue at least 3 dB above all else that sounds in its loudest 100 ms, over its
// plays in the minute (the median play). The alerts lead over the cues where they meet, so
// every play of an alert stands clear; the crosshair's only misses are where it meets the
// level's opening alarm, another alert, in the same frame.
TEST(Mix_Levels, RareCuesStandAboveTheRestOfTheMix) {
    ASSERT_NE(test::Test_Assets(), nullptr);
    const Played_Minute& m = Level_8_Minute();
    for (const int cue : {Wave::No, Wave::LaserFire_1, Wave::Warning, Wave::Explosion_2,
                          Wave::FadenKreuz, Wave::Rocky, Wave::Danger}) {
        const wavemeter::Cue_Clearance c =
            wavemeter::Measure_Cue(test::Test_Assets()->Waves, m.Log, Minute, Rate, cue, m.Mix);
        const char* name = Wave_List[static_cast<size_t>(cue)].Name;
        std::printf("%-12s %3d plays, above the rest by %5.1f dB at worst (frame %d), %5.1f "
                    "median, %d under 3 dB\n",
                    name, c.Plays, c.Worst, c.Worst_Frame, c.Median, c.Under_3_Db);
        EXPECT_GT(c.Plays, 0) << name;
        EXPECT_GE(c.Median, 3.0) << name;
        const bool alert = Wave_List[static_cast<size_t>(cue)].Role == Mix_Role::Alert;
        if (alert && cue != Wave::FadenKreuz) {
            EXPECT_GE(c.Worst, 3.0) << name;
        }
        if (cue == Wave::FadenKreuz) {
            EXPECT_LE(c.Under_3_Db, 2) << name;
        }
    }
}

// The loudest 100 ms of `plays` plays of a wave started in one frame, through the mixer.
double Volley(int wave, int plays) {
    Mixer mixer;
    mixer.Load(test::Test_Assets()->Waves, Rate);
    for (int k = 0; k < plays; ++k) mixer.Play(wave);
    std::vector<int16_t> out(static_cast<size_t>(Rate) * 2 * 3);
    mixer.Mix(out.data(), static_cast<int>(out.size() / 2));
    return Loudest_Window(out, Rate);
}

// Seven plays of a frequent wave in one frame add as power (10 log 7, 8.5 dB over one), not
// sample for sample (20 log 7, 16.9 dB), and stay within 3 dB of the loudest single wave.
TEST(Mix_Levels, SameFrameVolleyAddsAsPowerUnderTheBigWaves) {
    ASSERT_NE(test::Test_Assets(), nullptr);
    double loudest_single = -200;
    for (int w = 0; w < Wave::Count; ++w) loudest_single = std::max(loudest_single, Volley(w, 1));
    for (const int wave : {Wave::Laser, Wave::Explose_5, Wave::Explose_3, Wave::Cracker}) {
        const char* name = Wave_List[static_cast<size_t>(wave)].Name;
        const double one = Volley(wave, 1), seven = Volley(wave, 7);
        std::printf("%-12s one %.1f, seven %.1f, loudest single wave %.1f LUFS\n", name, one, seven,
                    loudest_single);
        EXPECT_LE(seven - one, 10 * std::log10(7.0) + 1.5) << name;
        EXPECT_GE(seven, one - 1.0) << name;  // and do not cancel out
        EXPECT_LE(seven, loudest_single + 3.0) << name;
    }
}

}  // namespace
}  // namespace zarvo
