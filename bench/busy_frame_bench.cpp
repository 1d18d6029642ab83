// The busiest game frame: difficulty 3 level 8, nine enemies with every weapon switched on,
// headless. The level is built, the player's appearance runs, and then each tick is measured;
// every 2000 ticks the level is put back to its opened state so the frames stay busy.
#include <benchmark/benchmark.h>

#include <memory>

#include "arena/level.h"
#include "enemies/enimy.h"
#include "shell/asset_loader.h"
#include "shell/frame.h"
#include "shell/headless_media.h"

namespace {

using namespace zarvo;

const Assets* Bench_Assets() {
    static Assets assets;
    static const bool loaded = [] {
        std::string message;
        return Load_Assets(ZARVO_ASSET_DIR, assets, message);
    }();
    return loaded ? &assets : nullptr;
}

void BM_Busy_Frame(benchmark::State& state) {
    auto world = std::make_unique<World>();
    auto opened = std::make_unique<World>();
    Headless_Media media(Bench_Assets());
    media.waves.reserve(1 << 20);
    Game g{*world, media};
    FormCreate(g, 2024, 1024, 768);
    GameState& s = world->game;
    s.Sponsor_On = false;
    s.Immortal_Code = true;
    s.Difficulty = static_cast<int32_t>(state.range(0));
    s.Level = static_cast<int32_t>(state.range(1)) - 1;
    Set_Level(g);
    for (int i = 0; i < 200; ++i) DXTimer1Timer(g);
    *opened = *world;
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

// The enemies' own share of that frame: type routines with their drawing, movers, blasts,
// shots, chains, explosions and kill sequences.
void BM_Enemy_Routines(benchmark::State& state) {
    auto world = std::make_unique<World>();
    auto opened = std::make_unique<World>();
    Headless_Media media(Bench_Assets());
    media.waves.reserve(1 << 20);
    Game g{*world, media};
    FormCreate(g, 2024, 1024, 768);
    world->game.Sponsor_On = false;
    world->game.Immortal_Code = true;
    world->game.Difficulty = 3;
    world->game.Level = 7;
    Set_Level(g);
    for (int i = 0; i < 200; ++i) DXTimer1Timer(g);
    *opened = *world;
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
