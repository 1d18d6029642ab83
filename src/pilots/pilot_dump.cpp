// The pilots' and monsters' part of the state dump: the pilot table with its bombs and flames,
// the monster table and the hatching timers.
#include "pilots/pilot_dump.h"

namespace zarvo {

namespace {

void Dump_Flame(const Pilot_Flame& f, Json_Writer& j) {
    j.Begin_Object();
    j.Field("Flame_Ready", f.Flame_Ready).Field("Flame_Flying", f.Flame_Flying);
    j.Field("Flame_Exploding", f.Flame_Exploding).Field("Flame_Tick", f.Flame_Tick);
    j.Field("Flame_Frame", f.Flame_Frame);
    j.Field("Flame_X", f.Flame_X).Field("Flame_Y", f.Flame_Y);
    j.Field("Flame_Col", f.Flame_Col).Field("Flame_Row", f.Flame_Row);
    j.End_Object();
}

void Dump_Bomb(const Pilot_Rec& p, Json_Writer& j) {
    j.Field("Bomb_Angle", p.Bomb_Angle).Field("Bomb_Tick", p.Bomb_Tick);
    j.Field("Bomb_Count", p.Bomb_Count);
    j.Field("Bomb_Interval", p.Bomb_Interval);
    j.Field("Bombing", p.Bombing).Field("Bomb_Burst", p.Bomb_Burst);
    j.Field("Bomb_X", p.Bomb_X).Field("Bomb_Y", p.Bomb_Y);
    j.Field("Bomb_Col", p.Bomb_Col).Field("Bomb_Row", p.Bomb_Row);
    j.Begin_Array("Flames");
    for (int f = 1; f <= Pilot_Flame_Count; ++f) Dump_Flame(p.Flames[f], j);
    j.End_Array();
}

void Dump_Pilot(const Pilot_Rec& p, Json_Writer& j) {
    j.Begin_Object();
    j.Field("Active", p.Active).Field("Exploding", p.Exploding).Field("Dying", p.Dying);
    j.Field("Death_Tick", p.Death_Tick).Field("Dir", p.Dir);
    j.Field("Bounces", p.Bounces);
    j.Field("X", p.X).Field("Y", p.Y);
    j.Field("Col", p.Col).Field("Row", p.Row);
    j.Field("Step", p.Step).Field("Steps", p.Steps);
    j.Field("Cell_Count", p.Cell_Count).Field("Speed", p.Speed);
    j.Field("Angle", p.Angle).Field("Angle_Target", p.Angle_Target);
    j.Field("Height", p.Height);
    j.Field("Debris_Angle", p.Debris_Angle).Field("Poff_Frame", p.Poff_Frame);
    j.Field("Debris_W", p.Debris_W).Field("Debris_H", p.Debris_H);
    j.Field("Cross_X", p.Cross_X).Field("Cross_Y", p.Cross_Y);
    j.Field("Kill_W", p.Kill_W).Field("Kill_H", p.Kill_H);
    j.Field("Kill_Angle", p.Kill_Angle);
    j.Field("Cross_Right", p.Cross_Right).Field("Cross_Down", p.Cross_Down);
    j.Array("Debris_X", p.Debris_X, 1, Pilot_Debris_Count);
    j.Array("Debris_Y", p.Debris_Y, 1, Pilot_Debris_Count);
    j.Field("Img_W", p.Img_W).Field("Img_H", p.Img_H);
    Dump_Bomb(p, j);
    j.End_Object();
}

void Dump_Monster(const Monster_Rec& m, Json_Writer& j) {
    j.Begin_Object();
    j.Field("Active", m.Active).Field("Exploding", m.Exploding);
    j.Field("Tick", m.Tick).Field("Dir", m.Dir);
    j.Field("Flying", m.Flying).Field("Fly_Count", m.Fly_Count);
    j.Field("X", m.X).Field("Y", m.Y);
    j.Field("Col", m.Col).Field("Row", m.Row);
    j.Field("Prev_Col", m.Prev_Col).Field("Prev_Row", m.Prev_Row);
    j.Field("Step", m.Step).Field("Anim", m.Anim);
    j.Field("Image_1", m.Image_1).Field("Image_2", m.Image_2).Field("Image_3", m.Image_3);
    j.Field("Explosion_Frame", m.Explosion_Frame);
    j.End_Object();
}

}  // namespace

void Dump_Pilots(const World& w, Json_Writer& j) {
    const Pilot_State& p = w.pilots;
    j.Begin_Object("pilots");
    j.Array("Pilot_Type", w.level.Pilot_Type, 1, Roster_Slots);
    j.Begin_Array("Pilot_Table");
    for (int slot = 1; slot <= Roster_Slots; ++slot) Dump_Pilot(p.Pilot_Table[slot], j);
    j.End_Array();
    j.Begin_Array("Monster_Table");
    for (int i = 1; i <= Monster_Count; ++i) Dump_Monster(p.Monster_Table[i], j);
    j.End_Array();
    j.Array("Hatch_Timer", p.Hatch_Timer, 1, Hatch_Spots);
    j.End_Object();
}

}  // namespace zarvo
