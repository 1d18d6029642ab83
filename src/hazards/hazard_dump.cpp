// The hazards' part of the state dump: the twelve places with their Blaster and Pyr, the
// Blasters' flames with their end bursts, and the three fuses.
#include "hazards/hazard_dump.h"

namespace zarvo {

namespace {

void Dump_Hazard_Rec(const Hazard_Rec& h, Json_Writer& j) {
    j.Field("Present", h.Present).Field("Dying", h.Dying).Field("Exploding", h.Exploding);
    j.Field("Death_Tick", h.Death_Tick);
    j.Field("Cross_X", h.Cross_X).Field("Cross_Y", h.Cross_Y);
    j.Field("Cross_Right", h.Cross_Right).Field("Cross_Down", h.Cross_Down);
    j.Field("Kill_W", h.Kill_W).Field("Kill_H", h.Kill_H).Field("Kill_Angle", h.Kill_Angle);
    j.Field("Explosion_Frame", h.Explosion_Frame);
}

void Dump_Shards(const Shard_Burst& s, Json_Writer& j) {
    j.Begin_Object("Shards")
        .Array("Shard_X", s.Shard_X, 1, Shard_Count)
        .Array("Shard_Y", s.Shard_Y, 1, Shard_Count)
        .Field("Shard_W", s.Shard_W)
        .Field("Shard_H", s.Shard_H)
        .Field("Shard_Angle", s.Shard_Angle)
        .End_Object();
}

void Dump_Flame(const Flame_Rec& fl, Json_Writer& j) {
    j.Begin_Object();
    j.Field("Flame_On", fl.Flame_On).Field("Flame_Burst", fl.Flame_Burst);
    j.Field("Flame_Block", fl.Flame_Block);
    j.Field("Flame_Col", fl.Flame_Col).Field("Flame_Row", fl.Flame_Row);
    j.Field("Flame_X", fl.Flame_X).Field("Flame_Y", fl.Flame_Y);
    j.Field("Flame_Dir", fl.Flame_Dir).Field("Flame_Step", fl.Flame_Step);
    j.Field("Flame_Tick", fl.Flame_Tick).Field("Flame_Delay", fl.Flame_Delay);
    j.Field("Flame_Life", fl.Flame_Life);
    j.Field("Flame_Burst_Tick", fl.Flame_Burst_Tick);
    Dump_Shards(fl.Shards, j);
    j.End_Object();
}

void Dump_Blaster(const Blaster_Rec& b, Json_Writer& j) {
    j.Begin_Object();
    Dump_Hazard_Rec(b, j);
    j.Field("Thunder_On", b.Thunder_On).Field("Thunder_Tick", b.Thunder_Tick);
    j.Field("Thunder_Dir", b.Thunder_Dir).Field("Last_Dir", b.Last_Dir);
    j.Field("Thunder_Timer", b.Thunder_Timer);
    j.Field("Thunder_Interval", b.Thunder_Interval);
    j.Field("Star_Burst_On", b.Star_Burst_On);
    j.Field("Star_Burst_Tick", b.Star_Burst_Tick);
    j.Array("Star_X", b.Star_X, 1, Burst_Stars).Array("Star_Y", b.Star_Y, 1, Burst_Stars);
    j.Field("Flame_Anim", b.Flame_Anim);
    j.Begin_Array("Flame");
    for (int f = 1; f <= Flames_Per_Place; ++f) Dump_Flame(b.Flame[f], j);
    j.End_Array();
    j.End_Object();
}

void Dump_Pyr(const Pyr_Rec& p, Json_Writer& j) {
    j.Begin_Object();
    Dump_Hazard_Rec(p, j);
    j.Field("Pyr_Kind", p.Pyr_Kind);
    j.Array("Orbit_Phase", p.Orbit_Phase, 1, Orbit_Icons);
    j.Field("Orbit_Timer", p.Orbit_Timer);
    j.End_Object();
}

void Dump_Fuse(const Fuse_Rec& f, Json_Writer& j) {
    j.Begin_Object();
    j.Field("Fuse_On", f.Fuse_On).Field("Fuse_Done", f.Fuse_Done);
    j.Field("Fuse_Col", f.Fuse_Col).Field("Fuse_Row", f.Fuse_Row);
    j.Field("Fuse_X", f.Fuse_X).Field("Fuse_Y", f.Fuse_Y);
    j.Field("Fuse_Dir", f.Fuse_Dir).Field("Fuse_Step", f.Fuse_Step);
    j.Field("Fuse_Burst_Tick", f.Fuse_Burst_Tick);
    j.Field("Fuse_Anim", f.Fuse_Anim);
    Dump_Shards(f.Shards, j);
    j.End_Object();
}

}  // namespace

void Dump_Hazards(const World& w, Json_Writer& j) {
    const Hazard_State& h = w.hazards;
    j.Begin_Object("hazards");
    j.Begin_Array("Blaster");
    for (int place = 1; place <= Hazard_Places; ++place) Dump_Blaster(h.Blaster[place], j);
    j.End_Array();
    j.Begin_Array("Pyr");
    for (int place = 1; place <= Hazard_Places; ++place) Dump_Pyr(h.Pyr[place], j);
    j.End_Array();
    j.Begin_Array("Fuse");
    for (int f = 1; f <= Fuse_Count; ++f) Dump_Fuse(h.Fuse[f], j);
    j.End_Array();
    j.End_Object();
}

}  // namespace zarvo
