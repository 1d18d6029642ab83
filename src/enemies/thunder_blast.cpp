// The thunder blast: a 27-frame lightning discharge from the sides of an enemy's block that
// hurts the player in four cells in line with each blasting side.
#include "enemies/weapon_support.h"
#include "enemies/weapons.h"

namespace zarvo {

namespace {

enum Side { Right, Left, Up, Down };

inline constexpr int32_t Blast_End_Tick = 28;

// Which sides blast, by type and body angle.
struct Sides {
    bool right = false, left = false, up = false, down = false;
};

Sides Blast_Sides(int32_t type, int32_t angle) {
    const bool facing_up_down = angle == 0 || angle == 128;
    const bool facing_left_right = angle == 64 || angle == 192;
    switch (type) {
        case Enemy::Orbiter:
        case Enemy::Clipper:
            return {true, true, true, true};
        case Enemy::Boxer:
            if (facing_up_down) return {false, false, true, true};
            if (facing_left_right) return {true, true, false, false};
            return {};
        case Enemy::Spider:
            if (angle == 0) return {false, false, false, true};
            if (angle == 64) return {false, true, false, false};
            if (angle == 128) return {false, false, true, false};
            if (angle == 192) return {true, false, false, false};
            return {};
        default:  // Expander, Tank, Sub
            if (facing_up_down) return {true, true, false, false};
            if (facing_left_right) return {false, false, true, true};
            return {};
    }
}

// The four deadly cells of a side lie in line with the block's middle row or column.
bool Side_Hits_Player(const Game& g, const Enimy_Rec& e, Side side) {
    for (int n = 1; n <= 4; ++n) {
        int col = e.Col + 1, row = e.Row + 1;
        switch (side) {
            case Right:
                col = e.Col + 2 + n;
                break;
            case Left:
                col = e.Col - n;
                break;
            case Up:
                row = e.Row - n;
                break;
            case Down:
                row = e.Row + 2 + n;
                break;
        }
        if (Is_Players_Cell(g, col, row)) return true;
    }
    return false;
}

// The frame 1..7 of a tick: it grows over ticks 2..15 and shrinks back over 16..27; 0 at
// tick 1, when nothing is drawn.
int Blast_Frame(int32_t tick) {
    if (tick < 2 || tick > 27) return 0;
    const int rising = tick / 2;  // 1..13
    return rising <= 7 ? rising : 14 - rising;
}

void Draw_Side(Game& g, const Enimy_Rec& e, Side side, int32_t tick) {
    static constexpr int Left_DX[8] = {0, -69, -58, -57, -57, -84, -126, -121};
    static constexpr int Up_DX[8] = {0, 0, -2, 2, 3, 2, 11, 12};
    static constexpr int Up_DY[8] = {0, -69, -58, -57, -57, -84, -126, -121};
    static constexpr int Down_DX[8] = {0, 2, 0, 4, 5, 4, 13, 14};
    const int k = Blast_Frame(tick);
    if (k == 0) return;
    switch (side) {
        case Right:
            g.m.Draw_Image(Img2::Blast_Thunder_Right_1 + k - 1, e.X + 16, e.Y - 1);
            break;
        case Left:
            g.m.Draw_Image(Img2::Blast_Thunder_Left_1 + k - 1, e.X + Left_DX[k], e.Y - 1);
            break;
        case Up:
            g.m.Draw_Image(Img2::Blast_Thunder_Up_1 + k - 1, e.X + Up_DX[k], e.Y + Up_DY[k]);
            break;
        case Down: {
            // On the way back frame 4 sits two pixels further left.
            const int dx = (k == 4 && tick >= 20) ? 3 : Down_DX[k];
            g.m.Draw_Image(Img2::Blast_Thunder_Down_1 + k - 1, e.X + dx, e.Y + 16);
            break;
        }
    }
}

void Blast_Side(Game& g, const Enimy_Rec& e, Side side) {
    if (Side_Hits_Player(g, e, side)) g.w.player.Ego_Hit = true;
    Draw_Side(g, e, side, e.Blast_Tick);
}

}  // namespace

void Trigger_Thunder_Blast(Game& g, int slot) {
    Enimy_Rec& e = Enimy(g, slot);
    e.Blast_On = true;
    e.Blast_Tick = 0;
}

void Thunder_Blast(Game& g, int type) {
    for (int slot = 1; slot <= Roster_Slots; ++slot) {
        if (!Slot_Of_Type(g, slot, type)) continue;
        Enimy_Rec& e = Enimy(g, slot);
        if (!e.Blast_On) continue;
        e.Blast_Tick += 1;
        if (e.Blast_Tick == 1) g.m.Play_Wave(Wave::Laser);
        if (e.Blast_Tick >= Blast_End_Tick) {
            e.Blast_Tick = 0;
            e.Blast_On = false;
            return;  // the blasts of later slots of this type wait for the next frame
        }
        const Sides s = Blast_Sides(type, e.Angle);
        if (s.right) Blast_Side(g, e, Right);
        if (s.left) Blast_Side(g, e, Left);
        if (s.up) Blast_Side(g, e, Up);
        if (s.down) Blast_Side(g, e, Down);
    }
}

}  // namespace zarvo
