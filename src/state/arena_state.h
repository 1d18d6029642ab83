#pragma once
// The arena grids and the scalars of a cut.
#include "state/constants.h"
#include "state/grid.h"

namespace zarvo {

// A 36 x 24 arena grid, [Col][Row] 1-based, No_Code where empty and outside.
using Arena_Grid = Grid<1, Arena_Cols, 1, Arena_Rows, No_Code>;
// The floor with its ring of 0 around the arena, [0..37][0..25].
using Floor_Grid_Type = Grid<0, Arena_Cols + 1, 0, Arena_Rows + 1, 0>;

// The direction code in a cell of Edge_Grid, Way_Grid or one of their copies; an empty cell
// reads as no named direction.
constexpr Dir Dir_At(const Arena_Grid& grid, int col, int row) {
    return Dir_Of_Code(grid(col, row));
}
constexpr void Set_Dir(Arena_Grid& grid, int col, int row, Dir code) {
    grid.set(col, row, Code_Of(code));
}

struct ArenaState {
    Floor_Grid_Type Floor_Grid;
    Arena_Grid Edge_Grid;
    Arena_Grid Way_Grid;
    Arena_Grid Point_Grid;
    Arena_Grid Occupy_Grid;
    Arena_Grid Blocker_Grid;
    Arena_Grid Enimy_Edge_Grid;
    Arena_Grid Pilot_Edge_Grid;
    Arena_Grid Shot_Grid;
    Arena_Grid Shot_Slot_Grid;
    Arena_Grid Shot_Dir_Grid;

    // Scratch of a cut.
    Arena_Grid Edge_Work;
    Arena_Grid Trace_Grid;
    Arena_Grid Trace_Grid_1;
    Arena_Grid Trace_Grid_2;
    Floor_Grid_Type Floor_Work_1;
    Floor_Grid_Type Floor_Work_2;

    int32_t Way_Start_Col = 0, Way_Start_Row = 0;
    Dir Way_Start_Dir = Dir::None;
    int32_t Way_End_Col = 0, Way_End_Row = 0;
    Dir Way_End_Dir = Dir::None;
    int32_t Trace_Col = 0, Trace_Row = 0, Trace_Target_Col = 0, Trace_Target_Row = 0;
    int32_t Trace_Steps = 0;
    int32_t Trace_Length_1 = 0, Trace_Length_2 = 0;

    bool operator==(const ArenaState&) const = default;
};

}  // namespace zarvo
