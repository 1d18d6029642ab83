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

// Diagonal flight directions: 5 up-right, 6 up-left, 7 down-right, 8 down-left.
namespace Diagonal {
inline constexpr int32_t Up_Right = 5, Up_Left = 6, Down_Right = 7, Down_Left = 8;
constexpr int Step_Col(int32_t dir) {
    return dir == Up_Right || dir == Down_Right ? 1 : -1;
}
constexpr int Step_Row(int32_t dir) {
    return dir == Up_Right || dir == Up_Left ? -1 : 1;
}
}  // namespace Diagonal

// The new direction of a diagonal flyer that meets the edge piece `code` in the diagonal cell
// ahead, or 0 when it flies on: stars and shrapnel count their diagonals as pilots do.
inline int32_t Diagonal_Bounce(int32_t dir, Dir code) {
    return Code_Of(Diagonal_Bounce(Pilot_Dir_Of(dir), code));
}

// Sets all four Clipper arms back to their roots at the block's current place.
void Root_Clipper_Arms(Game& g, int slot);

}  // namespace zarvo
