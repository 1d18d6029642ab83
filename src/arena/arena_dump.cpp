// The arena's part of the state dump: the four grids every reader wants at the top, then the
// other grids, the scratch grids of the last cut and the ends of the trail.
#include "arena/arena_dump.h"

namespace zarvo {

void Dump_Arena(const World& w, Json_Writer& j) {
    const Arena_State& a = w.arena;
    j.grid("Floor_Grid", a.Floor_Grid)
        .grid("Edge_Grid", a.Edge_Grid)
        .grid("Way_Grid", a.Way_Grid)
        .grid("Occupy_Grid", a.Occupy_Grid);
    j.begin_object("arena")
        .grid("Point_Grid", a.Point_Grid)
        .grid("Blocker_Grid", a.Blocker_Grid)
        .grid("Enimy_Edge_Grid", a.Enimy_Edge_Grid)
        .grid("Pilot_Edge_Grid", a.Pilot_Edge_Grid)
        .grid("Shot_Grid", a.Shot_Grid)
        .grid("Shot_Slot_Grid", a.Shot_Slot_Grid)
        .grid("Shot_Dir_Grid", a.Shot_Dir_Grid)
        .grid("Edge_Work", a.Edge_Work)
        .grid("Trace_Grid", a.Trace_Grid)
        .grid("Trace_Grid_1", a.Trace_Grid_1)
        .grid("Trace_Grid_2", a.Trace_Grid_2)
        .grid("Floor_Work_1", a.Floor_Work_1)
        .grid("Floor_Work_2", a.Floor_Work_2)
        .field("Way_Start_Col", a.Way_Start_Col)
        .field("Way_Start_Row", a.Way_Start_Row)
        .field("Way_Start_Dir", a.Way_Start_Dir)
        .field("Way_End_Col", a.Way_End_Col)
        .field("Way_End_Row", a.Way_End_Row)
        .field("Way_End_Dir", a.Way_End_Dir)
        .field("Trace_Col", a.Trace_Col)
        .field("Trace_Row", a.Trace_Row)
        .field("Trace_Target_Col", a.Trace_Target_Col)
        .field("Trace_Target_Row", a.Trace_Target_Row)
        .field("Trace_Steps", a.Trace_Steps)
        .field("Trace_Length_1", a.Trace_Length_1)
        .field("Trace_Length_2", a.Trace_Length_2)
        .end_object();
}

}  // namespace zarvo
