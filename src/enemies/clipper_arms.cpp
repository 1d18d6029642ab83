#include "enemies/clipper_arms.h"

#include "enemies/weapon_support.h"
#include "enemies/weapons.h"

namespace zarvo {

namespace {

// An arm's outward step and the direction across it in which its three cells lie.
struct Arm_Geometry {
    int step_col, step_row;
    int across_col, across_row;
    Img1_Id tip, segment;
};

constexpr Arm_Geometry Arm_Geo[Arm::Count + 1] = {
    {},
    {-1, 0, 0, 1, Img1::Clipper_Left_Top, Img1::Clipper_Left},
    {1, 0, 0, 1, Img1::Clipper_Right_Top, Img1::Clipper_Right},
    {0, -1, 1, 0, Img1::Clipper_Up_Top, Img1::Clipper_Up},
    {0, 1, 1, 0, Img1::Clipper_Down_Top, Img1::Clipper_Down},
};

// Cells outside the arena are never free: an arm does not reach past it.
bool Cell_Free(const Game& g, int col, int row) {
    return Inside_Arena(col, row) && g.w.arena.Occupy_Grid(col, row) == No_Code;
}

bool Three_Free(const Game& g, int col, int row, const Arm_Geometry& a) {
    for (int k = 0; k < 3; ++k)
        if (!Cell_Free(g, col + k * a.across_col, row + k * a.across_row)) return false;
    return true;
}

void Mark_Three(Game& g, int col, int row, const Arm_Geometry& a) {
    for (int k = 0; k < 3; ++k)
        g.w.arena.Occupy_Grid.set(col + k * a.across_col, row + k * a.across_row, Occupy_Body);
}

void Free_Three(Game& g, int col, int row, const Arm_Geometry& a) {
    Arena_Grid& occupy = g.w.arena.Occupy_Grid;
    for (int k = 0; k < 3; ++k) {
        const int c = col + k * a.across_col, r = row + k * a.across_row;
        if (occupy(c, r) == Occupy_Body) occupy.set(c, r, No_Code);
    }
}

void Shift_Segments(Clipper_Arm& arm, const Arm_Geometry& a, int last, int sign) {
    for (int s = 1; s <= last; ++s) {
        arm.Seg_X[s] += sign * 16 * a.step_col;
        arm.Seg_Y[s] += sign * 16 * a.step_row;
        arm.Seg_Col[s] += sign * a.step_col;
        arm.Seg_Row[s] += sign * a.step_row;
    }
}

void Set_Root(Clipper_Arm& arm, int32_t x, int32_t y, int32_t col, int32_t row) {
    for (int s = 1; s <= Arm::Segments; ++s) {
        arm.Seg_X[s] = x, arm.Seg_Y[s] = y;
        arm.Seg_Col[s] = col, arm.Seg_Row[s] = row;
    }
    arm.Arm_Len = 0;
    arm.Arm_Done = false;
}

// The body's nine marks move one cell on in the direction of the pull.
void Move_Block(Game& g, Enimy_Rec& e, int dcol, int drow) {
    Arena_Grid& occupy = g.w.arena.Occupy_Grid;
    for (int i = 0; i <= 2; ++i)
        for (int j = 0; j <= 2; ++j)
            if (occupy(e.Col + i, e.Row + j) == Occupy_Body)
                occupy.set(e.Col + i, e.Row + j, No_Code);
    e.Col += dcol, e.Row += drow;
    for (int i = 0; i <= 2; ++i)
        for (int j = 0; j <= 2; ++j)
            if (occupy(e.Col + i, e.Row + j) == No_Code)
                occupy.set(e.Col + i, e.Row + j, Occupy_Body);
}

}  // namespace

int Arm_Of_Dir(Step_Dir move_dir) {
    switch (move_dir) {
        case Step_Dir::Up:
            return Arm::Up;
        case Step_Dir::Down:
            return Arm::Down;
        case Step_Dir::Left:
            return Arm::Left;
        case Step_Dir::Right:
            return Arm::Right;
        default:
            return 0;
    }
}

void Root_Clipper_Arms(Game& g, int slot) {
    Enimy_Rec& e = Enimy(g, slot);
    Clipper_Arm* arms = e.Weapons.Arms;
    Set_Root(arms[Arm::Left], e.X, e.Y, e.Col, e.Row);
    Set_Root(arms[Arm::Up], e.X, e.Y, e.Col, e.Row);
    Set_Root(arms[Arm::Right], e.X + 19, e.Y, e.Col + 2, e.Row);
    Set_Root(arms[Arm::Down], e.X, e.Y + 19, e.Col, e.Row + 2);
}

bool Extend_Arm(Game& g, int slot, int a) {
    Clipper_Arm& arm = Enimy(g, slot).Weapons.Arms[a];
    const Arm_Geometry& geo = Arm_Geo[a];
    const int col = arm.Seg_Col[1] + geo.step_col, row = arm.Seg_Row[1] + geo.step_row;
    if (arm.Arm_Len >= Arm::Max_Len || !Three_Free(g, col, row, geo)) return false;
    arm.Arm_Len += 1;
    Shift_Segments(arm, geo, arm.Arm_Len, +1);
    Mark_Three(g, col, row, geo);
    return true;
}

bool Retract_Arm(Game& g, int slot, int a) {
    Clipper_Arm& arm = Enimy(g, slot).Weapons.Arms[a];
    if (arm.Arm_Len <= 0) return false;
    const Arm_Geometry& geo = Arm_Geo[a];
    Free_Three(g, arm.Seg_Col[1], arm.Seg_Row[1], geo);
    Shift_Segments(arm, geo, arm.Arm_Len, -1);
    arm.Arm_Len -= 1;
    return true;
}

bool Pull_Along_Arm(Game& g, int slot) {
    Enimy_Rec& e = Enimy(g, slot);
    const int a = Arm_Of_Dir(e.Move_Dir);
    if (a == 0) return true;
    Clipper_Arm& arm = e.Weapons.Arms[a];
    if (arm.Arm_Len <= 0) return true;
    const Arm_Geometry& geo = Arm_Geo[a];
    e.X += e.Speed * geo.step_col;
    e.Y += e.Speed * geo.step_row;
    e.Step += 1;
    if (e.Step < e.Steps) return false;
    // A cell crossed: the segment next to the body becomes part of it.
    e.Step = 0;
    Move_Block(g, e, geo.step_col, geo.step_row);
    arm.Arm_Len -= 1;
    return arm.Arm_Len <= 0;
}

void Free_Arm_Cells(Game& g, int slot) {
    Enimy_Rec& e = Enimy(g, slot);
    for (int a = 1; a <= Arm::Count; ++a) {
        Clipper_Arm& arm = e.Weapons.Arms[a];
        for (int s = 1; s <= arm.Arm_Len && s <= Arm::Segments; ++s)
            Free_Three(g, arm.Seg_Col[s], arm.Seg_Row[s], Arm_Geo[a]);
        arm.Arm_Len = 0;
    }
}

void Draw_Clipper_Arms(Game& g, int slot) {
    const Enimy_Rec& e = Enimy(g, slot);
    for (int a = 1; a <= Arm::Count; ++a) {
        const Clipper_Arm& arm = e.Weapons.Arms[a];
        for (int s = 1; s <= arm.Arm_Len && s <= Arm::Segments; ++s) {
            const Img1_Id image = s == 1 ? Arm_Geo[a].tip : Arm_Geo[a].segment;
            g.m.Draw_Image(image, arm.Seg_X[s], arm.Seg_Y[s]);
        }
    }
}

}  // namespace zarvo
