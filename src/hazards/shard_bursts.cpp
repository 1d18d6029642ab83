// The end bursts of flames and fuses: eight shards fly apart at random, swell, shrink and
// spin for 38 frames.
#include "hazards/hazard_places.h"
#include "hazards/hazards.h"

namespace zarvo {

namespace {

constexpr int Burst_End_Tick = 39;
constexpr int Swell_Until = 10;
constexpr int Shrink_Until = 25;
// Directions of the shards: 1..4 diagonal, 5..8 straight.
constexpr int Shard_Sx[Shard_Count + 1] = {0, 1, -1, 1, -1, 1, 0, -1, 0};
constexpr int Shard_Sy[Shard_Count + 1] = {0, 1, -1, -1, 1, 0, 1, 0, -1};

struct Shard_Shape {
    int32_t W, H;
    bool Wide_Steps;  // diagonal shards step further sideways than up and down
};
constexpr Shard_Shape Fuse_Shards = {10, 16, true};
constexpr Shard_Shape Flame_Shards = {13, 10, false};

void Start_Shards(Game& g, Shard_Burst& s, const Shard_Shape& shape, int x, int y) {
    g.m.Play_Wave(Wave::Explose_3);
    for (int k = 1; k <= Shard_Count; ++k) {
        s.Shard_X[k] = x + 6;
        s.Shard_Y[k] = y + 6;
    }
    s.Shard_W = shape.W;
    s.Shard_H = shape.H;
    s.Shard_Angle = 0;
}

void Scatter_Shards(Game& g, Shard_Burst& s, const Shard_Shape& shape) {
    for (int k = 1; k <= Shard_Count; ++k) {
        const int r6 = 1 + g.Random(6);
        const int r4 = 1 + g.Random(4);
        const bool diagonal = k <= 4;
        const int step_x = diagonal && !shape.Wide_Steps ? r4 : r6;
        const int step_y = diagonal && !shape.Wide_Steps ? r6 : r4;
        s.Shard_X[k] += Shard_Sx[k] * step_x;
        s.Shard_Y[k] += Shard_Sy[k] * step_y;
    }
}

void Show_Shards(Game& g, Shard_Burst& s, int32_t tick) {
    const int grow = tick <= Swell_Until ? 1 : tick <= Shrink_Until ? -1 : 0;
    s.Shard_W += grow;
    s.Shard_H += grow;
    s.Shard_Angle = (s.Shard_Angle + 4) % 256;
    for (int k = 1; k <= Shard_Count; ++k)
        g.m.Draw_Image_Rotated(Img1::Blaster_Blocker_Ex_1 + (k - 1) % 4, s.Shard_X[k], s.Shard_Y[k],
                               s.Shard_W, s.Shard_H, 0, 0.0, 0.0, s.Shard_Angle);
}

// One frame of a burst from the pixel (x, y); answers false once the burst has ended.
bool Run_Shard_Burst(Game& g, Shard_Burst& s, int32_t& tick, const Shard_Shape& shape, int x,
                     int y) {
    const int32_t before = tick++;
    if (before == 0)
        Start_Shards(g, s, shape, x, y);
    else
        Scatter_Shards(g, s, shape);
    if (tick >= Burst_End_Tick) {
        tick = 0;
        return false;
    }
    Show_Shards(g, s, tick);
    return true;
}

}  // namespace

void Flame_End_Burst(Game& g) {
    for (int place = 1; place <= Hazard_Places; ++place)
        for (int f = 1; f <= Flames_Per_Place; ++f) {
            Flame_Rec& fl = g.w.hazards.Blaster[place].Flame[f];
            if (!fl.Flame_Burst) continue;
            if (!Run_Shard_Burst(g, fl.Shards, fl.Flame_Burst_Tick, Flame_Shards, fl.Flame_X,
                                 fl.Flame_Y))
                fl.Flame_Burst = false;
        }
}

void Fuse_End_Burst(Game& g) {
    for (int f = 1; f <= Fuse_Count; ++f) {
        Fuse_Rec& fuse = g.w.hazards.Fuse[f];
        if (!fuse.Fuse_On || !fuse.Fuse_Done) continue;
        if (!Run_Shard_Burst(g, fuse.Shards, fuse.Fuse_Burst_Tick, Fuse_Shards, fuse.Fuse_X,
                             fuse.Fuse_Y)) {
            fuse.Fuse_On = false;
            fuse.Fuse_Done = false;
        }
    }
}

}  // namespace zarvo
