#pragma once
// Helpers of the hazard tests: a World on a full arena behind a media layer that logs every
// draw, so that a test can check what a routine showed and where.
#include <memory>
#include <vector>

#include "arena/arena.h"
#include "state/game.h"
#include "platform/headless/headless_media.h"
#include "support/test_game.h"

namespace zarvo::test {

struct Drawn {
    Image_List List;
    int Index, X, Y;
    int Width = 0, Height = 0;
};

class Draw_Log_Media : public Headless_Media {
  public:
    void Draw_Image(Image_List list, int index, int x, int y, int) override {
        draws.push_back({list, index, x, y});
    }
    void Draw_Image_Rotated(Image_List list, int index, int x, int y, int width, int height, int,
                            double, double, int) override {
        draws.push_back({list, index, x, y, width, height});
    }
    std::vector<Drawn> of(Image_List list, int index) const {
        std::vector<Drawn> found;
        for (const Drawn& d : draws)
            if (d.List == list && d.Index == index) found.push_back(d);
        return found;
    }
    bool played(int wave) const { return Waves_Played(*this, wave) > 0; }
    std::vector<Drawn> draws;
};

// A seeded World on a fresh full arena, the player parked in the bottom-right corner.
struct Hazard_World {
    explicit Hazard_World(uint32_t seed = 7) : world(std::make_unique<World>()), g{*world, media} {
        world->rng.seed(seed);
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
    Draw_Log_Media media;
    Game g;
};

}  // namespace zarvo::test
