// The mixer's cost per second of sound: the waves a minute of difficulty 3, level 8 plays
// (replayed headless from bench/scenarios/d3_level8.txt) are mixed at 44.1 kHz in the sound
// device's blocks of 1024 frames, master stage and limiter included. The counter
// "cpu/audio_s" is the processor time one second of sound costs. ZARVO_BENCH_ASSETS names
// another asset folder (the waves of an older build, to compare side by side).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "bench_support.h"
#include "driver/headless/runner.h"
#include "platform/mixer.h"

namespace {

using namespace zarvo;
using namespace zarvo::bench;

constexpr int Rate = 44100;
constexpr int Block = 1024;
constexpr int Frames = 2550;

const Assets* Wave_Assets() {
    static Assets assets;
    static const bool loaded = [] {
        const char* dir = std::getenv("ZARVO_BENCH_ASSETS");
        std::string message;
        return Load_Assets(dir ? dir : ZARVO_ASSET_DIR, assets, message);
    }();
    return loaded ? &assets : nullptr;
}

// The waves the scenario plays, by frame.
const std::vector<Played_Wave>& Scenario_Waves() {
    static const std::vector<Played_Wave> waves = [] {
        Script script;
        std::string error;
        if (Read_Script(ZARVO_SOURCE_DIR "/bench/scenarios/d3_level8.txt", script, error) != 0)
            return std::vector<Played_Wave>{};
        Headless_Runner run(Wave_Assets(), Choose_Seed(std::nullopt, script), script.Screen);
        run.Run(script, Frames);
        return run.media().waves;
    }();
    return waves;
}

void BM_Mix_Level8_Minute(benchmark::State& state) {
    const std::vector<Played_Wave>& waves = Scenario_Waves();
    if (!Wave_Assets() || waves.empty()) return state.SkipWithError("no scenario or assets");
    std::vector<int16_t> out(2 * Block);
    const int64_t total = static_cast<int64_t>(Frames) * Rate * Frame_Ms / 1000;
    for (auto _ : state) {
        // Every minute starts silent, from a fresh load: a copy of a loaded mixer would not
        // keep the voices made ready for each wave, and playing would allocate them.
        state.PauseTiming();
        Mixer mixer;
        mixer.Load(Wave_Assets()->Waves, Rate, Block);
        state.ResumeTiming();
        size_t next = 0;
        for (int64_t done = 0; done < total; done += Block) {
            // The waves of every frame that has begun by this block start before it is mixed.
            const int64_t frame = done * 1000 / (static_cast<int64_t>(Rate) * Frame_Ms) + 1;
            for (; next < waves.size() && waves[next].Frame <= frame; ++next)
                mixer.Play(waves[next].Index);
            mixer.Mix(out.data(), Block);
            benchmark::DoNotOptimize(out.data());
        }
    }
    state.counters["cpu/audio_s"] = benchmark::Counter(
        static_cast<double>(total) / Rate,
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.counters["waves"] = static_cast<double>(waves.size());
}
BENCHMARK(BM_Mix_Level8_Minute)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// Loading: every wave brought to the device rate once, as the game does when the sound device
// opens (in the browser: at the first key or click).
void BM_Load_Waves(benchmark::State& state) {
    if (!Wave_Assets()) return state.SkipWithError("no assets");
    for (auto _ : state) {
        Mixer mixer;
        mixer.Load(Wave_Assets()->Waves, static_cast<int32_t>(state.range(0)), Block);
        benchmark::DoNotOptimize(mixer.Prepared(0).data());
    }
}
BENCHMARK(BM_Load_Waves)->Arg(44100)->Arg(48000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
