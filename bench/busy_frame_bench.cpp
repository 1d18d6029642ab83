// The busiest game frame: difficulty 3 level 8, nine enemies with every weapon switched on,
// headless. The level is built, the player's appearance runs, and then each tick is measured;
// every 2000 ticks the level is put back to its opened state so the frames stay busy.
// Beside it, the buffer floor: what any frame that draws the whole picture costs at least (a
// clear, the background picture over it, and the picture copied out), to compare in one run.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "bench_support.h"
#include "enemies/enimy.h"

namespace {

using namespace zarvo;
using namespace zarvo::bench;

void BM_Busy_Frame(benchmark::State& state) {
    Bench_Game b;
    auto& [world, media, g] = b;
    b.Open_Level(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    auto opened = std::make_unique<World>(*world);
    int tick = 0;
    for (auto _ : state) {
        DXTimer1Timer(g);
        if (++tick % 2000 == 0) {
            state.PauseTiming();
            *world = *opened;
            media.waves.clear();
            state.ResumeTiming();
        }
    }
    if (!Bench_Assets()) state.SkipWithError("no assets: nothing is drawn");
    state.counters["frames/s"] =
        benchmark::Counter(static_cast<double>(tick), benchmark::Counter::kIsRate);
}
// Difficulty 3 level 8, the busiest roster; difficulty 1 level 1 for comparison.
BENCHMARK(BM_Busy_Frame)
    ->Args({3, 8})
    ->Args({1, 1})
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The floor: the back buffer cleared, the level's background drawn whole over it, and the
// picture copied out as a window or page would take it.
void BM_Buffer_Floor(benchmark::State& state) {
    Bench_Game b;
    b.Open_Level(3, 8);
    const Game_State& s = b.world->game;
    const Image* back =
        Bench_Assets() ? Bench_Assets()->Find(Image_List::List_2, s.Back_Picture_Image) : nullptr;
    if (!back) return state.SkipWithError("no assets: no background");
    Surface picture(Default_Picture_Width, Default_Picture_Height);
    std::vector<uint32_t> out(picture.Pixels.size());
    for (auto _ : state) {
        picture.Fill(0);
        Draw_Image(picture, *back, s.Back_Picture_X, s.Back_Picture_Y);
        std::memcpy(out.data(), picture.Pixels.data(), out.size() * sizeof(uint32_t));
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Buffer_Floor)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The enemies' own share of that frame: type routines with their drawing, movers, blasts,
// shots, chains, explosions and kill sequences.
void BM_Enemy_Routines(benchmark::State& state) {
    Bench_Game b;
    auto& [world, media, g] = b;
    b.Open_Level(3, 8);
    auto opened = std::make_unique<World>(*world);
    int tick = 0;
    for (auto _ : state) {
        Enimy_Dispatch(g);
        Enimy_Thunder_Blasts(g);
        Enimy_Shots(g);
        Enimy_Chains(g);
        Enimy_Explosion(g);
        Enimy_Kill_Sequence(g);
        if (++tick % 2000 == 0) {
            state.PauseTiming();
            *world = *opened;
            media.waves.clear();
            state.ResumeTiming();
        }
    }
    if (!Bench_Assets()) state.SkipWithError("no assets: nothing is drawn");
}
BENCHMARK(BM_Enemy_Routines)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
