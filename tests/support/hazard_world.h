#pragma once
// Helpers of the hazard tests: a World on a full arena behind a media layer that logs every
// draw, so that a test can check what a routine showed and where.
#include <memory>

#include "arena/arena.h"
#include "platform/headless/headless_media.h"
#include "state/game.h"
#include "support/draw_log.h"
#include "support/test_game.h"

namespace zarvo::test {

// The draw log, and whether a wave was played.
struct Hazard_Media : Draw_Log_Media {
    bool played(int wave) const { return Waves_Played(*this, wave) > 0; }
};

// A seeded World on a fresh full arena, the player parked in the bottom-right corner.
struct Hazard_World {
    explicit Hazard_World(uint32_t seed = 7) : world(std::make_unique<World>()), g{*world, media} {
        world->rng.Seed(seed);
        Reset_Arena(g);
        park_player(36, 24);
    }
    void park_player(int col, int row) {
        world->player.Ego_Col = col;
        world->player.Ego_Row = row;
        world->player.Ego_Hit = false;
    }
    World& w() { return *world; }
    std::unique_ptr<World> world;
    Hazard_Media media;
    Game g;
};

}  // namespace zarvo::test
