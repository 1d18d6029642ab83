// One game frame, headless: the title is left with Enter, then every tick of the running game
// is measured (the figure walks to and fro along the edge so the frames stay alive).
#include <benchmark/benchmark.h>

#include "bench_support.h"
#include "game/input.h"

namespace {

using namespace zarvo;
using namespace zarvo::bench;

void BM_Game_Frame(benchmark::State& state) {
    Bench_Game b;
    auto& [world, media, g] = b;
    FormKeyDown(g, Key_Code::Enter);
    for (int i = 0; i < 120; ++i) DXTimer1Timer(g);  // the level opens
    int tick = 0;
    for (auto _ : state) {
        const bool up = (tick / 40) % 2 == 0;
        media.held = {up, !up, false, false};
        DXTimer1Timer(g);
        ++tick;
        if (media.waves.size() > (1 << 19)) media.waves.clear();
    }
    state.counters["frames/s"] =
        benchmark::Counter(static_cast<double>(tick), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_Game_Frame)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
