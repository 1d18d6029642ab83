#pragma once
#include <cstdint>

#include "state/directions.h"

namespace zarvo {

// An empty grid entry or roster slot.
inline constexpr int32_t No_Code = 1000;

// The arena: 36 x 24 cells of 16 pixels; cell (Col, Row) has its top-left pixel at
// (16*Col + 4, 16*Row + 20).
inline constexpr int Arena_Cols = 36;
inline constexpr int Arena_Rows = 24;
inline constexpr int Arena_Cells = Arena_Cols * Arena_Rows;
inline constexpr int Cell_Size = 16;
constexpr int Cell_X(int col) { return 16 * col + 4; }
constexpr int Cell_Y(int row) { return 16 * row + 20; }

// The window: a 622 x 430 playing area above a 622 x 83 panel.
inline constexpr int Screen_Width = 622;
inline constexpr int Screen_Height = 513;
inline constexpr int Play_Height = 430;
inline constexpr int Frame_Ms = 24;

// Occupy_Grid marks.
inline constexpr int32_t Occupy_Body = 4;
inline constexpr int32_t Occupy_Edge = 5;
// Blocker_Grid mark of a flame block, Shot_Grid mark of a player's rocket, Point_Grid dot.
inline constexpr int32_t Blocker_Mark = 3;
inline constexpr int32_t Shot_Mark = 6;
inline constexpr int32_t Point_Mark = 255;

// Enemy types.
namespace Enemy {
inline constexpr int32_t Boxer = 1, Orbiter = 2, Clipper = 3, Expander = 4, Tank = 5, Spider = 6,
                         Sub = 7;
}

inline constexpr int Roster_Slots = 11;

}  // namespace zarvo
