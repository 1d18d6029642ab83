#include <algorithm>

#include "pilots/pilot_look.h"
#include "pilots/pilots.h"
#include "state/edge_steps.h"

namespace zarvo {

namespace {

inline constexpr int32_t Max_Height = 16;
inline constexpr int32_t Top_Speed = 8;
// Cell moves at one speed before the pilot speeds up.
inline constexpr int32_t Cells_Per_Speed = 4;
// Bounces in a row without a move that corner a pilot.
inline constexpr int32_t Cornered_Bounces = 4;

bool Flying_Up(const Pilot_Rec& p) {
    return p.Dir == Pilot_Dir::Up_Right || p.Dir == Pilot_Dir::Up_Left;
}

// The centre cell of the 3 x 3 block decides over holes, bombs and bounces.
Floor Floor_Under(const World& w, const Pilot_Rec& p) {
    return Floor_At(w.arena.Floor_Grid, p.Col + 1, p.Row + 1);
}

// A pilot climbs while a ground enemy is below the middle of its leading edge, else sinks.
void Set_Height(const World& w, Pilot_Rec& p) {
    const int row = Flying_Up(p) ? p.Row : p.Row + 2;
    if (w.arena.Occupy_Grid(p.Col + 1, row) == Occupy_Body)
        p.Height = std::min(p.Height + 1, Max_Height);
    else
        p.Height = std::max(p.Height - 1, 0);
}

void Turn_Pilot(Pilot_Rec& p) {
    if (p.Angle < p.Angle_Target) p.Angle += 4;
    if (p.Angle > p.Angle_Target) p.Angle -= 4;
}

// The last bomb is out until every one of its flames has burnt out.
bool Bomb_Out(const Pilot_Rec& p) {
    return p.Bombing || p.Any_Flame_Ready();
}

void Drop_Bomb(Pilot_Rec& p) {
    for (int f = 1; f <= Pilot_Flame_Count; ++f) p.Flames[f].Flame_Ready = true;
    p.Bombing = true;
    p.Bomb_Count = 0;
    p.Bomb_Tick = 0;
    p.Bomb_Burst = false;
    p.Bomb_X = p.X + 6;
    p.Bomb_Y = p.Y + 6;
    p.Bomb_Col = p.Col + 1;
    p.Bomb_Row = p.Row + 1;
}

// Only a pilot flying low over plain floor counts towards its next bomb.
void Count_Bomb(const World& w, Pilot_Rec& p) {
    if (Bomb_Out(p) || Floor_Under(w, p) != Floor::Tile || p.Height != 0) return;
    p.Bomb_Count += 1;
    if (p.Bomb_Count >= p.Bomb_Interval) Drop_Bomb(p);
}

// 2 pixels in 8 sub-steps, then 4 in 4, then 8 in 2: a cell is always 16 pixels.
void Speed_Up(Pilot_Rec& p) {
    p.Cell_Count += 1;
    if (p.Cell_Count <= Cells_Per_Speed) return;
    p.Cell_Count = 0;
    if (p.Speed < Top_Speed) {
        p.Speed *= 2;
        p.Steps /= 2;
    }
}

// Turns the pilot where the edge sends it back; a turn costs the pilot its speed.
bool Bounce(const World& w, Pilot_Rec& p) {
    const Pilot_Dir dir =
        Diagonal_Bounce(p.Dir, Dir_At(w.arena.Pilot_Edge_Grid, p.Col + 1, p.Row + 1));
    if (dir == Pilot_Dir::None) return false;
    p.Dir = dir;
    p.Angle_Target = Pilot_Dir_Angle(dir);
    p.Speed = 2;
    p.Steps = 8;
    p.Bounces += 1;
    return true;
}

void Move_Pilot(Game& g, Pilot_Rec& p) {
    p.Bounces = 0;
    p.Step += 1;
    p.X += p.Speed * Pilot_Dir_Col(p.Dir);
    p.Y += p.Speed * Pilot_Dir_Row(p.Dir);
    if (p.Step == p.Steps) {
        p.Step = 0;
        p.Col += Pilot_Dir_Col(p.Dir);
        p.Row += Pilot_Dir_Row(p.Dir);
    }
    Player_State& ego = g.w.player;
    if (p.Col == ego.Ego_Col && p.Row == ego.Ego_Row) {
        g.m.Play_Wave(Wave::Explose_5);
        ego.Ego_Hit = true;
    }
}

}  // namespace

void Pilot_Dispatch(Game& g) {
    for (int slot = 1; slot <= Roster_Slots; ++slot)
        if (g.w.level.Pilot_Type[slot] == 1) Pilot_Fly(g, slot);
}

void Pilot_Fly(Game& g, int slot) {
    Pilot_Rec& p = g.w.pilots.Pilot_Table[slot];
    if (!p.Active) return;
    if (Floor_Under(g.w, p) == Floor::Gone) {
        p.Dying = true;
        return;
    }
    Set_Height(g.w, p);
    Turn_Pilot(p);
    Show_Pilot(g, p);
    if (p.Step == 0 || p.Step == p.Steps) {
        p.Step = 0;
        if (p.Bounces == Cornered_Bounces) {
            p.Active = false;
            p.Dying = true;
            p.Death_Tick = 0;
            return;
        }
        Count_Bomb(g.w, p);
        Speed_Up(p);
        if (Bounce(g.w, p)) return;
    }
    Move_Pilot(g, p);
}

}  // namespace zarvo
