// The arena's part of the state dump: the four grids every reader wants at the top, then the
// other grids, the scratch grids of the last cut and the ends of the trail.
#include "arena/arena_dump.h"

namespace zarvo {

void Dump_Arena(const World& w, Json_Writer& j) {
    const Arena_State& a = w.arena;
    j.Grid("Floor_Grid", a.Floor_Grid)
        .Grid("Edge_Grid", a.Edge_Grid)
        .Grid("Way_Grid", a.Way_Grid)
        .Grid("Occupy_Grid", a.Occupy_Grid);
    j.Begin_Object("arena")
        .Grid("Point_Grid", a.Point_Grid)
        .Grid("Blocker_Grid", a.Blocker_Grid)
        .Grid("Enimy_Edge_Grid", a.Enimy_Edge_Grid)
        .Grid("Pilot_Edge_Grid", a.Pilot_Edge_Grid)
        .Grid("Shot_Grid", a.Shot_Grid)
        .Grid("Shot_Slot_Grid", a.Shot_Slot_Grid)
        .Grid("Shot_Dir_Grid", a.Shot_Dir_Grid)
        .Grid("Edge_Work", a.Edge_Work)
        .Grid("Trace_Grid", a.Trace_Grid)
        .Grid("Trace_Grid_1", a.Trace_Grid_1)
        .Grid("Trace_Grid_2", a.Trace_Grid_2)
        .Grid("Floor_Work_1", a.Floor_Work_1)
        .Grid("Floor_Work_2", a.Floor_Work_2)
        .Field("Way_Start_Col", a.Way_Start_Col)
        .Field("Way_Start_Row", a.Way_Start_Row)
        .Field("Way_Start_Dir", a.Way_Start_Dir)
        .Field("Way_End_Col", a.Way_End_Col)
        .Field("Way_End_Row", a.Way_End_Row)
        .Field("Way_End_Dir", a.Way_End_Dir)
        .Field("Trace_Col", a.Trace_Col)
        .Field("Trace_Row", a.Trace_Row)
        .Field("Trace_Target_Col", a.Trace_Target_Col)
        .Field("Trace_Target_Row", a.Trace_Target_Row)
        .Field("Trace_Steps", a.Trace_Steps)
        .Field("Trace_Length_1", a.Trace_Length_1)
        .Field("Trace_Length_2", a.Trace_Length_2)
        .End_Object();
}

}  // namespace zarvo
