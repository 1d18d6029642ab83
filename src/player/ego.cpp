// The figure's input and movement step and its part of the level start.
#include "player/ego.h"

#include "arena/arena.h"
#include "player/star_shot.h"
#include "player/step_rules.h"

namespace zarvo {

namespace {

bool Is_Straight(Dir dir) {
    return dir == Dir::Down || dir == Dir::Left || dir == Dir::Right || dir == Dir::Up;
}

// The second half of a step: the figure arrives on the next cell. While cutting, a cell the
// trail has not passed yet gets its code and a dot, and every arrival sounds a step.
void Finish_Step(Game& g) {
    Player_State& p = g.w.player;
    Arena_State& a = g.w.arena;
    p.Ego_X += Step_DX(p.Ego_Step_Dir, 8);
    p.Ego_Y += Step_DY(p.Ego_Step_Dir, 8);
    p.Ego_Step += 1;
    if (p.Ego_Step < 2) return;
    p.Ego_Step = 0;
    p.Ego_Col += Step_DX(p.Ego_Step_Dir, 1);
    p.Ego_Row += Step_DY(p.Ego_Step_Dir, 1);
    if (!p.Ego_Cutting) return;
    if (a.Way_Grid(p.Ego_Col, p.Ego_Row) == No_Code) {
        Set_Dir(a.Way_Grid, p.Ego_Col, p.Ego_Row, p.Ego_Step_Dir);
        a.Point_Grid.set(p.Ego_Col, p.Ego_Row, Point_Mark);
    }
    g.m.Play_Wave(Wave::Step);
}

void Save_Position(Player_State& p) {
    p.Ego_Save_X = p.Ego_X;
    p.Ego_Save_Y = p.Ego_Y;
    p.Ego_Save_Col = p.Ego_Col;
    p.Ego_Save_Row = p.Ego_Row;
}

// The figure stands on the edge again: a cut back to its own start cell claims nothing.
void End_Cut(Game& g) {
    Player_State& p = g.w.player;
    Arena_State& a = g.w.arena;
    p.Ego_Cutting = false;
    a.Way_End_Col = p.Ego_Col;
    a.Way_End_Row = p.Ego_Row;
    if (p.Ego_Col == a.Way_Start_Col && p.Ego_Row == a.Way_Start_Row) {
        Kill_All_Point_And_Way(g);
        return;
    }
    a.Way_End_Dir = p.Ego_Step_Dir;
    Fliese_Mathe(g);
}

// Only one direction is ever taken: right before left before up before down.
const Step_Rule* Chosen_Rule(const Game_State& s) {
    if (s.Input_Right) return &Step_Right;
    if (s.Input_Left) return &Step_Left;
    if (s.Input_Up) return &Step_Up;
    if (s.Input_Down) return &Step_Down;
    return nullptr;
}

void Start_Cut(Game& g, Dir dir) {
    Player_State& p = g.w.player;
    Arena_State& a = g.w.arena;
    p.Ego_Cutting = true;
    a.Way_Start_Col = p.Ego_Col;
    a.Way_Start_Row = p.Ego_Row;
    Save_Position(p);
    a.Way_Start_Dir = dir;
}

// Answers false when the step is refused; a refusal changes only Bump_Flag or Ego_Dir.
bool Step_Allowed(Game& g, const Step_Rule& rule) {
    Player_State& p = g.w.player;
    const Arena_State& a = g.w.arena;
    const int tc = p.Ego_Col + rule.dcol, tr = p.Ego_Row + rule.drow;
    if (a.Occupy_Grid(tc, tr) == Occupy_Body || a.Blocker_Grid(tc, tr) == Blocker_Mark) {
        p.Bump_Flag = true;
        return false;
    }
    if (Holds(rule.Trail_Refused, a.Way_Grid(tc, tr))) return false;
    if (Floor_At(a.Floor_Grid, tc, tr) == Floor::Gone) {
        p.Ego_Dir = Dir::None;
        return false;
    }
    if (p.Ego_Cutting) return true;
    if (Holds(rule.Edge_Refused, a.Edge_Grid(tc, tr))) {
        p.Bump_Flag = true;
        return false;
    }
    if (Floor_At(a.Floor_Grid, tc, tr) == Floor::Tile || Holds(rule.Cut_Start, a.Edge_Grid(tc, tr)))
        Start_Cut(g, rule.Dir);
    return true;
}

void Apply_Corner(Arena_State& a, int col, int row, const Corner_Check& c) {
    if (Holds(c.From, a.Way_Grid(col + c.dcol, row + c.drow)))
        Set_Dir(a.Way_Grid, col, row, c.Code);
}

// Walking back along the trail erases it; walking on lays it, turning corners where the trail
// bends.
void Mark_Left_Cell(Game& g, const Step_Rule& rule) {
    const Player_State& p = g.w.player;
    Arena_State& a = g.w.arena;
    const int col = p.Ego_Col, row = p.Ego_Row;
    if (Holds(rule.Walk_Back, a.Way_Grid(col, row))) {
        a.Way_Grid.set(col, row, No_Code);
        a.Point_Grid.set(col, row, No_Code);
        return;
    }
    if (!p.Ego_Cutting) return;
    Set_Dir(a.Way_Grid, col, row, rule.Dir);
    a.Point_Grid.set(col, row, Point_Mark);
    Apply_Corner(a, col, row, rule.First_Corner);
    Apply_Corner(a, col, row, rule.Then_Corner);
}

void Try_Step(Game& g, const Step_Rule& rule) {
    Player_State& p = g.w.player;
    if (!Step_Allowed(g, rule)) return;
    p.Ego_Step = 1;
    p.Ego_X += Step_DX(rule.Dir, 8);
    p.Ego_Y += Step_DY(rule.Dir, 8);
    p.Ego_Dir = rule.Dir;
    Mark_Left_Cell(g, rule);
    p.Ego_Step_Dir = rule.Dir;
}

void Place_At_Start(Player_State& p) {
    p.Ego_X = p.Ego_Save_X = 573;
    p.Ego_Y = p.Ego_Save_Y = 179;
    p.Ego_Col = p.Ego_Save_Col = 36;
    p.Ego_Row = p.Ego_Save_Row = 12;
}

}  // namespace

void Call_Ego_Input(Game& g) {
    Player_State& p = g.w.player;
    const Game_State& s = g.w.game;
    if (s.Game_Halted) return;
    if (p.Ego_Step == 1) {
        Finish_Step(g);
        return;
    }
    if (!p.Ego_Cutting) Save_Position(p);
    if (p.Ego_Cutting && Is_Straight(p.Ego_Step_Dir) &&
        g.w.arena.Occupy_Grid(p.Ego_Col, p.Ego_Row) == Occupy_Edge) {
        End_Cut(g);
        return;
    }
    const Step_Rule* rule = Chosen_Rule(s);
    if (!rule) {
        p.Ego_Dir = Dir::None;
        return;
    }
    Try_Step(g, *rule);
}

void Ego_Start_New_Level(Game& g) {
    Player_State& p = g.w.player;
    Game_State& s = g.w.game;
    s.Game_Halted = true;
    s.Mouse_Clicked = false;
    s.CodeWord_1 = {};
    s.CodeWord_2 = {};
    Place_At_Start(p);
    g.w.shots.Star_Angle = 0;
    p.Ego_Hit = false;
    p.Ego_Step = 0;
    p.Ego_Cutting = false;
    p.Ego_Implose_On = true;
    p.Ego_Implose_Tick = 0;
    p.Ego_Explose_On = false;
    p.Ego_Explose_Tick = 0;
    p.Ego_Dir = Dir::None;
    s.Fliese_Claimed = 0;
    Clear_Star_Shots(g);
    Reset_Arena(g);
}

}  // namespace zarvo
