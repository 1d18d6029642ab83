// The enemies' part of the state dump: the enemy table, each record with its rockets and balls
// and its weapons (bomb chains, twin laser, Orbiter stars, Clipper arms and shrapnel).
#include "enemies/enemy_dump.h"

namespace zarvo {

namespace {

void Dump_Shot(const Enimy_Shot& s, Json_Writer& j) {
    j.Begin_Object()
        .Field("In_Flight", s.In_Flight)
        .Field("Bursting", s.Bursting)
        .Field("Burst_Tick", s.Burst_Tick)
        .Field("Burst_Frame", s.Burst_Frame)
        .Field("Burst_X", s.Burst_X)
        .Field("Burst_Y", s.Burst_Y)
        .Field("Burst_Col", s.Burst_Col)
        .Field("Burst_Row", s.Burst_Row)
        .Field("X", s.X)
        .Field("Y", s.Y)
        .Field("Col", s.Col)
        .Field("Row", s.Row)
        .Field("Dir", s.Dir)
        .Field("Move_Count", s.Move_Count)
        .End_Object();
}

void Dump_Chain(const Bomb_Chain& c, Json_Writer& j) {
    j.Begin_Object()
        .Field("Chain_On", c.Chain_On)
        .Field("Chain_Len", c.Chain_Len)
        .Field("Chain_Dir", c.Chain_Dir)
        .Field("Chain_Max", c.Chain_Max)
        .Begin_Array("Seg");
    for (int k = 1; k <= Chain::Segments; ++k) {
        const Chain_Segment& s = c.Seg[k];
        j.Begin_Object()
            .Field("Seg_On", s.Seg_On)
            .Field("Seg_Frame", s.Seg_Frame)
            .Field("Seg_X", s.Seg_X)
            .Field("Seg_Y", s.Seg_Y)
            .Field("Seg_Col", s.Seg_Col)
            .Field("Seg_Row", s.Seg_Row)
            .End_Object();
    }
    j.End_Array().End_Object();
}

// Facings 0..3 (up, right, down, left), each with its beams A and B.
void Dump_Laser(const Enemy_Weapons& wp, Json_Writer& j) {
    j.Begin_Array("Laser");
    for (int f = 0; f < Laser_Facings; ++f) {
        j.Begin_Array(nullptr);
        for (int b = 0; b < Laser_Beams; ++b) {
            const Laser_Beam& beam = wp.Laser[f][b];
            j.Begin_Object()
                .Field("Start_X", beam.Start_X)
                .Field("Start_Y", beam.Start_Y)
                .Field("Cell_Col", beam.Cell_Col)
                .Field("Cell_Row", beam.Cell_Row)
                .Field("Length", beam.Length)
                .End_Object();
        }
        j.End_Array();
    }
    j.End_Array();
}

void Dump_Star(const Orbiter_Star& s, Json_Writer& j) {
    j.Begin_Object()
        .Field("Star_Flying", s.Star_Flying)
        .Field("Star_Burst", s.Star_Burst)
        .Field("Star_Burst_Tick", s.Star_Burst_Tick)
        .Field("Star_Bounces", s.Star_Bounces)
        .Field("Star_Dir", s.Star_Dir)
        .Field("Star_X", s.Star_X)
        .Field("Star_Y", s.Star_Y)
        .Field("Star_Col", s.Star_Col)
        .Field("Star_Row", s.Star_Row)
        .Field("Star_Step", s.Star_Step)
        .Array("Spark_X", s.Spark_X, 1, 8)
        .Array("Spark_Y", s.Spark_Y, 1, 8)
        .End_Object();
}

void Dump_Arm(const Clipper_Arm& a, Json_Writer& j) {
    j.Begin_Object()
        .Field("Arm_Len", a.Arm_Len)
        .Field("Arm_Done", a.Arm_Done)
        .Array("Seg_X", a.Seg_X, 1, Arm::Segments)
        .Array("Seg_Y", a.Seg_Y, 1, Arm::Segments)
        .Array("Seg_Col", a.Seg_Col, 1, Arm::Segments)
        .Array("Seg_Row", a.Seg_Row, 1, Arm::Segments)
        .End_Object();
}

void Dump_Shrapnel(const Shrap_Group& s, Json_Writer& j) {
    j.Begin_Object()
        .Field("Shrap_Flying", s.Shrap_Flying)
        .Field("Shrap_Burst", s.Shrap_Burst)
        .Field("Shrap_Burst_Tick", s.Shrap_Burst_Tick)
        .Field("Shrap_Step", s.Shrap_Step)
        .Field("Shrap_Bounces", s.Shrap_Bounces)
        .Field("Shrap_Dir", s.Shrap_Dir)
        .Begin_Array("Piece");
    for (int n = 1; n <= Shrap_Pieces; ++n) {
        const Shrap_Piece& p = s.Piece[n];
        j.Begin_Object()
            .Field("X", p.X)
            .Field("Y", p.Y)
            .Field("Col", p.Col)
            .Field("Row", p.Row)
            .Array("Spark_X", p.Spark_X, 0, 4)
            .Array("Spark_Y", p.Spark_Y, 0, 4)
            .End_Object();
    }
    j.End_Array().End_Object();
}

void Dump_Weapons(const Enemy_Weapons& wp, Json_Writer& j) {
    j.Begin_Object("Weapons").Begin_Array("Chains");
    for (int c = 1; c <= Chain::Count; ++c) Dump_Chain(wp.Chains[c], j);
    j.End_Array();
    Dump_Laser(wp, j);
    j.Begin_Array("Stars");
    for (int i = 1; i <= Orbiter_Star_Count; ++i) Dump_Star(wp.Stars[i], j);
    j.End_Array().Field("Star_Size", wp.Star_Size).Field("Star_Size_Tick", wp.Star_Size_Tick);
    j.Begin_Array("Arms");
    for (int a = 1; a <= Arm::Count; ++a) Dump_Arm(wp.Arms[a], j);
    j.End_Array().Begin_Array("Shrapnel");
    for (int k = 1; k <= Shrap_Groups; ++k) Dump_Shrapnel(wp.Shrapnel[k], j);
    j.End_Array().Field("Shrap_Len", wp.Shrap_Len).End_Object();
}

// The Orbiter's look: its orbit phases and four trails of points 1..24.
void Dump_Trails(const Enimy_Rec& r, Json_Writer& j) {
    j.Array("Orbit_Phase", r.Orbit_Phase, 0, 4)
        .Field("Trail_Len", r.Trail_Len)
        .Array("Trail_On", r.Trail_On, 1, 24);
    j.Begin_Array("Trail_X");
    for (const auto& trail : r.Trail_X) j.Array(nullptr, trail, 1, 24);
    j.End_Array().Begin_Array("Trail_Y");
    for (const auto& trail : r.Trail_Y) j.Array(nullptr, trail, 1, 24);
    j.End_Array();
}

void Dump_Look(const Enimy_Rec& r, Json_Writer& j) {
    j.Field("Burn_Dir", r.Burn_Dir)
        .Field("Burn_Frame", r.Burn_Frame)
        .Field("Burn_Min", r.Burn_Min)
        .Field("Burn_Max", r.Burn_Max)
        .Field("Explosion_Frame", r.Explosion_Frame)
        .Field("Body_Image", r.Body_Image)
        .Field("Shadow_Image", r.Shadow_Image)
        .Field("Kill_W", r.Kill_W)
        .Field("Kill_H", r.Kill_H)
        .Field("Kill_Angle", r.Kill_Angle)
        .Array("Star_Spin", r.Star_Spin, 0, 8)
        .Field("Dir_Angle", r.Dir_Angle)
        .Field("Turret_Saved", r.Turret_Saved)
        .Field("Anim", r.Anim)
        .Field("Cross_X", r.Cross_X)
        .Field("Cross_Y", r.Cross_Y)
        .Field("Cross_Right", r.Cross_Right)
        .Field("Cross_Down", r.Cross_Down)
        .Field("Last_Dir", r.Last_Dir)
        .Field("Speed", r.Speed)
        .Field("Steps", r.Steps)
        .Array("Arm_Mode", r.Arm_Mode, 0, 4);
}

void Dump_Enimy(const Enimy_Rec& r, Json_Writer& j) {
    j.Begin_Object()
        .Field("Active", r.Active)
        .Field("Dying", r.Dying)
        .Field("Exploding", r.Exploding)
        .Field("Hits", r.Hits)
        .Field("X", r.X)
        .Field("Y", r.Y)
        .Field("Col", r.Col)
        .Field("Row", r.Row)
        .Field("Angle", r.Angle)
        .Field("Angle_Target", r.Angle_Target)
        .Field("Turret_Angle", r.Turret_Angle)
        .Field("Move_Dir", r.Move_Dir)
        .Field("Step", r.Step)
        .Field("Turning", r.Turning)
        .Field("Attacking", r.Attacking)
        .Field("Attack_Timer", r.Attack_Timer)
        .Field("Attack_Interval", r.Attack_Interval)
        .Field("Fire_Phase", r.Fire_Phase)
        .Field("Fire_Tick", r.Fire_Tick)
        .Field("Special_Tick", r.Special_Tick)
        .Field("Death_Tick", r.Death_Tick)
        .Field("Blast_On", r.Blast_On)
        .Field("Blast_Tick", r.Blast_Tick);
    int shots = 0;
    for (int e = 1; e <= Enimy_Shot_Count; ++e) shots += r.Shots[e].In_Flight ? 1 : 0;
    j.Field("Shots_In_Flight", int64_t{shots});
    Dump_Look(r, j);
    Dump_Trails(r, j);
    j.Begin_Array("Shots");
    for (int e = 1; e <= Enimy_Shot_Count; ++e) Dump_Shot(r.Shots[e], j);
    j.End_Array();
    Dump_Weapons(r.Weapons, j);
    j.End_Object();
}

}  // namespace

void Dump_Enemies(const World& w, Json_Writer& j) {
    j.Begin_Array("Enimy_Table");
    for (int slot = 1; slot <= Roster_Slots; ++slot) Dump_Enimy(w.enemies.Enimy_Table[slot], j);
    j.End_Array();
}

}  // namespace zarvo
