// One game frame, headless: the title is left with Enter, then every tick of the running game
// is measured (the figure walks to and fro along the edge so the frames stay alive).
#include <benchmark/benchmark.h>

#include <memory>

#include "shell/asset_loader.h"
#include "shell/frame.h"
#include "shell/headless_media.h"
#include "shell/input.h"

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

void BM_Game_Frame(benchmark::State& state) {
    auto world = std::make_unique<World>();
    Headless_Media media(Bench_Assets());
    media.waves.reserve(1 << 20);
    Game g{*world, media};
    FormCreate(g, 2024, 1024, 768);
    FormKeyDown(g, 13);
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
