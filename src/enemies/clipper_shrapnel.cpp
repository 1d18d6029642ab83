// The Clipper's shrapnel: four snakes of balls that fly diagonally from its centre, bounce
// off the edge and burst into sparks over a hole, after four bounces in a row, or when the
// Clipper's next attack calls them in.
#include "enemies/weapon_support.h"
#include "enemies/weapons.h"

namespace zarvo {

namespace {

inline constexpr int32_t Burst_End_Tick = 11;

// The four sparks of a piece fly up-left, down-right, down-left and up-right.
constexpr int Spark_DX[4] = {-1, 1, -1, 1};
constexpr int Spark_DY[4] = {-1, 1, 1, -1};

// The snake is as long as it has grown: the first volley shows nothing until its head has
// crossed a cell.
int Piece_Count(const Enemy_Weapons& wp) {
    return wp.Shrap_Len < 0 ? 0 : wp.Shrap_Len > Shrap_Pieces ? Shrap_Pieces : wp.Shrap_Len;
}

void Test_Pieces(Game& g, Shrap_Group& group, int pieces) {
    for (int n = 1; n <= pieces; ++n) {
        const Shrap_Piece& p = group.Piece[n];
        if (Floor_At(g.w.arena.Floor_Grid, p.Col, p.Row) == Floor::Gone) group.Shrap_Burst = true;
        if (Is_Players_Cell(g, p.Col, p.Row)) g.w.player.Ego_Hit = true;
    }
}

void Burst_Group(Game& g, Shrap_Group& group, int pieces) {
    group.Shrap_Burst_Tick += 1;
    if (group.Shrap_Burst_Tick >= Burst_End_Tick) {
        group.Shrap_Flying = false;
        group.Shrap_Burst = false;
        group.Shrap_Burst_Tick = 0;
        return;
    }
    for (int n = 1; n <= pieces; ++n) {
        Shrap_Piece& p = group.Piece[n];
        for (int k = 0; k < 4; ++k) {
            if (group.Shrap_Burst_Tick == 1) {
                p.Spark_X[k] = p.X, p.Spark_Y[k] = p.Y;
            } else {
                p.Spark_X[k] += Spark_DX[k], p.Spark_Y[k] += Spark_DY[k];
                g.m.Draw_Image(Img1::Circle_16_2, p.Spark_X[k], p.Spark_Y[k]);
            }
        }
    }
    if (group.Shrap_Burst_Tick == 1) g.m.Play_Wave(Wave::Explose_3);
}

// At a cell boundary the head turns off the edge piece in the diagonal cell ahead; answers
// true when the snake does not move this frame. Four bounces in a row make it burst from the
// next frame on, but this frame's turn or move still happens.
bool Group_Boundary(Game& g, Shrap_Group& group) {
    group.Shrap_Step = 0;
    if (group.Shrap_Bounces == 4) group.Shrap_Burst = true;
    const Shrap_Piece& head = group.Piece[1];
    const Dir code = Dir_At(g.w.arena.Enimy_Edge_Grid, head.Col + Diagonal_Col(group.Shrap_Dir),
                            head.Row + Diagonal_Row(group.Shrap_Dir));
    const Shrap_Dir turned = Diagonal_Bounce(group.Shrap_Dir, code);
    if (turned == Shrap_Dir::None) return false;
    group.Shrap_Dir = turned;
    group.Shrap_Bounces += 1;
    return true;
}

// The head moves 8 pixels a frame; each cell it crosses lets the snake grow and pulls the
// pieces behind it one place along.
void Move_Group(Enemy_Weapons& wp, Shrap_Group& group) {
    group.Shrap_Bounces = 0;
    const int dc = Diagonal_Col(group.Shrap_Dir), dr = Diagonal_Row(group.Shrap_Dir);
    group.Piece[1].X += 8 * dc;
    group.Piece[1].Y += 8 * dr;
    if (++group.Shrap_Step < 2) return;
    group.Shrap_Step = 0;
    if (wp.Shrap_Len < Shrap_Pieces) wp.Shrap_Len += 1;
    for (int n = Shrap_Pieces; n >= 2; --n) group.Piece[n] = group.Piece[n - 1];
    group.Piece[1].Col += dc;
    group.Piece[1].Row += dr;
}

void Run_Group(Game& g, Enemy_Weapons& wp, Shrap_Group& group) {
    Test_Pieces(g, group, Piece_Count(wp));
    if (group.Shrap_Burst) {
        Burst_Group(g, group, Piece_Count(wp));
        return;
    }
    for (int n = 1; n <= Piece_Count(wp); ++n)
        g.m.Draw_Image(Img1::Circle_16_2, group.Piece[n].X, group.Piece[n].Y);
    if (group.Shrap_Step == 0 || group.Shrap_Step == 2) {
        if (Group_Boundary(g, group)) return;
    }
    Move_Group(wp, group);
}

}  // namespace

void Clipper_Shrapnel(Game& g, int slot) {
    Enemy_Weapons& wp = Enimy(g, slot).Weapons;
    for (int k = 1; k <= Shrap_Groups; ++k)
        if (wp.Shrapnel[k].Shrap_Flying) Run_Group(g, wp, wp.Shrapnel[k]);
}

}  // namespace zarvo
