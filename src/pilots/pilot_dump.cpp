// The pilots' and monsters' part of the state dump: the pilot table with its bombs and flames,
// the monster table and the hatching timers.
#include "pilots/pilot_dump.h"

namespace zarvo {

namespace {

void Dump_Flame(const Pilot_Flame& f, Json_Writer& j) {
    j.begin_object();
    j.field("Flame_Ready", f.Flame_Ready).field("Flame_Flying", f.Flame_Flying);
    j.field("Flame_Exploding", f.Flame_Exploding).field("Flame_Tick", int64_t{f.Flame_Tick});
    j.field("Flame_Frame", int64_t{f.Flame_Frame});
    j.field("Flame_X", int64_t{f.Flame_X}).field("Flame_Y", int64_t{f.Flame_Y});
    j.field("Flame_Col", int64_t{f.Flame_Col}).field("Flame_Row", int64_t{f.Flame_Row});
    j.end_object();
}

void Dump_Bomb(const Pilot_Rec& p, Json_Writer& j) {
    j.field("Bomb_Angle", int64_t{p.Bomb_Angle}).field("Bomb_Tick", int64_t{p.Bomb_Tick});
    j.field("Bomb_Count", int64_t{p.Bomb_Count});
    j.field("Bomb_Interval", int64_t{p.Bomb_Interval});
    j.field("Bombing", p.Bombing).field("Bomb_Burst", p.Bomb_Burst);
    j.field("Bomb_X", int64_t{p.Bomb_X}).field("Bomb_Y", int64_t{p.Bomb_Y});
    j.field("Bomb_Col", int64_t{p.Bomb_Col}).field("Bomb_Row", int64_t{p.Bomb_Row});
    j.begin_array("Flames");
    for (int f = 1; f <= Pilot_Flame_Count; ++f) Dump_Flame(p.Flames[f], j);
    j.end_array();
}

void Dump_Pilot(const Pilot_Rec& p, Json_Writer& j) {
    j.begin_object();
    j.field("Active", p.Active).field("Exploding", p.Exploding).field("Dying", p.Dying);
    j.field("Death_Tick", int64_t{p.Death_Tick}).field("Dir", int64_t{p.Dir});
    j.field("Bounces", int64_t{p.Bounces});
    j.field("X", int64_t{p.X}).field("Y", int64_t{p.Y});
    j.field("Col", int64_t{p.Col}).field("Row", int64_t{p.Row});
    j.field("Step", int64_t{p.Step}).field("Steps", int64_t{p.Steps});
    j.field("Cell_Count", int64_t{p.Cell_Count}).field("Speed", int64_t{p.Speed});
    j.field("Angle", int64_t{p.Angle}).field("Angle_Target", int64_t{p.Angle_Target});
    j.field("Height", int64_t{p.Height});
    j.field("Debris_Angle", int64_t{p.Debris_Angle}).field("Poff_Frame", int64_t{p.Poff_Frame});
    j.field("Debris_W", int64_t{p.Debris_W}).field("Debris_H", int64_t{p.Debris_H});
    j.field("Cross_X", int64_t{p.Cross_X}).field("Cross_Y", int64_t{p.Cross_Y});
    j.field("Kill_W", int64_t{p.Kill_W}).field("Kill_H", int64_t{p.Kill_H});
    j.field("Kill_Angle", int64_t{p.Kill_Angle});
    Dump_Bomb(p, j);
    j.end_object();
}

void Dump_Monster(const Monster_Rec& m, Json_Writer& j) {
    j.begin_object();
    j.field("Active", m.Active).field("Exploding", m.Exploding);
    j.field("Tick", int64_t{m.Tick}).field("Dir", int64_t{m.Dir});
    j.field("Flying", m.Flying).field("Fly_Count", int64_t{m.Fly_Count});
    j.field("X", int64_t{m.X}).field("Y", int64_t{m.Y});
    j.field("Col", int64_t{m.Col}).field("Row", int64_t{m.Row});
    j.field("Prev_Col", int64_t{m.Prev_Col}).field("Prev_Row", int64_t{m.Prev_Row});
    j.field("Step", int64_t{m.Step}).field("Anim", int64_t{m.Anim});
    j.field("Explosion_Frame", int64_t{m.Explosion_Frame});
    j.end_object();
}

}  // namespace

void Dump_Pilots(const World& w, Json_Writer& j) {
    const PilotState& p = w.pilots;
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
