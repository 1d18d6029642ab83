#pragma once
// What the benchmarks share: the generated assets, loaded once, and a game opened at a level.
#include <memory>
#include <string>

#include "assets/asset_loader.h"
#include "game/frame.h"
#include "game/level.h"
#include "platform/headless/headless_media.h"

namespace zarvo::bench {

inline const Assets* Bench_Assets() {
    static Assets assets;
    static const bool loaded = [] {
        std::string message;
        return Load_Assets(ZARVO_ASSET_DIR, assets, message);
    }();
    return loaded ? &assets : nullptr;
}

// A game with the generated pictures, its wave log made roomy so that logging a sound does not
// allocate while a benchmark measures.
struct Bench_Game {
    std::unique_ptr<World> world = std::make_unique<World>();
    Headless_Media media{Bench_Assets()};
    Game g{*world, media};

    Bench_Game() {
        media.waves.reserve(1 << 20);
        FormCreate(g, 2024, 1024, 768);
    }

    // Builds a level directly and runs the figure's appearance; the figure cannot die.
    void Open_Level(int difficulty, int level) {
        Open_Level_Immortal(g, difficulty, level);
        for (int i = 0; i < 200; ++i) DXTimer1Timer(g);
    }
};

}  // namespace zarvo::bench
