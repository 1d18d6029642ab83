#pragma once
// Small pieces the enemy weapons share: the record of a slot, the slots of one type and the
// diagonal flight of stars and shrapnel.
#include "state/edge_steps.h"
#include "state/game.h"

namespace zarvo {

inline Enimy_Rec& Enimy(Game& g, int slot) {
    return g.w.enemies.Enimy_Table[slot];
}

inline bool Slot_Of_Type(const Game& g, int slot, int type) {
    return g.w.level.Enimy_Type[slot] == type;
}

inline bool Is_Players_Cell(const Game& g, int col, int row) {
    return g.w.player.Ego_Col == col && g.w.player.Ego_Row == row;
}

inline bool Inside_Arena(int col, int row) {
    return col >= 1 && col <= Arena_Cols && row >= 1 && row <= Arena_Rows;
}

// The diagonal flights of stars and shrapnel (Star_Dir, Shrap_Dir): the cell step of a
// diagonal, and the new diagonal of a flyer that meets the edge piece `code` in the diagonal
// cell ahead, or None when it flies on. Both count their diagonals as the pilots do, so the
// bounce is the pilots' own, through the shared numbers.
template <typename D>
constexpr int Diagonal_Col(D dir) {
    return dir == D::Up_Right || dir == D::Down_Right ? 1 : -1;
}
template <typename D>
constexpr int Diagonal_Row(D dir) {
    return dir == D::Up_Right || dir == D::Up_Left ? -1 : 1;
}
template <typename D>
D Diagonal_Bounce(D dir, Dir code) {
    return static_cast<D>(Code_Of(Diagonal_Bounce(Pilot_Dir_Of(Code_Of(dir)), code)));
}

// Sets all four Clipper arms back to their roots at the block's current place.
void Root_Clipper_Arms(Game& g, int slot);

}  // namespace zarvo
