// Bomb chains: lines of explosions that creep from an enemy across the arena, one cell per
// frame, and hurt the player in a band three cells wide.
#include "enemies/weapon_support.h"
#include "enemies/weapons.h"

namespace zarvo {

namespace {

inline constexpr int32_t Seg_First_Frame = Img2::Bomb_Ex_1;
inline constexpr int32_t Seg_Burnt_Frame = Img2::Bomb_Ex_14;

// The chain a facing selects: 0 up, 64 right, 128 down, 192 left; none for any other angle.
Chain_Dir Chain_Of_Angle(int32_t angle) {
    switch (angle) {
        case 0:
            return Chain_Dir::Up;
        case 64:
            return Chain_Dir::Right;
        case 128:
            return Chain_Dir::Down;
        case 192:
            return Chain_Dir::Left;
        default:
            return Chain_Dir::None;
    }
}

Chain_Dir Opposite_Chain(Chain_Dir k) {
    switch (k) {
        case Chain_Dir::Up:
            return Chain_Dir::Down;
        case Chain_Dir::Down:
            return Chain_Dir::Up;
        case Chain_Dir::Left:
            return Chain_Dir::Right;
        case Chain_Dir::Right:
            return Chain_Dir::Left;
        default:
            return Chain_Dir::None;
    }
}

// The Tank lays its chain behind its turret and the Boxer behind its body; the others lay it
// ahead of their body.
Chain_Dir Chain_Of_Enemy(const Game& g, int slot) {
    const Enimy_Rec& e = g.w.enemies.Enimy_Table[slot];
    switch (g.w.level.Enimy_Type[slot]) {
        case Enemy::Tank:
            return Opposite_Chain(Chain_Of_Angle(e.Turret_Angle));
        case Enemy::Boxer:
            return Opposite_Chain(Chain_Of_Angle(e.Angle));
        default:
            return Chain_Of_Angle(e.Angle);
    }
}

// The head waits, uncounted, in the block's side-middle cell.
void Place_Head(const Enimy_Rec& e, Chain_Dir k, Chain_Segment& head) {
    switch (k) {
        case Chain_Dir::Up:
            head.Seg_X = e.X, head.Seg_Y = e.Y - 6;
            head.Seg_Col = e.Col + 1, head.Seg_Row = e.Row;
            break;
        case Chain_Dir::Down:
            head.Seg_X = e.X, head.Seg_Y = e.Y + 20;
            head.Seg_Col = e.Col + 1, head.Seg_Row = e.Row + 2;
            break;
        case Chain_Dir::Left:
            head.Seg_X = e.X - 12, head.Seg_Y = e.Y + 6;
            head.Seg_Col = e.Col, head.Seg_Row = e.Row + 1;
            break;
        default:
            head.Seg_X = e.X, head.Seg_Y = e.Y + 6;
            head.Seg_Col = e.Col + 2, head.Seg_Row = e.Row + 1;
            break;
    }
}

void Start_Chain_K(Game& g, int slot, Chain_Dir dir) {
    const int k = Code_Of(dir);
    if (k < 1 || k > Chain::Count) return;
    Enimy_Rec& e = Enimy(g, slot);
    Bomb_Chain& c = e.Weapons.Chains[k];
    if (c.Chain_On == 1) return;
    c.Chain_On = 1;
    c.Chain_Len = 0;
    c.Chain_Dir = dir;
    Chain_Segment& head = c.Seg[1];
    head.Seg_On = true;
    head.Seg_Frame = Seg_First_Frame;
    Place_Head(e, dir, head);
}

// Each segment burns through thirteen frames; burnt or not, it hurts the player in its own
// cell and the two beside it across the chain's path.
void Burn_Segments(Game& g, Bomb_Chain& c) {
    const bool vertical = c.Chain_Dir == Chain_Dir::Up || c.Chain_Dir == Chain_Dir::Down;
    const Player_State& p = g.w.player;
    for (int s = 1; s <= c.Chain_Len; ++s) {
        Chain_Segment& seg = c.Seg[s];
        if (seg.Seg_On) {
            g.m.Draw_Image(Img2_Id{seg.Seg_Frame}, seg.Seg_X, seg.Seg_Y);
            if (++seg.Seg_Frame >= Seg_Burnt_Frame) {
                seg.Seg_Frame = Seg_Burnt_Frame;
                seg.Seg_On = false;
            }
        }
        const int along = vertical ? p.Ego_Row - seg.Seg_Row : p.Ego_Col - seg.Seg_Col;
        const int across = vertical ? p.Ego_Col - seg.Seg_Col : p.Ego_Row - seg.Seg_Row;
        if (along == 0 && across >= -1 && across <= 1) g.w.player.Ego_Hit = true;
    }
}

// Cells between the block and the arena's edge in the chain's direction.
int32_t Chain_Room(const Enimy_Rec& e, Chain_Dir k) {
    int32_t room = 0;
    switch (k) {
        case Chain_Dir::Up:
            room = e.Row - 1;
            break;
        case Chain_Dir::Down:
            room = 22 - e.Row;
            break;
        case Chain_Dir::Left:
            room = e.Col - 1;
            break;
        default:
            room = 34 - e.Col;
            break;
    }
    return room < Chain::Segments ? room : Chain::Segments;
}

// The head moves one cell on; the older segments move one place back in the table. Chain_Max
// follows the enemy, so an enemy walking away from the edge would let the chain creep on past
// it: the arena's last cell stops the head. Answers whether the chain grew.
bool Grow_Chain(Bomb_Chain& c) {
    Chain_Segment head = c.Seg[1];
    switch (c.Chain_Dir) {
        case Chain_Dir::Up:
            head.Seg_Y -= 16, head.Seg_Row -= 1;
            break;
        case Chain_Dir::Down:
            head.Seg_Y += 16, head.Seg_Row += 1;
            break;
        case Chain_Dir::Left:
            head.Seg_X -= 16, head.Seg_Col -= 1;
            break;
        default:
            head.Seg_X += 16, head.Seg_Col += 1;
            break;
    }
    if (!Inside_Arena(head.Seg_Col, head.Seg_Row)) return false;
    c.Chain_Len += 1;
    for (int s = c.Chain_Len; s >= 2; --s) c.Seg[s] = c.Seg[s - 1];
    head.Seg_On = true;
    head.Seg_Frame = Seg_First_Frame;
    c.Seg[1] = head;
    return true;
}

void Run_Chain(Game& g, const Enimy_Rec& e, Bomb_Chain& c) {
    Burn_Segments(g, c);
    if (c.Seg[1].Seg_Frame >= Seg_Burnt_Frame) {
        c.Chain_On = 0;
        return;
    }
    c.Chain_Max = Chain_Room(e, c.Chain_Dir);
    if (c.Chain_Len >= c.Chain_Max || Grow_Chain(c)) return;
    // A chain that may not leave the arena and has laid nothing has nothing left to burn.
    if (c.Chain_Len == 0) c.Chain_On = 0;
}

}  // namespace

void Start_Chain(Game& g, int slot) {
    Start_Chain_K(g, slot, Chain_Of_Enemy(g, slot));
}

void Start_Chains_All(Game& g, int slot) {
    for (int k = 1; k <= Chain::Count; ++k) Start_Chain_K(g, slot, Chain_Dir_Of(k));
}

void Bomb_Chains(Game& g, int type) {
    for (int slot = 1; slot <= Roster_Slots; ++slot) {
        if (!Slot_Of_Type(g, slot, type)) continue;
        Enimy_Rec& e = Enimy(g, slot);
        for (int k = 1; k <= Chain::Count; ++k)
            if (e.Weapons.Chains[k].Chain_On == 1) Run_Chain(g, e, e.Weapons.Chains[k]);
    }
}

}  // namespace zarvo
