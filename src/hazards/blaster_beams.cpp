// The Blaster's thunder beams: 26 frames of hits on four cells in the beam's direction while
// the beam's image grows and shrinks through seven frames.
#include "hazards/hazard_places.h"
#include "hazards/hazards.h"

namespace zarvo {

namespace {

constexpr int Thunder_End_Tick = 27;
constexpr int Beam_Reach = 4;

struct Beam_Look {
    Img2_Id First_Image;
    int Dx[8], Dy[8];  // offsets of image frames 1..7 (index 0 unused)
};

constexpr Beam_Look Beam_Looks[5] = {
    {},
    {Img2::Blast_Thunder_Right_1, {0, 54, 54, 54, 54, 54, 54, 54}, {0, 0, 0, 0, 0, 0, 0, 0}},
    {Img2::Blast_Thunder_Up_1,
     {0, 0, -2, 2, 3, 2, 11, 12},
     {0, -69, -58, -57, -57, -84, -126, -121}},
    {Img2::Blast_Thunder_Left_1,
     {0, -69, -58, -57, -57, -84, -126, -121},
     {0, 34, 34, 34, 34, 34, 34, 34}},
    {Img2::Blast_Thunder_Down_1, {0, 34, 32, 36, 37, 36, 45, 46}, {0, 54, 54, 54, 54, 54, 54, 54}},
};

// The k-th cell (1..4) the beam of the place reaches in its direction.
void Beam_Cell(int place, Thunder_Direction dir, int k, int& col, int& row) {
    const int c = Place_Col(place), r = Place_Row(place);
    switch (dir) {
        case Thunder_Direction::Right:
            col = c + 4 + k, row = r + 1;
            break;
        case Thunder_Direction::Up:
            col = c + 1, row = r - k;
            break;
        case Thunder_Direction::Left:
            col = c - k, row = r + 3;
            break;
        case Thunder_Direction::Down:
            col = c + 3, row = r + 4 + k;
            break;
        default:
            col = 0, row = 0;
            break;
    }
}

// A beam hurts the player on any of its cells; cells past the arena hold nobody.
void Beam_Hit_Test(Game& g, int place, Thunder_Direction dir) {
    Player_State& p = g.w.player;
    for (int k = 1; k <= Beam_Reach; ++k) {
        int col, row;
        Beam_Cell(place, dir, k, col, row);
        if (!Arena_Grid::inside(col, row)) continue;
        if (p.Ego_Col == col && p.Ego_Row == row) p.Ego_Hit = true;
    }
}

// The image frame 1..7 of a beam tick, 0 when nothing is drawn: it grows over ticks 2..15
// and shrinks again over ticks 16..26.
int Beam_Frame(int32_t tick) {
    if (tick < 2 || tick > 26) return 0;
    return tick <= 15 ? tick / 2 : 14 - tick / 2;
}

void Show_Beam(Game& g, int place, Thunder_Direction dir, int32_t tick) {
    const int frame = Beam_Frame(tick);
    if (frame == 0 || dir < Thunder_Direction::Right || dir > Thunder_Direction::Down) return;
    const Beam_Look& look = Beam_Looks[Code_Of(dir)];
    g.m.Draw_Image(look.First_Image + frame - 1, Place_X(place) + look.Dx[frame],
                   Place_Y(place) + look.Dy[frame]);
}

}  // namespace

void Blast_Thunder(Game& g) {
    for (int place = 1; place <= Hazard_Places; ++place) {
        Blaster_Rec& b = g.w.hazards.Blaster[place];
        if (!b.Thunder_On || !b.Present || b.Exploding) continue;
        ++b.Thunder_Tick;
        if (b.Thunder_Tick == 1) g.m.Play_Wave(Wave::Laser);
        if (b.Thunder_Tick == Thunder_End_Tick) {
            b.Thunder_Tick = 0;
            b.Thunder_On = false;
            // An ending beam closes the routine for this frame; later places wait a frame.
            return;
        }
        Beam_Hit_Test(g, place, b.Thunder_Dir);
        Show_Beam(g, place, b.Thunder_Dir, b.Thunder_Tick);
    }
}

}  // namespace zarvo
