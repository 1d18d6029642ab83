#pragma once
// Helpers of the hazard tests: a World on a full arena and a media layer that logs every draw
// and wave, so that a test can check what a routine showed and where.
#include <memory>
#include <vector>

#include "shell/game.h"
#include "shell/headless_media.h"

namespace zarvo::test {

struct Drawn {
    Image_List List;
    int Index, X, Y;
    int Width = 0, Height = 0, Angle = 0;
    bool Rotated = false;
};

class Draw_Log_Media : public Headless_Media {
  public:
    void Draw_Image(Image_List list, int index, int x, int y, int frame = 0) override {
        draws.push_back({list, index, x, y});
        Headless_Media::Draw_Image(list, index, x, y, frame);
    }
    void Draw_Image_Rotated(Image_List list, int index, int x, int y, int width, int height,
                            int frame, double cx, double cy, int angle) override {
        draws.push_back({list, index, x, y, width, height, angle, true});
        Headless_Media::Draw_Image_Rotated(list, index, x, y, width, height, frame, cx, cy, angle);
    }
    // The draws of one image, in order.
    std::vector<Drawn> of(Image_List list, int index) const {
        std::vector<Drawn> found;
        for (const Drawn& d : draws)
            if (d.List == list && d.Index == index) found.push_back(d);
        return found;
    }
    bool played(int wave) const {
        for (const Played_Wave& p : waves)
            if (p.Index == wave) return true;
        return false;
    }
    void forget() {
        draws.clear();
        waves.clear();
    }
    std::vector<Drawn> draws;
};

// A fresh full arena as a level starts it: floor inside, the edge loop clockwise along the
// outside ring, every other grid empty.
inline void Lay_Full_Arena(World& w) {
    ArenaState& a = w.arena;
    for (Arena_Grid* grid : {&a.Edge_Grid, &a.Way_Grid, &a.Point_Grid, &a.Occupy_Grid,
                             &a.Blocker_Grid, &a.Enimy_Edge_Grid, &a.Pilot_Edge_Grid, &a.Shot_Grid,
                             &a.Shot_Slot_Grid, &a.Shot_Dir_Grid})
        grid->fill(No_Code);
    a.Floor_Grid.fill(0);
    for (int c = 1; c <= Arena_Cols; ++c)
        for (int r = 1; r <= Arena_Rows; ++r) {
            const bool edge = c == 1 || c == Arena_Cols || r == 1 || r == Arena_Rows;
            a.Floor_Grid.set(c, r, edge ? 2 : 1);
        }
    for (int c = 1; c <= Arena_Cols; ++c) {
        a.Edge_Grid.set(c, 1, Dir::Right);
        a.Edge_Grid.set(c, Arena_Rows, Dir::Left);
    }
    for (int r = 1; r <= Arena_Rows; ++r) {
        a.Edge_Grid.set(1, r, Dir::Up);
        a.Edge_Grid.set(Arena_Cols, r, Dir::Down);
    }
    a.Edge_Grid.set(1, 1, Dir::UpRight);
    a.Edge_Grid.set(Arena_Cols, 1, Dir::RightDown);
    a.Edge_Grid.set(1, Arena_Rows, Dir::LeftUp);
    a.Edge_Grid.set(Arena_Cols, Arena_Rows, Dir::DownLeft);
    for (int c = 1; c <= Arena_Cols; ++c)
        for (int r = 1; r <= Arena_Rows; ++r)
            if (a.Edge_Grid(c, r) != No_Code) {
                a.Enimy_Edge_Grid.set(c, r, a.Edge_Grid(c, r));
                a.Occupy_Grid.set(c, r, Occupy_Edge);
            }
}

// A World on a full arena, seeded, with the player parked far from every hazard place.
struct Hazard_World {
    explicit Hazard_World(uint32_t seed = 7) : world(std::make_unique<World>()), g{*world, media} {
        world->rng.seed(seed);
        Lay_Full_Arena(*world);
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
