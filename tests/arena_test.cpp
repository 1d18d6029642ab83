// The tile arena: the fresh arena and its drawing, and the closing of cuts laid by the figure.
#include "arena/arena.h"

#include <gtest/gtest.h>

#include "support/draw_log.h"
#include "support/walker.h"

namespace zarvo::test {
namespace {

int Count_Floor(const Arena_State& a, Floor value, int col0, int col1, int row0, int row1) {
    int n = 0;
    for (int col = col0; col <= col1; ++col)
        for (int row = row0; row <= row1; ++row) n += Floor_At(a.Floor_Grid, col, row) == value;
    return n;
}

bool Trail_Gone(const Arena_State& a) {
    for (int col = 1; col <= Arena_Cols; ++col)
        for (int row = 1; row <= Arena_Rows; ++row)
            if (a.Way_Grid(col, row) != No_Code || a.Point_Grid(col, row) != No_Code) return false;
    return true;
}

TEST(Arena, FreshArenaHasFullFloorAndRunnersOnTheEdge) {
    Test_Game t(1, false);
    Fresh_Arena(t);
    const Arena_State& a = t.w().arena;
    EXPECT_EQ(Count_Floor(a, Floor::Tile, 2, 35, 2, 23), 34 * 22);
    EXPECT_EQ(Count_Floor(a, Floor::Edge, 1, 36, 1, 24), 116);
    EXPECT_EQ(Count_Floor(a, Floor::Gone, 0, 37, 0, 25), 38 * 26 - 864);
    EXPECT_EQ(a.Occupy_Grid(36, 12), Occupy_Edge);
    EXPECT_EQ(a.Occupy_Grid(20, 7), No_Code);
    EXPECT_EQ(Dir_At(a.Enimy_Edge_Grid, 1, 1), Dir::UpRight);
    EXPECT_EQ(Dir_At(a.Pilot_Edge_Grid, 36, 24), Dir::DownLeft);
}

TEST(Arena, ShowFlieseDrawsTilesEdgePiecesAndDots) {
    Test_Game t(1, false);
    Draw_Log_Media media;
    Game g{t.w(), media};
    Fresh_Arena(t);
    t.w().arena.Point_Grid.set(5, 6, Point_Mark);
    Show_Fliese(g);
    int tiles = 0, straight = 0, corners = 0, dots = 0;
    for (const Draw_Call& d : media.draws) {
        ASSERT_EQ(d.list, Image_List::List_1);
        if (d.index == Img1::Kachel) ++tiles;
        if (d.index >= Img1::Kachel_Right && d.index <= Img1::Kachel_Down) ++straight;
        if ((d.index >= Img1::Kachel_DownLeft && d.index <= Img1::Kachel_UpRight) ||
            (d.index >= Img1::Kachel_RightUp && d.index <= Img1::Kachel_UpLeft))
            ++corners;
        if (d.index == Img1::Way_Point) {
            ++dots;
            EXPECT_EQ(d.at(), XY(Cell_X(5) + 3, Cell_Y(6) + 3));
        }
    }
    EXPECT_EQ(tiles, 748);
    EXPECT_EQ(straight, 112);
    EXPECT_EQ(corners, 4);
    EXPECT_EQ(dots, 1);
    // Column by column, top to bottom: the first piece is cell (1,1), the last cell (36,24).
    EXPECT_EQ(media.draws.front().index, Img1::Kachel_UpRight);
    EXPECT_EQ(media.draws.front().at(), XY(20, 36));
    EXPECT_EQ(media.draws.back().index, Img1::Kachel_DownLeft);
    EXPECT_EQ(media.draws.back().at(), XY(580, 404));
}

// A straight cut down column 10: the right loop (98 cells) is longer than the left (64).
TEST(Arena, StraightCutKeepsTheLongerLoop) {
    Test_Game t(1, false);
    Fresh_Arena(t);
    Place_Figure(t, 10, 1);
    ASSERT_TRUE(Walk(t, "23D"));
    const Arena_State& a = t.w().arena;
    EXPECT_EQ(Count_Floor(a, Floor::Gone, 1, 9, 1, 24), 9 * 24);
    EXPECT_EQ(Count_Floor(a, Floor::Tile, 11, 35, 2, 23), 25 * 22);
    EXPECT_EQ(Dir_At(a.Edge_Grid, 10, 1), Dir::UpRight);
    for (int row = 2; row <= 23; ++row) EXPECT_EQ(Dir_At(a.Edge_Grid, 10, row), Dir::Up) << row;
    EXPECT_EQ(Dir_At(a.Edge_Grid, 10, 24), Dir::LeftUp);
    EXPECT_EQ(a.Edge_Grid(5, 1), No_Code);
    EXPECT_EQ(a.Edge_Grid(1, 12), No_Code);
    EXPECT_EQ(Floor_At(a.Floor_Grid, 10, 12), Floor::Edge);
    EXPECT_EQ(a.Occupy_Grid(10, 12), Occupy_Edge);
    EXPECT_EQ(Dir_At(a.Enimy_Edge_Grid, 10, 12), Dir::Up);
    EXPECT_EQ(Dir_At(a.Pilot_Edge_Grid, 10, 12), Dir::Up);
    // Cells cut away keep their runner and occupy marks; only the pilots' copy is wiped.
    EXPECT_EQ(Dir_At(a.Enimy_Edge_Grid, 1, 12), Dir::Up);
    EXPECT_EQ(a.Occupy_Grid(1, 12), Occupy_Edge);
    EXPECT_EQ(a.Pilot_Edge_Grid(1, 12), No_Code);
    EXPECT_EQ(a.Trace_Length_1, 65);
    EXPECT_EQ(a.Trace_Length_2, 99);
    // The ends stay swapped and reversed after the cut.
    EXPECT_EQ(XY(a.Way_Start_Col, a.Way_Start_Row), XY(10, 24));
    EXPECT_EQ(a.Way_Start_Dir, Dir::Up);
    EXPECT_EQ(a.Way_End_Row, 1);
    EXPECT_EQ(a.Way_End_Dir, Dir::Up);
    EXPECT_TRUE(Trail_Gone(a));
    EXPECT_EQ(t.s().Fliese_Claimed, 216);
    // 24 tiles beside the new edge, then every gone neighbour of the spreading pass.
    EXPECT_EQ(t.s().Score, 440);
}

// Trail (18,1) down to (18,12), right, down to (19,24): both loops have 82 cells.
TEST(Arena, EqualLoopsKeepTheFirstTrace) {
    Test_Game t(1, false);
    Fresh_Arena(t);
    Place_Figure(t, 18, 1);
    ASSERT_TRUE(Walk(t, "11DR12D"));
    const Arena_State& a = t.w().arena;
    EXPECT_EQ(a.Trace_Length_1, a.Trace_Length_2);
    EXPECT_EQ(Count_Floor(a, Floor::Gone, 20, 36, 1, 24), 17 * 24);
    EXPECT_EQ(Count_Floor(a, Floor::Gone, 19, 19, 1, 11), 11);
    EXPECT_EQ(Count_Floor(a, Floor::Tile, 2, 17, 2, 23), 16 * 22);
    EXPECT_EQ(t.s().Fliese_Claimed, 419);
    EXPECT_EQ(Dir_At(a.Edge_Grid, 18, 1), Dir::RightDown);
    EXPECT_EQ(Dir_At(a.Edge_Grid, 18, 5), Dir::Down);
    EXPECT_EQ(Dir_At(a.Edge_Grid, 18, 12), Dir::DownRight);
    EXPECT_EQ(Dir_At(a.Edge_Grid, 19, 12), Dir::RightDown);
    EXPECT_EQ(Dir_At(a.Edge_Grid, 19, 20), Dir::Down);
    EXPECT_EQ(Dir_At(a.Edge_Grid, 19, 24), Dir::DownLeft);

    // The same cut walked the other way keeps the other side.
    Test_Game back(1, false);
    Fresh_Arena(back);
    Place_Figure(back, 19, 24);
    ASSERT_TRUE(Walk(back, "12UL11U"));
    const Arena_State& b = back.w().arena;
    EXPECT_EQ(Count_Floor(b, Floor::Gone, 1, 17, 1, 24), 17 * 24);
    EXPECT_EQ(Count_Floor(b, Floor::Gone, 18, 18, 13, 24), 12);
    EXPECT_EQ(Count_Floor(b, Floor::Tile, 20, 35, 2, 23), 16 * 22);
    EXPECT_EQ(Dir_At(b.Edge_Grid, 19, 24), Dir::LeftUp);
    EXPECT_EQ(Dir_At(b.Edge_Grid, 18, 1), Dir::UpRight);
}

// Down from (30,1) to row 5, then right to the right edge: the top-right corner goes.
TEST(Arena, LShapedCutRemovesTheCorner) {
    Test_Game t(1, false);
    Fresh_Arena(t);
    Place_Figure(t, 30, 1);
    ASSERT_TRUE(Walk(t, "4D6R"));
    const Arena_State& a = t.w().arena;
    EXPECT_EQ(Count_Floor(a, Floor::Gone, 31, 36, 1, 4), 24);
    EXPECT_EQ(t.s().Fliese_Claimed, 24);
    EXPECT_EQ(Dir_At(a.Edge_Grid, 30, 1), Dir::RightDown);
    EXPECT_EQ(Dir_At(a.Edge_Grid, 30, 3), Dir::Down);
    EXPECT_EQ(Dir_At(a.Edge_Grid, 30, 5), Dir::DownRight);
    EXPECT_EQ(Dir_At(a.Edge_Grid, 33, 5), Dir::Right);
    EXPECT_EQ(Dir_At(a.Edge_Grid, 36, 5), Dir::RightDown);
    EXPECT_EQ(Dir_At(a.Edge_Grid, 36, 6), Dir::Down);
    EXPECT_EQ(Floor_At(a.Floor_Grid, 31, 6), Floor::Tile);
    // 9 tiles beside the new edge and 38 gone neighbours in the spreading pass.
    EXPECT_EQ(t.s().Score, 47);
}

// Up from the bottom at column 10, across row 10, down column 20: the inside of the U goes.
TEST(Arena, UShapedCutRemovesItsInside) {
    Test_Game t(1, false);
    Fresh_Arena(t);
    Place_Figure(t, 10, 24);
    ASSERT_TRUE(Walk(t, "14U10R14D"));
    const Arena_State& a = t.w().arena;
    EXPECT_EQ(Count_Floor(a, Floor::Gone, 11, 19, 11, 24), 9 * 14);
    EXPECT_EQ(t.s().Fliese_Claimed, 126);
    EXPECT_EQ(Dir_At(a.Edge_Grid, 20, 24), Dir::LeftUp);
    EXPECT_EQ(Dir_At(a.Edge_Grid, 20, 15), Dir::Up);
    EXPECT_EQ(Dir_At(a.Edge_Grid, 20, 10), Dir::UpLeft);
    EXPECT_EQ(Dir_At(a.Edge_Grid, 15, 10), Dir::Left);
    EXPECT_EQ(Dir_At(a.Edge_Grid, 10, 10), Dir::LeftDown);
    EXPECT_EQ(Dir_At(a.Edge_Grid, 10, 15), Dir::Down);
    EXPECT_EQ(Dir_At(a.Edge_Grid, 10, 24), Dir::DownLeft);
    EXPECT_EQ(a.Edge_Grid(15, 24), No_Code);
    EXPECT_EQ(Dir_At(a.Edge_Grid, 25, 24), Dir::Left);
    EXPECT_EQ(t.s().Score, 237);
}

// The pass looks at a tile once: a tile whose neighbours below and to the right go only later
// in the same pass stays a tile.
TEST(Arena, SingleSpreadingPassLeavesATileStanding) {
    Test_Game t(1, false);
    Fresh_Arena(t);
    Floor_Grid_Type& floor = t.w().arena.Floor_Grid;
    for (int col = 1; col <= Arena_Cols; ++col)
        for (int row = 1; row <= Arena_Rows; ++row) Set_Floor(floor, col, row, Floor::Edge);
    for (int col = 5; col <= 7; ++col)
        for (int row = 5; row <= 7; ++row) Set_Floor(floor, col, row, Floor::Tile);
    Set_Floor(floor, 7, 7, Floor::Gone);
    Spread_Removal(t.g);
    EXPECT_EQ(Floor_At(floor, 6, 7), Floor::Gone);
    EXPECT_EQ(Floor_At(floor, 7, 6), Floor::Gone);
    EXPECT_EQ(Floor_At(floor, 6, 6), Floor::Tile);
    EXPECT_EQ(Floor_At(floor, 5, 5), Floor::Tile);
    EXPECT_EQ(Floor_At(floor, 5, 7), Floor::Tile);
    EXPECT_EQ(t.s().Score, 2);

    // Every gone neighbour scores: (5,5) with three gone neighbours adds three points, then
    // (5,6) one, (5,7) two, (6,6) four and (7,5) two.
    Set_Floor(floor, 5, 4, Floor::Gone);
    Set_Floor(floor, 4, 5, Floor::Gone);
    Set_Floor(floor, 6, 5, Floor::Gone);
    Spread_Removal(t.g);
    EXPECT_EQ(Floor_At(floor, 5, 5), Floor::Gone);
    EXPECT_EQ(Floor_At(floor, 6, 6), Floor::Gone);
    EXPECT_EQ(t.s().Score, 2 + 3 + 1 + 2 + 4 + 2);
}

TEST(Arena, CutBurnsOutLitFuses) {
    Test_Game t(1, false);
    Fresh_Arena(t);
    t.w().hazards.Fuse[2].Fuse_On = true;
    Place_Figure(t, 30, 1);
    ASSERT_TRUE(Walk(t, "4D6R"));
    EXPECT_FALSE(t.w().hazards.Fuse[1].Fuse_Done);
    EXPECT_TRUE(t.w().hazards.Fuse[2].Fuse_Done);
    EXPECT_FALSE(t.w().hazards.Fuse[3].Fuse_Done);
}

// A trail that never reaches the edge again leaves a gap: the trace stands still and gives up
// after 864 steps instead of running off the arena.
TEST(Arena, BrokenTrailEndsTheTraceAt865) {
    Test_Game t(1, false);
    Fresh_Arena(t);
    Arena_State& a = t.w().arena;
    a.Edge_Work = a.Edge_Grid;
    Set_Dir(a.Edge_Work, 36, 12, Dir::Left);
    Set_Dir(a.Edge_Work, 35, 12, Dir::Left);
    a.Trace_Col = a.Trace_Target_Col = 36;
    a.Trace_Row = a.Trace_Target_Row = 12;
    Trace_Edge(t.g);
    EXPECT_EQ(a.Trace_Steps, 865);
    EXPECT_EQ(a.Trace_Col, 34);
    EXPECT_EQ(Dir_At(a.Trace_Grid, 35, 12), Dir::Left);

    // A code leading off the arena reads nothing beyond it.
    Set_Dir(a.Edge_Work, 36, 12, Dir::Right);
    a.Trace_Col = 36;
    Trace_Edge(t.g);
    EXPECT_EQ(a.Trace_Steps, 865);
    EXPECT_EQ(a.Trace_Col, 37);
}

}  // namespace
}  // namespace zarvo::test
