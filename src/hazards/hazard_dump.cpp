// The hazards' part of the state dump: the twelve places with their Blaster and Pyr, the
// Blasters' flames with their end bursts, and the three fuses.
#include "hazards/hazard_dump.h"

namespace zarvo {

namespace {

void Dump_Hazard_Rec(const Hazard_Rec& h, Json_Writer& j) {
    j.field("Present", h.Present).field("Dying", h.Dying).field("Exploding", h.Exploding);
    j.field("Death_Tick", h.Death_Tick);
    j.field("Cross_X", h.Cross_X).field("Cross_Y", h.Cross_Y);
    j.field("Cross_Right", h.Cross_Right).field("Cross_Down", h.Cross_Down);
    j.field("Kill_W", h.Kill_W).field("Kill_H", h.Kill_H).field("Kill_Angle", h.Kill_Angle);
    j.field("Explosion_Frame", h.Explosion_Frame);
}

void Dump_Shards(const Shard_Burst& s, Json_Writer& j) {
    j.begin_object("Shards")
        .array("Shard_X", s.Shard_X, 1, Shard_Count)
        .array("Shard_Y", s.Shard_Y, 1, Shard_Count)
        .field("Shard_W", s.Shard_W)
        .field("Shard_H", s.Shard_H)
        .field("Shard_Angle", s.Shard_Angle)
        .end_object();
}

void Dump_Flame(const Flame_Rec& fl, Json_Writer& j) {
    j.begin_object();
    j.field("Flame_On", fl.Flame_On).field("Flame_Burst", fl.Flame_Burst);
    j.field("Flame_Block", fl.Flame_Block);
    j.field("Flame_Col", fl.Flame_Col).field("Flame_Row", fl.Flame_Row);
    j.field("Flame_X", fl.Flame_X).field("Flame_Y", fl.Flame_Y);
    j.field("Flame_Dir", fl.Flame_Dir).field("Flame_Step", fl.Flame_Step);
    j.field("Flame_Tick", fl.Flame_Tick).field("Flame_Delay", fl.Flame_Delay);
    j.field("Flame_Life", fl.Flame_Life);
    j.field("Flame_Burst_Tick", fl.Flame_Burst_Tick);
    Dump_Shards(fl.Shards, j);
    j.end_object();
}

void Dump_Blaster(const Blaster_Rec& b, Json_Writer& j) {
    j.begin_object();
    Dump_Hazard_Rec(b, j);
    j.field("Thunder_On", b.Thunder_On).field("Thunder_Tick", b.Thunder_Tick);
    j.field("Thunder_Dir", b.Thunder_Dir).field("Last_Dir", b.Last_Dir);
    j.field("Thunder_Timer", b.Thunder_Timer);
    j.field("Thunder_Interval", b.Thunder_Interval);
    j.field("Star_Burst_On", b.Star_Burst_On);
    j.field("Star_Burst_Tick", b.Star_Burst_Tick);
    j.array("Star_X", b.Star_X, 1, Burst_Stars).array("Star_Y", b.Star_Y, 1, Burst_Stars);
    j.field("Flame_Anim", b.Flame_Anim);
    j.begin_array("Flame");
    for (int f = 1; f <= Flames_Per_Place; ++f) Dump_Flame(b.Flame[f], j);
    j.end_array();
    j.end_object();
}

void Dump_Pyr(const Pyr_Rec& p, Json_Writer& j) {
    j.begin_object();
    Dump_Hazard_Rec(p, j);
    j.field("Pyr_Kind", p.Pyr_Kind);
    j.array("Orbit_Phase", p.Orbit_Phase, 1, Orbit_Icons);
    j.field("Orbit_Timer", p.Orbit_Timer);
    j.end_object();
}

void Dump_Fuse(const Fuse_Rec& f, Json_Writer& j) {
    j.begin_object();
    j.field("Fuse_On", f.Fuse_On).field("Fuse_Done", f.Fuse_Done);
    j.field("Fuse_Col", f.Fuse_Col).field("Fuse_Row", f.Fuse_Row);
    j.field("Fuse_X", f.Fuse_X).field("Fuse_Y", f.Fuse_Y);
    j.field("Fuse_Dir", f.Fuse_Dir).field("Fuse_Step", f.Fuse_Step);
    j.field("Fuse_Burst_Tick", f.Fuse_Burst_Tick);
    j.field("Fuse_Anim", f.Fuse_Anim);
    Dump_Shards(f.Shards, j);
    j.end_object();
}

}  // namespace

void Dump_Hazards(const World& w, Json_Writer& j) {
    const Hazard_State& h = w.hazards;
    j.begin_object("hazards");
    j.begin_array("Blaster");
    for (int place = 1; place <= Hazard_Places; ++place) Dump_Blaster(h.Blaster[place], j);
    j.end_array();
    j.begin_array("Pyr");
    for (int place = 1; place <= Hazard_Places; ++place) Dump_Pyr(h.Pyr[place], j);
    j.end_array();
    j.begin_array("Fuse");
    for (int f = 1; f <= Fuse_Count; ++f) Dump_Fuse(h.Fuse[f], j);
    j.end_array();
    j.end_object();
}

}  // namespace zarvo
