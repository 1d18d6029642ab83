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

// What a cell of the floor is: gone (a hole, and the ring around the arena), a tile, or a
// tile of the edge loop. Floor_Grid and its copies hold the numbers; read and write them here.
enum class Floor : int32_t { Gone = 0, Tile = 1, Edge = 2 };

constexpr Floor Floor_At(const Floor_Grid_Type& grid, int col, int row) {
    return static_cast<Floor>(grid(col, row));
}
constexpr void Set_Floor(Floor_Grid_Type& grid, int col, int row, Floor f) {
    grid.set(col, row, static_cast<int32_t>(f));
}

struct Arena_State {
    // The floor as Floor numbers: 0 gone, 1 a tile, 2 the edge (ring 0 outside the arena).
    Floor_Grid_Type Floor_Grid;
    // The edge loop: in each edge cell the direction to the next one.
    Arena_Grid Edge_Grid;
    // The trail of the cut in progress: in each cell the direction walked.
    Arena_Grid Way_Grid;
    // The dots drawn along the trail.
    Arena_Grid Point_Grid;
    // What stands on a cell: Occupy_Edge on the edge, Occupy_Body under a hazard place or a
    // Clipper arm.
    Arena_Grid Occupy_Grid;
    // Blocker_Mark where a settled Blaster block bars the cell.
    Arena_Grid Blocker_Grid;
    // The edge directions as the enemies and the pilots go by them (set with the edge).
    Arena_Grid Enimy_Edge_Grid;
    Arena_Grid Pilot_Edge_Grid;
    // Shot_Mark where a star-shot rocket flies, with its volley slot and its direction.
    Arena_Grid Shot_Grid;
    Arena_Grid Shot_Slot_Grid;
    Arena_Grid Shot_Dir_Grid;

    // Scratch of a cut.
    // A copy of the edge the cut is traced on.
    Arena_Grid Edge_Work;
    // The two candidate loops of a cut: the smaller part falls away.
    Arena_Grid Trace_Grid;
    Arena_Grid Trace_Grid_1;
    Arena_Grid Trace_Grid_2;
    // The floor as each candidate would leave it.
    Floor_Grid_Type Floor_Work_1;
    Floor_Grid_Type Floor_Work_2;

    // The edge cells where the trail left and met the edge, with the directions there.
    int32_t Way_Start_Col = 0, Way_Start_Row = 0;
    Dir Way_Start_Dir = Dir::None;
    int32_t Way_End_Col = 0, Way_End_Row = 0;
    Dir Way_End_Dir = Dir::None;
    // The tracer walking a candidate loop and the cell it walks to.
    int32_t Trace_Col = 0, Trace_Row = 0, Trace_Target_Col = 0, Trace_Target_Row = 0;
    int32_t Trace_Steps = 0;
    // Cells in each candidate loop; the longer one stays as the edge.
    int32_t Trace_Length_1 = 0, Trace_Length_2 = 0;

    bool operator==(const Arena_State&) const = default;
};

}  // namespace zarvo
