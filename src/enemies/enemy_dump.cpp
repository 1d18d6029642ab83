#include "enemies/enemy_dump.h"

namespace zarvo {

namespace {

void Dump_Enimy(const Enimy_Rec& r, Json_Writer& j) {
    j.begin_object()
        .field("Active", r.Active)
        .field("Dying", r.Dying)
        .field("Exploding", r.Exploding)
        .field("Hits", int64_t{r.Hits})
        .field("X", int64_t{r.X})
        .field("Y", int64_t{r.Y})
        .field("Col", int64_t{r.Col})
        .field("Row", int64_t{r.Row})
        .field("Angle", int64_t{r.Angle})
        .field("Angle_Target", int64_t{r.Angle_Target})
        .field("Turret_Angle", int64_t{r.Turret_Angle})
        .field("Move_Dir", int64_t{r.Move_Dir})
        .field("Step", int64_t{r.Step})
        .field("Turning", r.Turning)
        .field("Attacking", r.Attacking)
        .field("Attack_Timer", int64_t{r.Attack_Timer})
        .field("Attack_Interval", int64_t{r.Attack_Interval})
        .field("Fire_Phase", int64_t{r.Fire_Phase})
        .field("Fire_Tick", int64_t{r.Fire_Tick})
        .field("Special_Tick", int64_t{r.Special_Tick})
        .field("Death_Tick", int64_t{r.Death_Tick})
        .field("Blast_On", r.Blast_On)
        .field("Blast_Tick", int64_t{r.Blast_Tick});
    int shots = 0;
    for (int e = 1; e <= Enimy_Shot_Count; ++e) shots += r.Shots[e].In_Flight ? 1 : 0;
    j.field("Shots_In_Flight", int64_t{shots}).end_object();
}

}  // namespace

void Dump_Enemies(const World& w, Json_Writer& j) {
    j.begin_array("Enimy_Table");
    for (int slot = 1; slot <= Roster_Slots; ++slot) Dump_Enimy(w.enemies.Enimy_Table[slot], j);
    j.end_array();
}

}  // namespace zarvo
