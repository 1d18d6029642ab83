// The Orbiter's eight stars: four fly straight until the floor ahead is gone, four fly
// diagonally and bounce off the edge; each bursts into eight sparks.
#include "enemies/weapon_support.h"
#include "enemies/weapons.h"

namespace zarvo {

namespace {

inline constexpr int32_t Star_Size_Max = 74;
inline constexpr int32_t Burst_End_Tick = 22;

constexpr bool Is_Straight(Star_Dir dir) {
    return dir == Star_Dir::Up || dir == Star_Dir::Down || dir == Star_Dir::Left ||
           dir == Star_Dir::Right;
}

// The cell step of a straight direction.
constexpr int Straight_Col(Star_Dir dir) {
    return dir == Star_Dir::Left ? -1 : dir == Star_Dir::Right ? 1 : 0;
}
constexpr int Straight_Row(Star_Dir dir) {
    return dir == Star_Dir::Up ? -1 : dir == Star_Dir::Down ? 1 : 0;
}

// Sparks 1..8 fly up, up-right, right, down-right, down, down-left, left, up-left.
constexpr int Spark_DX[9] = {0, 0, 1, 1, 1, 0, -1, -1, -1};
constexpr int Spark_DY[9] = {0, -1, -1, 0, 1, 1, 1, 0, -1};
constexpr int Spark_Start_X[9] = {0, 25, 34, 31, 34, 25, 6, 0, 6};
constexpr int Spark_Start_Y[9] = {0, 0, 8, 26, 31, 31, 32, 26, 8};
constexpr Img1_Id Spark_Image[9] = {Img1_Id{},
                                    Img1::Ego_Fire_Up,
                                    Img1::Ego_Fire_Up_Right,
                                    Img1::Ego_Fire_Right,
                                    Img1::Ego_Fire_Down_Right,
                                    Img1::Ego_Fire_Down,
                                    Img1::Ego_Fire_Down_Left,
                                    Img1::Ego_Fire_Left,
                                    Img1::Ego_Fire_Up_Left};

// The eight stars share one size, which grows by one every ninth star-frame.
void Grow_Stars(Enemy_Weapons& wp) {
    wp.Star_Size_Tick += 1;
    if (wp.Star_Size_Tick == 8 && wp.Star_Size < Star_Size_Max) wp.Star_Size += 1;
    if (wp.Star_Size_Tick >= 9) wp.Star_Size_Tick = 0;
}

void Draw_Star(Game& g, const Orbiter_Star& s, int32_t size, int32_t spin) {
    g.m.Draw_Image_Rotated(Img2::Snake_Star, s.Star_X + 37, s.Star_Y + 37, size, size, 0, 0.5, 0.5,
                           spin);
}

// At a cell boundary a straight star bursts before a hole, and still moves this once; a
// diagonal one turns off the edge piece it heads into. Answers true when the star turned and
// does not move this frame. A star that has bounced four times in a row bursts, but still
// turns or moves this once.
bool Star_Boundary(Game& g, Orbiter_Star& s) {
    s.Star_Step = 0;
    if (s.Star_Bounces == 4) s.Star_Burst = true;
    if (Is_Straight(s.Star_Dir)) {
        const int col = s.Star_Col + Straight_Col(s.Star_Dir);
        const int row = s.Star_Row + Straight_Row(s.Star_Dir);
        if (Floor_At(g.w.arena.Floor_Grid, col, row) == Floor::Gone) s.Star_Burst = true;
        return false;
    }
    const Dir code = Dir_At(g.w.arena.Enimy_Edge_Grid, s.Star_Col + Diagonal_Col(s.Star_Dir),
                            s.Star_Row + Diagonal_Row(s.Star_Dir));
    const Star_Dir turned = Diagonal_Bounce(s.Star_Dir, code);
    if (turned == Star_Dir::None) return false;
    g.m.Play_Wave(Wave::Cracker);
    s.Star_Dir = turned;
    s.Star_Bounces += 1;
    return true;
}

// A star hurts the player only while the player is out cutting, within one cell of it.
void Star_Meets_Player(Game& g, Orbiter_Star& s) {
    const Player_State& p = g.w.player;
    if (!p.Ego_Cutting) return;
    const int dc = p.Ego_Col - s.Star_Col, dr = p.Ego_Row - s.Star_Row;
    if (dc < -1 || dc > 1 || dr < -1 || dr > 1) return;
    g.m.Play_Wave(Wave::Explose_3);
    s.Star_Burst = true;
    g.w.player.Ego_Hit = true;
}

void Move_Star(Game& g, Orbiter_Star& s) {
    s.Star_Bounces = 0;
    int col_step = 0, row_step = 0;
    if (Is_Straight(s.Star_Dir)) {
        col_step = Straight_Col(s.Star_Dir), row_step = Straight_Row(s.Star_Dir);
        s.Star_X += 8 * col_step, s.Star_Y += 8 * row_step;
        s.Star_Step += 2;
    } else {
        col_step = Diagonal_Col(s.Star_Dir), row_step = Diagonal_Row(s.Star_Dir);
        s.Star_X += 4 * col_step, s.Star_Y += 4 * row_step;
        s.Star_Step += 1;
    }
    if (s.Star_Step < 4) return;
    s.Star_Step = 0;
    s.Star_Col += col_step, s.Star_Row += row_step;
    Star_Meets_Player(g, s);
}

void Fly_Star(Game& g, Enimy_Rec& e, int i) {
    Orbiter_Star& s = e.Weapons.Stars[i];
    int32_t& spin = e.Star_Spin[i - 1];
    spin = (spin + 8) % 256;
    Grow_Stars(e.Weapons);
    Draw_Star(g, s, e.Weapons.Star_Size, spin);
    if (s.Star_Step == 0 || s.Star_Step == 4) {
        if (Star_Boundary(g, s)) return;
    }
    Move_Star(g, s);
}

// The sparks are drawn in every frame of the burst, its last one too.
void Burst_Star(Game& g, Orbiter_Star& s) {
    s.Star_Burst_Tick += 1;
    if (s.Star_Burst_Tick >= Burst_End_Tick) {
        s.Star_Flying = false;
        s.Star_Burst = false;
        s.Star_Burst_Tick = 0;
    } else if (s.Star_Burst_Tick == 1) {
        for (int k = 1; k <= 8; ++k) {
            s.Spark_X[k] = s.Star_X + Spark_Start_X[k];
            s.Spark_Y[k] = s.Star_Y + Spark_Start_Y[k];
        }
        g.m.Play_Wave(Wave::Explose_3);
    } else {
        for (int k = 1; k <= 8; ++k) {
            s.Spark_X[k] += 2 * Spark_DX[k];
            s.Spark_Y[k] += 2 * Spark_DY[k];
        }
    }
    for (int k = 1; k <= 8; ++k) g.m.Draw_Image(Spark_Image[k], s.Spark_X[k], s.Spark_Y[k]);
}

void Run_Star(Game& g, Enimy_Rec& e, int i) {
    Orbiter_Star& s = e.Weapons.Stars[i];
    if (Floor_At(g.w.arena.Floor_Grid, s.Star_Col, s.Star_Row) == Floor::Gone) s.Star_Burst = true;
    if (!s.Star_Burst) Fly_Star(g, e, i);
    if (s.Star_Burst) Burst_Star(g, s);
}

}  // namespace

// Every star goes back into the Orbiter. One that is still in play, flying or bursting, stays
// in play and flies out again at once with the new size; the others wait for their launch.
void Orbiter_Star_Reload(Game& g, int slot) {
    static constexpr Star_Dir Launch_Dir[9] = {
        Star_Dir::None,      Star_Dir::Up,         Star_Dir::Up_Right,
        Star_Dir::Right,     Star_Dir::Down_Right, Star_Dir::Down,
        Star_Dir::Down_Left, Star_Dir::Left,       Star_Dir::Up_Left};
    Enimy_Rec& e = Enimy(g, slot);
    for (int i = 1; i <= Orbiter_Star_Count; ++i) {
        Orbiter_Star& s = e.Weapons.Stars[i];
        s.Star_Burst = false;
        s.Star_Burst_Tick = 0;
        s.Star_Bounces = 0;
        s.Star_Step = 0;
        s.Star_X = e.X - 10, s.Star_Y = e.Y - 10;
        s.Star_Col = e.Col + 1, s.Star_Row = e.Row + 1;
        s.Star_Dir = Launch_Dir[i];
    }
    e.Weapons.Star_Size = 8;
    e.Weapons.Star_Size_Tick = 0;
}

void Orbiter_Star_Launch(Game& g, int slot, int star) {
    if (star < 1 || star > Orbiter_Star_Count) return;
    Enimy(g, slot).Weapons.Stars[star].Star_Flying = true;
}

void Orbiter_Star_Burst(Game& g, int slot, int star) {
    if (star < 1 || star > Orbiter_Star_Count) return;
    Orbiter_Star& s = Enimy(g, slot).Weapons.Stars[star];
    if (s.Star_Flying) s.Star_Burst = true;
}

void Orbiter_Stars_Burst_All(Game& g, int slot) {
    for (int i = 1; i <= Orbiter_Star_Count; ++i) Enimy(g, slot).Weapons.Stars[i].Star_Burst = true;
}

void Orbiter_Stars(Game& g) {
    for (int slot = 1; slot <= Roster_Slots; ++slot) {
        if (!Slot_Of_Type(g, slot, Enemy::Orbiter)) continue;
        Enimy_Rec& e = Enimy(g, slot);
        for (int i = 1; i <= Orbiter_Star_Count; ++i)
            if (e.Weapons.Stars[i].Star_Flying) Run_Star(g, e, i);
    }
}

}  // namespace zarvo
