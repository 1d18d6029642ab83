// The player's part of the state dump: the figure's step, its saved place and its sequences
// (its place and cut stand at the top of the dump), and the star-shot tables.
#include "player/player_dump.h"

namespace zarvo {

namespace {

void Dump_Figure(const Player_State& p, Json_Writer& j) {
    j.Begin_Object("player")
        .Field("Ego_Step", p.Ego_Step)
        .Field("Ego_Step_Dir", p.Ego_Step_Dir)
        .Field("Ego_Save_X", p.Ego_Save_X)
        .Field("Ego_Save_Y", p.Ego_Save_Y)
        .Field("Ego_Save_Col", p.Ego_Save_Col)
        .Field("Ego_Save_Row", p.Ego_Save_Row)
        .Field("Bump_Flag", p.Bump_Flag)
        .Field("Ego_Anim", p.Ego_Anim)
        .Field("Ego_Hit", p.Ego_Hit)
        .Field("Ego_Implose_On", p.Ego_Implose_On)
        .Field("Ego_Implose_Tick", p.Ego_Implose_Tick)
        .Field("Ego_Explose_On", p.Ego_Explose_On)
        .Field("Ego_Explose_Tick", p.Ego_Explose_Tick)
        .Field("Cross_X", p.Cross_X)
        .Field("Cross_Y", p.Cross_Y)
        .Field("Cross_X_Up", p.Cross_X_Up)
        .Field("Cross_Y_Up", p.Cross_Y_Up)
        .Field("Ego_Seq_Width", p.Ego_Seq_Width)
        .Field("Ego_Seq_Height", p.Ego_Seq_Height)
        .Field("Ego_Seq_Angle", p.Ego_Seq_Angle)
        .End_Object();
}

// One field of the rockets as four rows (directions 1..4) of the 24 volley slots.
template <typename T>
void Shot_Table(Json_Writer& j, const char* name, const Shot_State& t, T Star_Shot::*field) {
    j.Begin_Array(name);
    for (int d = 1; d <= 4; ++d) j.Column(nullptr, t.Shot[d], field, 1, Volley_Slots);
    j.End_Array();
}

void Dump_Shots(const Shot_State& t, Json_Writer& j) {
    j.Begin_Object("shots")
        .Field("Star_Angle", t.Star_Angle)
        .Array("Volley_Used", t.Volley_Used, 1, Volley_Slots);
    Shot_Table(j, "Shot_Active", t, &Star_Shot::Shot_Active);
    Shot_Table(j, "Shot_Dir", t, &Star_Shot::Shot_Dir);
    Shot_Table(j, "Shot_X", t, &Star_Shot::Shot_X);
    Shot_Table(j, "Shot_Y", t, &Star_Shot::Shot_Y);
    Shot_Table(j, "Shot_Col", t, &Star_Shot::Shot_Col);
    Shot_Table(j, "Shot_Row", t, &Star_Shot::Shot_Row);
    Shot_Table(j, "Shot_Exploding", t, &Star_Shot::Shot_Exploding);
    Shot_Table(j, "Shot_Ex_Tick", t, &Star_Shot::Shot_Ex_Tick);
    Shot_Table(j, "Shot_Ex_X", t, &Star_Shot::Shot_Ex_X);
    Shot_Table(j, "Shot_Ex_Y", t, &Star_Shot::Shot_Ex_Y);
    Shot_Table(j, "Shot_Ex_Frame", t, &Star_Shot::Shot_Ex_Frame);
    j.End_Object();
}

}  // namespace

void Dump_Player(const World& w, Json_Writer& j) {
    Dump_Figure(w.player, j);
    Dump_Shots(w.shots, j);
}

}  // namespace zarvo
