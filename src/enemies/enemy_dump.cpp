// The enemies' part of the state dump: the enemy table, each record with its rockets and balls
// and its weapons (bomb chains, twin laser, Orbiter stars, Clipper arms and shrapnel).
#include "enemies/enemy_dump.h"

namespace zarvo {

namespace {

void Dump_Shot(const Enimy_Shot& s, Json_Writer& j) {
    j.begin_object()
        .field("In_Flight", s.In_Flight)
        .field("Bursting", s.Bursting)
        .field("Burst_Tick", s.Burst_Tick)
        .field("Burst_Frame", s.Burst_Frame)
        .field("Burst_X", s.Burst_X)
        .field("Burst_Y", s.Burst_Y)
        .field("Burst_Col", s.Burst_Col)
        .field("Burst_Row", s.Burst_Row)
        .field("X", s.X)
        .field("Y", s.Y)
        .field("Col", s.Col)
        .field("Row", s.Row)
        .field("Dir", s.Dir)
        .field("Move_Count", s.Move_Count)
        .end_object();
}

void Dump_Chain(const Bomb_Chain& c, Json_Writer& j) {
    j.begin_object()
        .field("Chain_On", c.Chain_On)
        .field("Chain_Len", c.Chain_Len)
        .field("Chain_Dir", c.Chain_Dir)
        .field("Chain_Max", c.Chain_Max)
        .begin_array("Seg");
    for (int k = 1; k <= Chain::Segments; ++k) {
        const Chain_Segment& s = c.Seg[k];
        j.begin_object()
            .field("Seg_On", s.Seg_On)
            .field("Seg_Frame", s.Seg_Frame)
            .field("Seg_X", s.Seg_X)
            .field("Seg_Y", s.Seg_Y)
            .field("Seg_Col", s.Seg_Col)
            .field("Seg_Row", s.Seg_Row)
            .end_object();
    }
    j.end_array().end_object();
}

// Facings 0..3 (up, right, down, left), each with its beams A and B.
void Dump_Laser(const Enemy_Weapons& wp, Json_Writer& j) {
    j.begin_array("Laser");
    for (int f = 0; f < Laser_Facings; ++f) {
        j.begin_array(nullptr);
        for (int b = 0; b < Laser_Beams; ++b) {
            const Laser_Beam& beam = wp.Laser[f][b];
            j.begin_object()
                .field("Start_X", beam.Start_X)
                .field("Start_Y", beam.Start_Y)
                .field("Cell_Col", beam.Cell_Col)
                .field("Cell_Row", beam.Cell_Row)
                .field("Length", beam.Length)
                .end_object();
        }
        j.end_array();
    }
    j.end_array();
}

void Dump_Star(const Orbiter_Star& s, Json_Writer& j) {
    j.begin_object()
        .field("Star_Flying", s.Star_Flying)
        .field("Star_Burst", s.Star_Burst)
        .field("Star_Burst_Tick", s.Star_Burst_Tick)
        .field("Star_Bounces", s.Star_Bounces)
        .field("Star_Dir", s.Star_Dir)
        .field("Star_X", s.Star_X)
        .field("Star_Y", s.Star_Y)
        .field("Star_Col", s.Star_Col)
        .field("Star_Row", s.Star_Row)
        .field("Star_Step", s.Star_Step)
        .array("Spark_X", s.Spark_X, 1, 8)
        .array("Spark_Y", s.Spark_Y, 1, 8)
        .end_object();
}

void Dump_Arm(const Clipper_Arm& a, Json_Writer& j) {
    j.begin_object()
        .field("Arm_Len", a.Arm_Len)
        .field("Arm_Done", a.Arm_Done)
        .array("Seg_X", a.Seg_X, 1, Arm::Segments)
        .array("Seg_Y", a.Seg_Y, 1, Arm::Segments)
        .array("Seg_Col", a.Seg_Col, 1, Arm::Segments)
        .array("Seg_Row", a.Seg_Row, 1, Arm::Segments)
        .end_object();
}

void Dump_Shrapnel(const Shrap_Group& s, Json_Writer& j) {
    j.begin_object()
        .field("Shrap_Flying", s.Shrap_Flying)
        .field("Shrap_Burst", s.Shrap_Burst)
        .field("Shrap_Burst_Tick", s.Shrap_Burst_Tick)
        .field("Shrap_Step", s.Shrap_Step)
        .field("Shrap_Bounces", s.Shrap_Bounces)
        .field("Shrap_Dir", s.Shrap_Dir)
        .begin_array("Piece");
    for (int n = 1; n <= Shrap_Pieces; ++n) {
        const Shrap_Piece& p = s.Piece[n];
        j.begin_object()
            .field("X", p.X)
            .field("Y", p.Y)
            .field("Col", p.Col)
            .field("Row", p.Row)
            .array("Spark_X", p.Spark_X, 0, 4)
            .array("Spark_Y", p.Spark_Y, 0, 4)
            .end_object();
    }
    j.end_array().end_object();
}

void Dump_Weapons(const Enemy_Weapons& wp, Json_Writer& j) {
    j.begin_object("Weapons").begin_array("Chains");
    for (int c = 1; c <= Chain::Count; ++c) Dump_Chain(wp.Chains[c], j);
    j.end_array();
    Dump_Laser(wp, j);
    j.begin_array("Stars");
    for (int i = 1; i <= Orbiter_Star_Count; ++i) Dump_Star(wp.Stars[i], j);
    j.end_array().field("Star_Size", wp.Star_Size).field("Star_Size_Tick", wp.Star_Size_Tick);
    j.begin_array("Arms");
    for (int a = 1; a <= Arm::Count; ++a) Dump_Arm(wp.Arms[a], j);
    j.end_array().begin_array("Shrapnel");
    for (int k = 1; k <= Shrap_Groups; ++k) Dump_Shrapnel(wp.Shrapnel[k], j);
    j.end_array().field("Shrap_Len", wp.Shrap_Len).end_object();
}

// The Orbiter's look: its orbit phases and four trails of points 1..24.
void Dump_Trails(const Enimy_Rec& r, Json_Writer& j) {
    j.array("Orbit_Phase", r.Orbit_Phase, 0, 4)
        .field("Trail_Len", r.Trail_Len)
        .array("Trail_On", r.Trail_On, 1, 24);
    j.begin_array("Trail_X");
    for (const auto& trail : r.Trail_X) j.array(nullptr, trail, 1, 24);
    j.end_array().begin_array("Trail_Y");
    for (const auto& trail : r.Trail_Y) j.array(nullptr, trail, 1, 24);
    j.end_array();
}

void Dump_Look(const Enimy_Rec& r, Json_Writer& j) {
    j.field("Burn_Dir", r.Burn_Dir)
        .field("Burn_Frame", r.Burn_Frame)
        .field("Burn_Min", r.Burn_Min)
        .field("Burn_Max", r.Burn_Max)
        .field("Explosion_Frame", r.Explosion_Frame)
        .field("Body_Image", r.Body_Image)
        .field("Shadow_Image", r.Shadow_Image)
        .field("Kill_W", r.Kill_W)
        .field("Kill_H", r.Kill_H)
        .field("Kill_Angle", r.Kill_Angle)
        .array("Star_Spin", r.Star_Spin, 0, 8)
        .field("Dir_Angle", r.Dir_Angle)
        .field("Turret_Saved", r.Turret_Saved)
        .field("Anim", r.Anim)
        .field("Cross_X", r.Cross_X)
        .field("Cross_Y", r.Cross_Y)
        .field("Cross_Right", r.Cross_Right)
        .field("Cross_Down", r.Cross_Down)
        .field("Last_Dir", r.Last_Dir)
        .field("Speed", r.Speed)
        .field("Steps", r.Steps)
        .array("Arm_Mode", r.Arm_Mode, 0, 4);
}

void Dump_Enimy(const Enimy_Rec& r, Json_Writer& j) {
    j.begin_object()
        .field("Active", r.Active)
        .field("Dying", r.Dying)
        .field("Exploding", r.Exploding)
        .field("Hits", r.Hits)
        .field("X", r.X)
        .field("Y", r.Y)
        .field("Col", r.Col)
        .field("Row", r.Row)
        .field("Angle", r.Angle)
        .field("Angle_Target", r.Angle_Target)
        .field("Turret_Angle", r.Turret_Angle)
        .field("Move_Dir", r.Move_Dir)
        .field("Step", r.Step)
        .field("Turning", r.Turning)
        .field("Attacking", r.Attacking)
        .field("Attack_Timer", r.Attack_Timer)
        .field("Attack_Interval", r.Attack_Interval)
        .field("Fire_Phase", r.Fire_Phase)
        .field("Fire_Tick", r.Fire_Tick)
        .field("Special_Tick", r.Special_Tick)
        .field("Death_Tick", r.Death_Tick)
        .field("Blast_On", r.Blast_On)
        .field("Blast_Tick", r.Blast_Tick);
    int shots = 0;
    for (int e = 1; e <= Enimy_Shot_Count; ++e) shots += r.Shots[e].In_Flight ? 1 : 0;
    j.field("Shots_In_Flight", int64_t{shots});
    Dump_Look(r, j);
    Dump_Trails(r, j);
    j.begin_array("Shots");
    for (int e = 1; e <= Enimy_Shot_Count; ++e) Dump_Shot(r.Shots[e], j);
    j.end_array();
    Dump_Weapons(r.Weapons, j);
    j.end_object();
}

}  // namespace

void Dump_Enemies(const World& w, Json_Writer& j) {
    j.begin_array("Enimy_Table");
    for (int slot = 1; slot <= Roster_Slots; ++slot) Dump_Enimy(w.enemies.Enimy_Table[slot], j);
    j.end_array();
}

}  // namespace zarvo
