// The hazards' part of the state dump: the twelve places with their Blaster and Pyr, the
// Blasters' flames and the three fuses.
#include "enemies/enemy_dump.h"

namespace zarvo {

namespace {

void Dump_Hazard_Rec(const Hazard_Rec& h, Json_Writer& j) {
    j.field("Present", h.Present).field("Dying", h.Dying).field("Exploding", h.Exploding);
    j.field("Death_Tick", int64_t{h.Death_Tick});
}

void Dump_Flame(const Flame_Rec& fl, Json_Writer& j) {
    j.begin_object();
    j.field("Flame_On", fl.Flame_On).field("Flame_Burst", fl.Flame_Burst);
    j.field("Flame_Block", fl.Flame_Block);
    j.field("Flame_Col", int64_t{fl.Flame_Col}).field("Flame_Row", int64_t{fl.Flame_Row});
    j.field("Flame_X", int64_t{fl.Flame_X}).field("Flame_Y", int64_t{fl.Flame_Y});
    j.field("Flame_Dir", int64_t{fl.Flame_Dir}).field("Flame_Step", int64_t{fl.Flame_Step});
    j.field("Flame_Tick", int64_t{fl.Flame_Tick}).field("Flame_Delay", int64_t{fl.Flame_Delay});
    j.field("Flame_Life", int64_t{fl.Flame_Life});
    j.field("Flame_Burst_Tick", int64_t{fl.Flame_Burst_Tick});
    j.end_object();
}

void Dump_Blaster(const Blaster_Rec& b, Json_Writer& j) {
    j.begin_object();
    Dump_Hazard_Rec(b, j);
    j.field("Thunder_On", b.Thunder_On).field("Thunder_Tick", int64_t{b.Thunder_Tick});
    j.field("Thunder_Dir", int64_t{b.Thunder_Dir}).field("Last_Dir", int64_t{b.Last_Dir});
    j.field("Thunder_Timer", int64_t{b.Thunder_Timer});
    j.field("Thunder_Interval", int64_t{b.Thunder_Interval});
    j.field("Star_Burst_On", b.Star_Burst_On);
    j.field("Star_Burst_Tick", int64_t{b.Star_Burst_Tick});
    j.begin_array("Flame");
    for (int f = 1; f <= Flames_Per_Place; ++f) Dump_Flame(b.Flame[f], j);
    j.end_array();
    j.end_object();
}

void Dump_Pyr(const Pyr_Rec& p, Json_Writer& j) {
    j.begin_object();
    Dump_Hazard_Rec(p, j);
    j.field("Pyr_Kind", int64_t{p.Pyr_Kind});
    j.array("Orbit_Phase", p.Orbit_Phase, 1, Orbit_Icons);
    j.field("Orbit_Timer", int64_t{p.Orbit_Timer});
    j.end_object();
}

void Dump_Fuse(const Fuse_Rec& f, Json_Writer& j) {
    j.begin_object();
    j.field("Fuse_On", f.Fuse_On).field("Fuse_Done", f.Fuse_Done);
    j.field("Fuse_Col", int64_t{f.Fuse_Col}).field("Fuse_Row", int64_t{f.Fuse_Row});
    j.field("Fuse_X", int64_t{f.Fuse_X}).field("Fuse_Y", int64_t{f.Fuse_Y});
    j.field("Fuse_Dir", int64_t{f.Fuse_Dir}).field("Fuse_Step", int64_t{f.Fuse_Step});
    j.field("Fuse_Burst_Tick", int64_t{f.Fuse_Burst_Tick});
    j.end_object();
}

}  // namespace

void Dump_Hazards(const World& w, Json_Writer& j) {
    const HazardState& h = w.hazards;
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
