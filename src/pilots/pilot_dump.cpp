// The pilots' and monsters' part of the state dump: the pilot table with its bombs and flames,
// the monster table and the hatching timers.
#include "pilots/pilot_dump.h"

namespace zarvo {

namespace {

void Dump_Flame(const Pilot_Flame& f, Json_Writer& j) {
    j.begin_object();
    j.field("Flame_Ready", f.Flame_Ready).field("Flame_Flying", f.Flame_Flying);
    j.field("Flame_Exploding", f.Flame_Exploding).field("Flame_Tick", f.Flame_Tick);
    j.field("Flame_Frame", f.Flame_Frame);
    j.field("Flame_X", f.Flame_X).field("Flame_Y", f.Flame_Y);
    j.field("Flame_Col", f.Flame_Col).field("Flame_Row", f.Flame_Row);
    j.end_object();
}

void Dump_Bomb(const Pilot_Rec& p, Json_Writer& j) {
    j.field("Bomb_Angle", p.Bomb_Angle).field("Bomb_Tick", p.Bomb_Tick);
    j.field("Bomb_Count", p.Bomb_Count);
    j.field("Bomb_Interval", p.Bomb_Interval);
    j.field("Bombing", p.Bombing).field("Bomb_Burst", p.Bomb_Burst);
    j.field("Bomb_X", p.Bomb_X).field("Bomb_Y", p.Bomb_Y);
    j.field("Bomb_Col", p.Bomb_Col).field("Bomb_Row", p.Bomb_Row);
    j.begin_array("Flames");
    for (int f = 1; f <= Pilot_Flame_Count; ++f) Dump_Flame(p.Flames[f], j);
    j.end_array();
}

void Dump_Pilot(const Pilot_Rec& p, Json_Writer& j) {
    j.begin_object();
    j.field("Active", p.Active).field("Exploding", p.Exploding).field("Dying", p.Dying);
    j.field("Death_Tick", p.Death_Tick).field("Dir", p.Dir);
    j.field("Bounces", p.Bounces);
    j.field("X", p.X).field("Y", p.Y);
    j.field("Col", p.Col).field("Row", p.Row);
    j.field("Step", p.Step).field("Steps", p.Steps);
    j.field("Cell_Count", p.Cell_Count).field("Speed", p.Speed);
    j.field("Angle", p.Angle).field("Angle_Target", p.Angle_Target);
    j.field("Height", p.Height);
    j.field("Debris_Angle", p.Debris_Angle).field("Poff_Frame", p.Poff_Frame);
    j.field("Debris_W", p.Debris_W).field("Debris_H", p.Debris_H);
    j.field("Cross_X", p.Cross_X).field("Cross_Y", p.Cross_Y);
    j.field("Kill_W", p.Kill_W).field("Kill_H", p.Kill_H);
    j.field("Kill_Angle", p.Kill_Angle);
    j.field("Cross_Right", p.Cross_Right).field("Cross_Down", p.Cross_Down);
    j.array("Debris_X", p.Debris_X, 1, Pilot_Debris_Count);
    j.array("Debris_Y", p.Debris_Y, 1, Pilot_Debris_Count);
    j.field("Img_W", p.Img_W).field("Img_H", p.Img_H);
    Dump_Bomb(p, j);
    j.end_object();
}

void Dump_Monster(const Monster_Rec& m, Json_Writer& j) {
    j.begin_object();
    j.field("Active", m.Active).field("Exploding", m.Exploding);
    j.field("Tick", m.Tick).field("Dir", m.Dir);
    j.field("Flying", m.Flying).field("Fly_Count", m.Fly_Count);
    j.field("X", m.X).field("Y", m.Y);
    j.field("Col", m.Col).field("Row", m.Row);
    j.field("Prev_Col", m.Prev_Col).field("Prev_Row", m.Prev_Row);
    j.field("Step", m.Step).field("Anim", m.Anim);
    j.field("Image_1", m.Image_1).field("Image_2", m.Image_2).field("Image_3", m.Image_3);
    j.field("Explosion_Frame", m.Explosion_Frame);
    j.end_object();
}

}  // namespace

void Dump_Pilots(const World& w, Json_Writer& j) {
    const Pilot_State& p = w.pilots;
    j.begin_object("pilots");
    j.array("Pilot_Type", w.level.Pilot_Type, 1, Roster_Slots);
    j.begin_array("Pilot_Table");
    for (int slot = 1; slot <= Roster_Slots; ++slot) Dump_Pilot(p.Pilot_Table[slot], j);
    j.end_array();
    j.begin_array("Monster_Table");
    for (int i = 1; i <= Monster_Count; ++i) Dump_Monster(p.Monster_Table[i], j);
    j.end_array();
    j.array("Hatch_Timer", p.Hatch_Timer, 1, Hatch_Spots);
    j.end_object();
}

}  // namespace zarvo
