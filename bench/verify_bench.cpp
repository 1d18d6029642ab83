// Verifying a run: replaying it from its header in a World of its own and checking its claims.
// The two scenarios of bench/scenarios (a minute of difficulty 3 level 8, a minute of level 1
// standing still) are replayed as runs, without drawing (as --verify does) and drawn (the
// headless runner's whole frame), and the speed is given as a multiple of real time (41.7
// frames a second).
#include <benchmark/benchmark.h>

#include "bench_support.h"
#include "game/run_file.h"
#include "game/run_player.h"
#include "game/run_verify.h"

namespace {

using namespace zarvo;
using namespace zarvo::bench;

const char* Scenario(int which) {
    return which == 8 ? ZARVO_SOURCE_DIR "/bench/scenarios/d3_level8.txt"
                      : ZARVO_SOURCE_DIR "/bench/scenarios/level1_still.txt";
}

void Count(benchmark::State& state, int64_t frames) {
    state.counters["frames/s"] =
        benchmark::Counter(static_cast<double>(frames), benchmark::Counter::kIsRate);
    state.counters["x real time"] =
        benchmark::Counter(static_cast<double>(frames) * 0.024, benchmark::Counter::kIsRate);
}

void BM_Replay(benchmark::State& state) {
    Game_Run run;
    std::string error;
    if (Read_Recording(Scenario(static_cast<int>(state.range(0))), run, error) != 0) {
        state.SkipWithError(error.c_str());
        return;
    }
    run.Input.Frames = 2550;
    const bool drawn = state.range(1) != 0;
    int64_t frames = 0;
    for (auto _ : state) {
        Run_Player player(run, Bench_Assets(), drawn);
        if (!player.Ready(error)) {
            state.SkipWithError(error.c_str());
            return;
        }
        player.Play_To_End();
        frames += player.Frame();
    }
    Count(state, frames);
}
// {8: difficulty 3 level 8, 1: level 1} x {0: not drawn, as --verify, 1: drawn}
BENCHMARK(BM_Replay)
    ->Args({8, 0})
    ->Args({8, 1})
    ->Args({1, 0})
    ->Args({1, 1})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

// The whole of --verify for one run: reading aside, the replay, the digest and the checks.
void BM_Verify(benchmark::State& state) {
    Game_Run run;
    std::string error;
    if (Read_Recording(Scenario(8), run, error) != 0) {
        state.SkipWithError(error.c_str());
        return;
    }
    run.Input.Frames = 2550;
    int64_t frames = 0;
    for (auto _ : state) {
        const Run_Verdict v = Verify_Run(run, Bench_Assets());
        benchmark::DoNotOptimize(v.Verified);
        frames += v.Frames_Played;
    }
    Count(state, frames);
}
BENCHMARK(BM_Verify)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
