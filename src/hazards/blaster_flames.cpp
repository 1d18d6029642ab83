// The Blaster's four flames: launched from the block's centre with a burst of green stars,
// they crawl diagonally cell by cell, hurt the player, light fuses on the trail and settle
// as blocks on the edge.
#include "hazards/blaster_flames.h"

#include "hazards/hazard_places.h"
#include "hazards/hazards.h"

namespace zarvo {

namespace {

constexpr int Star_Burst_End = 30;
constexpr int Frames_Per_Cell = 8;
constexpr int Flame_Speed = 2;
constexpr int Star_Dx[Burst_Stars + 1] = {0, 1, 0, -1, 0, 4, -4, -4, 4};
constexpr int Star_Dy[Burst_Stars + 1] = {0, 0, -1, 0, 1, 4, -4, 4, -4};
// Flames 1..4 crawl down-right, up-right, down-left and up-left (keypad digits). The later
// ones wait longer and may live shorter.
constexpr Flame_Dir Flame_Dirs[Flames_Per_Place + 1] = {Flame_Dir::None, Flame_Dir::Down_Right,
                                                        Flame_Dir::Up_Right, Flame_Dir::Down_Left,
                                                        Flame_Dir::Up_Left};
constexpr int32_t Delay_Spread[Flames_Per_Place + 1] = {0, 40, 50, 60, 70};
constexpr int32_t Life_Base[Flames_Per_Place + 1] = {0, 250, 200, 150, 100};
constexpr int32_t Life_Spread[Flames_Per_Place + 1] = {0, 100, 150, 200, 250};

bool Goes_Right(Flame_Dir d) {
    return d == Flame_Dir::Down_Right || d == Flame_Dir::Up_Right;
}
bool Goes_Down(Flame_Dir d) {
    return d == Flame_Dir::Down_Right || d == Flame_Dir::Down_Left;
}

void Show_Star_Burst(Game& g, int place) {
    Blaster_Rec& b = g.w.hazards.Blaster[place];
    if (!b.Star_Burst_On) return;
    ++b.Star_Burst_Tick;
    for (int s = 1; s <= Burst_Stars; ++s) {
        if (b.Star_Burst_Tick == 1) {
            b.Star_X[s] = Place_X(place) + 30;
            b.Star_Y[s] = Place_Y(place) + 30;
        } else if (b.Star_Burst_Tick < Star_Burst_End) {
            b.Star_X[s] += Star_Dx[s];
            b.Star_Y[s] += Star_Dy[s];
        }
    }
    if (b.Star_Burst_Tick == 1) g.m.Play_Wave(Wave::Explosion_1);
    if (b.Star_Burst_Tick >= Star_Burst_End) {
        b.Star_Burst_On = false;
        b.Star_Burst_Tick = 0;
    }
    for (int s = 1; s <= Burst_Stars; ++s)
        g.m.Draw_Image(Img1::Star_Green, b.Star_X[s], b.Star_Y[s]);
}

// Every launch gives all four flames of the place new directions, delays and lives.
void Draw_Flame_Timing(Game& g, Blaster_Rec& b) {
    for (int f = 1; f <= Flames_Per_Place; ++f) b.Flame[f].Flame_Dir = Flame_Dirs[f];
    for (int f = 1; f <= Flames_Per_Place; ++f)
        b.Flame[f].Flame_Delay = 10 + g.Random(Delay_Spread[f]);
    for (int f = 1; f <= Flames_Per_Place; ++f)
        b.Flame[f].Flame_Life = Life_Base[f] + g.Random(Life_Spread[f]);
    for (int f = 1; f <= Flames_Per_Place; ++f) b.Flame[f].Flame_Burst_Tick = 0;
}

void Launch_Flame(Game& g, int place, int f) {
    Blaster_Rec& b = g.w.hazards.Blaster[place];
    Flame_Rec& fl = b.Flame[f];
    fl.Flame_On = true;
    fl.Flame_Burst = false;
    fl.Flame_Block = false;
    fl.Flame_Tick = 0;
    fl.Flame_Col = Place_Col(place) + 2;
    fl.Flame_Row = Place_Row(place) + 2;
    fl.Flame_X = Place_X(place) + 28;
    fl.Flame_Y = Place_Y(place) + 19;
    fl.Flame_Step = 0;
    Draw_Flame_Timing(g, b);
}

void Flame_Dies(Flame_Rec& fl) {
    fl.Flame_On = false;
    fl.Flame_Burst = true;
}

// The first unlit fuse, taken in order 1..3; 0 when all three burn.
int Free_Fuse(const World& w) {
    for (int f = 1; f <= Fuse_Count; ++f)
        if (!w.hazards.Fuse[f].Fuse_On) return f;
    return 0;
}

void Light_Fuse(Game& g, const Flame_Rec& fl, int f) {
    Fuse_Rec& fuse = g.w.hazards.Fuse[f];
    fuse = Fuse_Rec{};
    fuse.Fuse_On = true;
    fuse.Fuse_X = fl.Flame_X;
    fuse.Fuse_Y = fl.Flame_Y;
    fuse.Fuse_Col = fl.Flame_Col;
    fuse.Fuse_Row = fl.Flame_Row;
}

// A flame on a trail cell lights a free fuse and goes out; answers whether it did.
bool Flame_Lights_Fuse(Game& g, Flame_Rec& fl) {
    if (!g.w.level.On(Switch::Fuse_Switch)) return false;
    if (g.w.arena.Way_Grid(fl.Flame_Col, fl.Flame_Row) == No_Code) return false;
    const int f = Free_Fuse(g.w);
    if (f == 0) return false;
    g.m.Play_Wave(Wave::Warning);
    fl.Flame_On = false;
    Light_Fuse(g, fl, f);
    return true;
}

void Flame_Settles(Game& g, Flame_Rec& fl) {
    g.m.Play_Wave(Wave::Cracker);
    fl.Flame_On = false;
    fl.Flame_Block = true;
    g.w.arena.Blocker_Grid.set(fl.Flame_Col, fl.Flame_Row, Blocker_Mark);
}

// One diagonal cell step and what the flame finds there; answers whether it still flies.
bool Step_Flame_Cell(Game& g, Flame_Rec& fl) {
    fl.Flame_Step = 0;
    fl.Flame_Col += Goes_Right(fl.Flame_Dir) ? 1 : -1;
    fl.Flame_Row += Goes_Down(fl.Flame_Dir) ? 1 : -1;
    if (Floor_At(g.w.arena.Floor_Grid, fl.Flame_Col, fl.Flame_Row) == Floor::Gone) {
        Flame_Dies(fl);
        return false;
    }
    if (Flame_Lights_Fuse(g, fl)) return false;
    if (g.w.arena.Edge_Grid(fl.Flame_Col, fl.Flame_Row) != No_Code) Flame_Settles(g, fl);
    return fl.Flame_On;
}

// Two pixels along the diagonal, drawn with the place's shared flicker.
void Crawl_Flame(Game& g, Blaster_Rec& b, Flame_Rec& fl) {
    const bool right = Goes_Right(fl.Flame_Dir);
    const bool down = Goes_Down(fl.Flame_Dir);
    fl.Flame_X += right ? Flame_Speed : -Flame_Speed;
    fl.Flame_Y += down ? Flame_Speed : -Flame_Speed;
    ++fl.Flame_Step;
    const Img1_Id image =
        b.Flame_Anim <= 2 ? Img1::Blaster_Blocker_Flame_1 : Img1::Blaster_Blocker_Flame_2;
    b.Flame_Anim = b.Flame_Anim >= 5 ? 0 : b.Flame_Anim + 1;
    g.m.Draw_Image(image, fl.Flame_X, fl.Flame_Y);
}

void Move_Flame(Game& g, Blaster_Rec& b, Flame_Rec& fl) {
    const Player_State& p = g.w.player;
    // A flame that burns the player is spent, but its frame still counts: a cell step due
    // now is still taken, and may light a fuse or settle a block.
    if (fl.Flame_Col == p.Ego_Col && fl.Flame_Row == p.Ego_Row) {
        Flame_Dies(fl);
        g.w.player.Ego_Hit = true;
    }
    ++fl.Flame_Tick;
    if (fl.Flame_Tick == fl.Flame_Delay) {
        b.Star_Burst_On = true;
        b.Star_Burst_Tick = 0;
    }
    if (fl.Flame_Tick < fl.Flame_Delay) return;
    const bool flies = fl.Flame_Step != Frames_Per_Cell || Step_Flame_Cell(g, fl);
    if (flies && fl.Flame_On) Crawl_Flame(g, b, fl);
    // The life runs out whatever the frame's step did: a flame that settles as a block or
    // lights a fuse on its last tick still bursts. A relaunch of a sibling may have drawn a
    // life already passed.
    if (fl.Flame_Tick >= fl.Flame_Life) Flame_Dies(fl);
}

}  // namespace

void Clear_Flames(Blaster_Rec& b) {
    for (Flame_Rec& fl : b.Flame) fl = Flame_Rec{};
    b.Flame_Anim = 0;
    b.Star_Burst_On = false;
    b.Star_Burst_Tick = 0;
}

void Clear_Fuses(Game& g) {
    for (Fuse_Rec& fuse : g.w.hazards.Fuse) fuse = Fuse_Rec{};
}

void Flame_Launcher(Game& g, int place) {
    Blaster_Rec& b = g.w.hazards.Blaster[place];
    if (!b.Present || b.Exploding) return;
    Show_Star_Burst(g, place);
    for (int f = 1; f <= Flames_Per_Place; ++f) {
        const Flame_Rec& fl = b.Flame[f];
        if (!fl.Flame_On && !fl.Flame_Burst && !fl.Flame_Block) Launch_Flame(g, place, f);
    }
}

void Flame_Mover(Game& g) {
    for (int place = 1; place <= Hazard_Places; ++place) {
        Blaster_Rec& b = g.w.hazards.Blaster[place];
        if (!b.Present) continue;
        for (int f = 1; f <= Flames_Per_Place; ++f)
            if (b.Flame[f].Flame_On) Move_Flame(g, b, b.Flame[f]);
    }
}

}  // namespace zarvo
