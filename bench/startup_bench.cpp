// Start-up to the first frame: loading every image and wave from the asset folder, checking
// each against the catalogue, creating the game and running the first title frame. The game
// asks for the first frame within 300 ms.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "assets/asset_loader.h"
#include "game/frame.h"
#include "platform/headless/headless_media.h"

namespace {

using namespace zarvo;

void BM_Load_Assets(benchmark::State& state) {
    for (auto _ : state) {
        Assets assets;
        std::string message;
        if (!Load_Assets(ZARVO_ASSET_DIR, assets, message)) state.SkipWithError(message.c_str());
        benchmark::DoNotOptimize(assets.Lists[1].data());
    }
}
BENCHMARK(BM_Load_Assets)->Unit(benchmark::kMillisecond);

void BM_Start_To_First_Frame(benchmark::State& state) {
    for (auto _ : state) {
        Assets assets;
        std::string message;
        if (!Load_Assets(ZARVO_ASSET_DIR, assets, message)) state.SkipWithError(message.c_str());
        auto world = std::make_unique<World>();
        Headless_Media media(&assets);
        Game g{*world, media};
        FormCreate(g, 1, 1920, 1080);
        DXTimer1Timer(g);
        benchmark::DoNotOptimize(media.Back_Buffer().Pixels.data());
    }
}
BENCHMARK(BM_Start_To_First_Frame)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
