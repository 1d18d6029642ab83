#include "arena/arena.h"

namespace zarvo {

namespace {

bool Is_Code(Dir code) {
    return code == Dir::Down || code == Dir::Left || code == Dir::Right || code == Dir::Up ||
           (code >= Dir::LeftUp && code <= Dir::DownRight);
}

bool Is_One_Of(Dir v, Dir a, Dir b, Dir c) {
    return v == a || v == b || v == c;
}

// The edge piece drawn for each code; -1 where a cell shows no edge.
int Edge_Image(Dir code) {
    switch (code) {
        case Dir::Down:
            return Img1::Kachel_Down;
        case Dir::Left:
            return Img1::Kachel_Left;
        case Dir::Right:
            return Img1::Kachel_Right;
        case Dir::Up:
            return Img1::Kachel_Up;
        case Dir::LeftUp:
            return Img1::Kachel_LeftUp;
        case Dir::RightUp:
            return Img1::Kachel_RightUp;
        case Dir::LeftDown:
            return Img1::Kachel_LeftDown;
        case Dir::RightDown:
            return Img1::Kachel_RightDown;
        case Dir::UpLeft:
            return Img1::Kachel_UpLeft;
        case Dir::UpRight:
            return Img1::Kachel_UpRight;
        case Dir::DownLeft:
            return Img1::Kachel_DownLeft;
        case Dir::DownRight:
            return Img1::Kachel_DownRight;
        default:
            return -1;
    }
}

template <typename F>
void For_Each_Cell(F f) {
    for (int col = 1; col <= Arena_Cols; ++col)
        for (int row = 1; row <= Arena_Rows; ++row) f(col, row);
}

void Lay_Edge_Loop(Arena_State& a) {
    for (int col = 1; col <= Arena_Cols; ++col) {
        Set_Dir(a.Edge_Grid, col, 1, Dir::Right);
        Set_Dir(a.Edge_Grid, col, Arena_Rows, Dir::Left);
    }
    for (int row = 1; row <= Arena_Rows; ++row) {
        Set_Dir(a.Edge_Grid, 1, row, Dir::Up);
        Set_Dir(a.Edge_Grid, Arena_Cols, row, Dir::Down);
    }
    Set_Dir(a.Edge_Grid, 1, 1, Dir::UpRight);
    Set_Dir(a.Edge_Grid, Arena_Cols, 1, Dir::RightDown);
    Set_Dir(a.Edge_Grid, 1, Arena_Rows, Dir::LeftUp);
    Set_Dir(a.Edge_Grid, Arena_Cols, Arena_Rows, Dir::DownLeft);
}

void Lay_Full_Floor(Arena_State& a) {
    a.Floor_Grid.fill(static_cast<int32_t>(Floor::Tile));
    for (int col = 0; col <= Arena_Cols + 1; ++col) {
        Set_Floor(a.Floor_Grid, col, 0, Floor::Gone);
        Set_Floor(a.Floor_Grid, col, Arena_Rows + 1, Floor::Gone);
    }
    for (int row = 0; row <= Arena_Rows + 1; ++row) {
        Set_Floor(a.Floor_Grid, 0, row, Floor::Gone);
        Set_Floor(a.Floor_Grid, Arena_Cols + 1, row, Floor::Gone);
    }
    for (int col = 1; col <= Arena_Cols; ++col) {
        Set_Floor(a.Floor_Grid, col, 1, Floor::Edge);
        Set_Floor(a.Floor_Grid, col, Arena_Rows, Floor::Edge);
    }
    for (int row = 1; row <= Arena_Rows; ++row) {
        Set_Floor(a.Floor_Grid, 1, row, Floor::Edge);
        Set_Floor(a.Floor_Grid, Arena_Cols, row, Floor::Edge);
    }
}

// The copies of the edge that enemies and pilots run on, and the edge marks of Occupy_Grid.
void Copy_Edge_To_Runners(Arena_State& a) {
    a.Occupy_Grid.fill(No_Code);
    a.Enimy_Edge_Grid.fill(No_Code);
    a.Pilot_Edge_Grid.fill(No_Code);
    a.Shot_Grid.fill(No_Code);
    a.Shot_Slot_Grid.fill(No_Code);
    a.Shot_Dir_Grid.fill(No_Code);
    For_Each_Cell([&](int col, int row) {
        int32_t code = a.Edge_Grid(col, row);
        if (code == No_Code) return;
        a.Enimy_Edge_Grid.set(col, row, code);
        a.Pilot_Edge_Grid.set(col, row, code);
        a.Occupy_Grid.set(col, row, Occupy_Edge);
    });
}

// --- Fliese_Mathe, step by step -------------------------------------------------------------

void Prepare_Cut_Work(Arena_State& a) {
    a.Trace_Grid.fill(No_Code);
    a.Trace_Grid_1.fill(No_Code);
    a.Trace_Grid_2.fill(No_Code);
    a.Point_Grid.fill(No_Code);
    a.Floor_Work_1 = a.Floor_Grid;
    a.Floor_Work_2 = a.Floor_Grid;
    a.Edge_Work = a.Edge_Grid;
}

void Lay_Way_Over_Edge(Arena_State& a) {
    For_Each_Cell([&](int col, int row) {
        int32_t code = a.Way_Grid(col, row);
        if (code != No_Code) a.Edge_Work.set(col, row, code);
    });
}

// Traces the loop through the trail from the start cell; answers its Trace_Steps.
int32_t Trace_From_Start(Game& g) {
    Arena_State& a = g.w.arena;
    a.Trace_Col = a.Trace_Target_Col = a.Way_Start_Col;
    a.Trace_Row = a.Trace_Target_Row = a.Way_Start_Row;
    Trace_Edge(g);
    return a.Trace_Steps;
}

// Turns the last trace into a candidate: its loop becomes the only edge of the floor copy.
void Take_Trace(Arena_State& a, Arena_Grid& loop, Floor_Grid_Type& floor) {
    For_Each_Cell([&](int col, int row) {
        loop.set(col, row, No_Code);
        if (Floor_At(floor, col, row) == Floor::Edge) Set_Floor(floor, col, row, Floor::Tile);
        int32_t code = a.Trace_Grid(col, row);
        if (code == No_Code) return;
        loop.set(col, row, code);
        Set_Floor(floor, col, row, Floor::Edge);
    });
}

void Restore_Edge_Work(Arena_State& a) {
    a.Edge_Work = a.Edge_Grid;
    a.Trace_Grid.fill(No_Code);
}

void Swap_Way_Ends(Arena_State& a) {
    const int32_t col = a.Way_Start_Col, row = a.Way_Start_Row;
    const Dir dir = a.Way_Start_Dir;
    a.Way_Start_Col = a.Way_End_Col;
    a.Way_Start_Row = a.Way_End_Row;
    a.Way_Start_Dir = Reverse_Code(a.Way_End_Dir);
    a.Way_End_Col = col;
    a.Way_End_Row = row;
    a.Way_End_Dir = Reverse_Code(dir);
}

// Ties keep the loop that runs through the trail in its own direction (the first trace).
void Keep_Longer_Loop(Arena_State& a) {
    bool second = a.Trace_Length_1 < a.Trace_Length_2;
    const Arena_Grid& loop = second ? a.Trace_Grid_2 : a.Trace_Grid_1;
    const Floor_Grid_Type& floor = second ? a.Floor_Work_2 : a.Floor_Work_1;
    a.Edge_Grid = loop;
    For_Each_Cell([&](int col, int row) { a.Floor_Grid.set(col, row, floor(col, row)); });
}

// Removes the tile at (col, row) if it is floor, one point for it.
void Remove_Tile(Game& g, int col, int row) {
    if (Floor_At(g.w.arena.Floor_Grid, col, row) != Floor::Tile) return;
    Set_Floor(g.w.arena.Floor_Grid, col, row, Floor::Gone);
    g.w.game.Score += 1;
}

// The outside of the loop lies below a Left piece, above a Right piece, right of a Down piece
// and left of an Up piece; the tile just beyond each piece goes first.
void Cut_Outside_Loop(Game& g) {
    auto edge = [&](int col, int row) { return Dir_At(g.w.arena.Edge_Grid, col, row); };
    for (int col = 1; col <= Arena_Cols; ++col)
        for (int row = 1; row <= Arena_Rows; ++row)
            if (Is_One_Of(edge(col, row), Dir::Left, Dir::LeftUp, Dir::DownLeft))
                Remove_Tile(g, col, row + 1);
    for (int col = 1; col <= Arena_Cols; ++col)
        for (int row = Arena_Rows; row >= 1; --row)
            if (Is_One_Of(edge(col, row), Dir::Right, Dir::RightDown, Dir::UpRight))
                Remove_Tile(g, col, row - 1);
    for (int row = 1; row <= Arena_Rows; ++row)
        for (int col = 1; col <= Arena_Cols; ++col)
            if (Is_One_Of(edge(col, row), Dir::Down, Dir::RightDown, Dir::DownLeft))
                Remove_Tile(g, col + 1, row);
    for (int row = 1; row <= Arena_Rows; ++row)
        for (int col = Arena_Cols; col >= 1; --col)
            if (Is_One_Of(edge(col, row), Dir::Up, Dir::LeftUp, Dir::UpRight))
                Remove_Tile(g, col - 1, row);
}

// Cells that were cut away keep their old Enimy_Edge_Grid and Occupy_Grid entries.
void Settle_New_Edge(Arena_State& a) {
    For_Each_Cell([&](int col, int row) {
        a.Way_Grid.set(col, row, No_Code);
        a.Pilot_Edge_Grid.set(col, row, No_Code);
        int32_t code = a.Edge_Grid(col, row);
        if (code == No_Code) return;
        a.Enimy_Edge_Grid.set(col, row, code);
        a.Pilot_Edge_Grid.set(col, row, code);
        a.Occupy_Grid.set(col, row, Occupy_Edge);
        Set_Floor(a.Floor_Grid, col, row, Floor::Edge);
    });
}

// A lit fuse burns out with the trail it was following.
void Burn_Out_Fuses(Hazard_State& h) {
    for (int f = 1; f <= Fuse_Count; ++f)
        if (h.Fuse[f].Fuse_On) h.Fuse[f].Fuse_Done = true;
}

int32_t Count_Claimed(const Floor_Grid_Type& floor) {
    int32_t claimed = 0;
    For_Each_Cell([&](int col, int row) {
        if (Floor_At(floor, col, row) == Floor::Gone) ++claimed;
    });
    return claimed;
}

// The corner that leads from the edge into the trail at the start cell.
Dir Start_Corner(Dir dir, Dir edge, Dir way) {
    switch (dir) {
        case Dir::Right:
            if (edge == Dir::Up || edge == Dir::UpLeft) return Dir::UpRight;
            if (edge == Dir::RightUp) return Dir::Right;
            break;
        case Dir::Left:
            if (edge == Dir::Down || edge == Dir::DownRight) return Dir::DownLeft;
            if (edge == Dir::LeftDown) return Dir::Left;
            break;
        case Dir::Up:
            if (edge == Dir::Left || edge == Dir::LeftDown) return Dir::LeftUp;
            if (edge == Dir::UpLeft) return Dir::Up;
            break;
        case Dir::Down:
            if (edge == Dir::Right || edge == Dir::RightUp) return Dir::RightDown;
            if (edge == Dir::DownRight) return Dir::Down;
            break;
        default:
            break;
    }
    return way;
}

// The corner that leads from the trail back into the edge at the end cell.
Dir End_Corner(Dir dir, Dir edge, Dir way) {
    switch (dir) {
        case Dir::Right:
            if (edge == Dir::Down || edge == Dir::LeftDown) return Dir::RightDown;
            if (edge == Dir::DownRight) return Dir::Right;
            break;
        case Dir::Left:
            if (edge == Dir::Up || edge == Dir::RightUp) return Dir::LeftUp;
            if (edge == Dir::UpLeft) return Dir::Left;
            break;
        case Dir::Up:
            if (edge == Dir::Right || edge == Dir::DownRight) return Dir::UpRight;
            if (edge == Dir::RightUp) return Dir::Up;
            break;
        case Dir::Down:
            if (edge == Dir::Left || edge == Dir::UpLeft) return Dir::DownLeft;
            if (edge == Dir::LeftDown) return Dir::Down;
            break;
        default:
            break;
    }
    return way;
}

}  // namespace

void Reset_Arena(Game& g) {
    Arena_State& a = g.w.arena;
    a.Edge_Grid.fill(No_Code);
    a.Blocker_Grid.fill(No_Code);
    a.Point_Grid.fill(No_Code);
    a.Way_Grid.fill(No_Code);
    a.Trace_Grid.fill(No_Code);
    a.Trace_Grid_1.fill(No_Code);
    a.Trace_Grid_2.fill(No_Code);
    g.w.game.Fliese_Claimed = 0;
    Lay_Edge_Loop(a);
    Lay_Full_Floor(a);
    Copy_Edge_To_Runners(a);
}

void Show_Fliese(Game& g) {
    const Arena_State& a = g.w.arena;
    For_Each_Cell([&](int col, int row) {
        int x = Cell_X(col), y = Cell_Y(row);
        int edge = Edge_Image(Dir_At(a.Edge_Grid, col, row));
        if (edge >= 0)
            g.m.Draw_Image(Img1_Id{edge}, x, y);
        else if (Floor_At(a.Floor_Grid, col, row) == Floor::Tile)
            g.m.Draw_Image(Img1::Kachel, x, y);
        if (a.Point_Grid(col, row) == Point_Mark) g.m.Draw_Image(Img1::Way_Point, x + 3, y + 3);
    });
}

void Fliese_Mathe(Game& g) {
    Arena_State& a = g.w.arena;
    Prepare_Cut_Work(a);
    Join_Way_Ends(g);
    Lay_Way_Over_Edge(a);
    a.Trace_Length_1 = Trace_From_Start(g);
    Take_Trace(a, a.Trace_Grid_1, a.Floor_Work_1);
    Restore_Edge_Work(a);
    Reverse_Way(g);
    Swap_Way_Ends(a);
    Join_Way_Ends(g);
    Lay_Way_Over_Edge(a);
    a.Trace_Length_2 = Trace_From_Start(g);
    Take_Trace(a, a.Trace_Grid_2, a.Floor_Work_2);
    Keep_Longer_Loop(a);
    Cut_Outside_Loop(g);
    Spread_Removal(g);
    Settle_New_Edge(a);
    Burn_Out_Fuses(g.w.hazards);
    g.w.game.Fliese_Claimed = Count_Claimed(a.Floor_Grid);
}

void Join_Way_Ends(Game& g) {
    Arena_State& a = g.w.arena;
    int sc = a.Way_Start_Col, sr = a.Way_Start_Row;
    Set_Dir(a.Way_Grid, sc, sr,
            Start_Corner(a.Way_Start_Dir, Dir_At(a.Edge_Work, sc, sr), Dir_At(a.Way_Grid, sc, sr)));
    int ec = a.Way_End_Col, er = a.Way_End_Row;
    Set_Dir(a.Way_Grid, ec, er,
            End_Corner(a.Way_End_Dir, Dir_At(a.Edge_Work, ec, er), Dir_At(a.Way_Grid, ec, er)));
}

// A gap in the codes leaves the trace standing still until it gives up after 864 steps.
void Trace_Edge(Game& g) {
    Arena_State& a = g.w.arena;
    a.Trace_Steps = 1;
    for (;;) {
        int32_t code = a.Edge_Work(a.Trace_Col, a.Trace_Row);
        a.Trace_Grid.set(a.Trace_Col, a.Trace_Row, code);
        int dcol, drow;
        Leave_Step(Dir_Of_Code(code), dcol, drow);
        a.Trace_Col += dcol;
        a.Trace_Row += drow;
        a.Trace_Steps += 1;
        if (a.Trace_Steps > Arena_Cells) return;
        if (a.Trace_Col == a.Trace_Target_Col && a.Trace_Row == a.Trace_Target_Row) return;
    }
}

void Reverse_Way(Game& g) {
    Arena_State& a = g.w.arena;
    For_Each_Cell([&](int col, int row) {
        const Dir code = Dir_At(a.Way_Grid, col, row);
        if (Is_Code(code)) Set_Dir(a.Way_Grid, col, row, Reverse_Code(code));
    });
}

// One pass only: the removal spreads towards higher rows and columns, and every gone
// neighbour of a tile scores a point of its own.
void Spread_Removal(Game& g) {
    Floor_Grid_Type& floor = g.w.arena.Floor_Grid;
    For_Each_Cell([&](int col, int row) {
        if (Floor_At(floor, col, row) != Floor::Tile) return;
        const int dcol[4] = {0, 0, -1, 1};
        const int drow[4] = {-1, 1, 0, 0};
        for (int n = 0; n < 4; ++n) {
            if (Floor_At(floor, col + dcol[n], row + drow[n]) != Floor::Gone) continue;
            Set_Floor(floor, col, row, Floor::Gone);
            g.w.game.Score += 1;
        }
    });
}

void Kill_All_Point_And_Way(Game& g) {
    g.w.arena.Point_Grid.fill(No_Code);
    g.w.arena.Way_Grid.fill(No_Code);
}

}  // namespace zarvo
