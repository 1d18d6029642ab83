// The Boxer's twin laser: two parallel beams straight ahead from the outer columns (or rows)
// of its block, across free cells up to another enemy or the arena's edge.
#include "enemies/weapon_support.h"
#include "enemies/weapons.h"

namespace zarvo {

namespace {

inline constexpr int Beam_Max_Cells = 33;
inline constexpr int32_t Attack_Frames = 20;

struct Facing {
    int a_dx, a_dy, b_dx, b_dy;          // start pixels of beams A and B from (X, Y)
    int a_dcol, a_drow, b_dcol, b_drow;  // start cells from (Col, Row)
    int step_col, step_row;              // one cell along the beam
    Img1_Id segment, end;                // images
    int end_dx, end_dy;                  // end image offset
};

constexpr Facing Facings[Laser_Facings] = {
    {4, -16, 32, -16, 0, -1, 2, -1, 0, -1, Img1::Laser_UD, Img1::Laser_End_Up, -5, -1},
    {44, 4, 44, 32, 3, 0, 3, 2, 1, 0, Img1::Laser_LR, Img1::Laser_End_Right, 0, -5},
    {7, 44, 35, 44, 0, 3, 2, 3, 0, 1, Img1::Laser_UD, Img1::Laser_End_Down, -5, 0},
    {-16, 7, -16, 35, -1, 0, -1, 2, -1, 0, Img1::Laser_LR, Img1::Laser_End_Left, 0, -5},
};

// The facing of a body angle, or -1 between the four quarters.
int Facing_Of(int32_t angle) {
    switch (angle) {
        case 0:
            return 0;
        case 64:
            return 1;
        case 128:
            return 2;
        case 192:
            return 3;
        default:
            return -1;
    }
}

// The arena's edge always ends a beam; should a beam ever find no edge, the end of the arena
// stops it as an enemy's block does, before the cell.
int32_t Beam_Cell(const Game& g, int col, int row) {
    if (!Inside_Arena(col, row)) return Occupy_Body;
    return g.w.arena.Occupy_Grid(col, row);
}

// The beam runs on while the cell it is in holds no enemy; it covers an edge cell and stops.
// The player is tested in the cell the beam reaches next, so the first cell is never tested.
void Trace_Beam(Game& g, Laser_Beam& beam, const Facing& f) {
    for (int n = 0; n < Beam_Max_Cells; ++n) {
        const int32_t here = Beam_Cell(g, beam.Cell_Col, beam.Cell_Row);
        if (here == Occupy_Body) return;
        beam.Cell_Col += f.step_col;
        beam.Cell_Row += f.step_row;
        beam.Length += 1;
        if (here == Occupy_Edge) return;
        if (Is_Players_Cell(g, beam.Cell_Col, beam.Cell_Row)) g.w.player.Ego_Hit = true;
    }
}

void Set_Beam(Laser_Beam& beam, const Enimy_Rec& e, int dx, int dy, int dcol, int drow) {
    beam.Start_X = e.X + dx, beam.Start_Y = e.Y + dy;
    beam.Cell_Col = e.Col + dcol, beam.Cell_Row = e.Row + drow;
    beam.Length = 0;
}

void Draw_Beam(Game& g, const Laser_Beam& beam, const Facing& f) {
    if (beam.Length < 1) return;
    int x = beam.Start_X, y = beam.Start_Y;
    for (int n = 1; n < beam.Length; ++n) {
        g.m.Draw_Image(f.segment, x, y);
        x += 16 * f.step_col;
        y += 16 * f.step_row;
    }
    g.m.Draw_Image(f.end, x + f.end_dx, y + f.end_dy);
}

}  // namespace

void Boxer_Laser(Game& g, int slot) {
    Enimy_Rec& e = Enimy(g, slot);
    if (!e.Active || !e.Attacking) return;
    const int facing = Facing_Of(e.Angle);
    Laser_Beam* beams = facing >= 0 ? e.Weapons.Laser[facing] : nullptr;
    if (beams) {
        const Facing& f = Facings[facing];
        Set_Beam(beams[0], e, f.a_dx, f.a_dy, f.a_dcol, f.a_drow);
        Set_Beam(beams[1], e, f.b_dx, f.b_dy, f.b_dcol, f.b_drow);
        Trace_Beam(g, beams[0], f);
        Trace_Beam(g, beams[1], f);
    }
    if (e.Angle == e.Angle_Target && ++e.Special_Tick > Attack_Frames) {
        e.Special_Tick = 0;
        e.Attacking = false;
        return;
    }
    if (beams) {
        Draw_Beam(g, beams[0], Facings[facing]);
        Draw_Beam(g, beams[1], Facings[facing]);
    }
}

}  // namespace zarvo
