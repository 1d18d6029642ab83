// The effects' part of the state dump: both rows of the energy store unit by unit (the counts
// stand at the top of the dump), the hurt sound and the bump stars.
#include "effects/effect_dump.h"

namespace zarvo {

namespace {

// Entry 1 of X and Y is the unit's resting place, entries 2..5 its fragments.
void Dump_Bar(Json_Writer& j, const char* name, const Energy_Unit (&bar)[Energy_Units + 1]) {
    j.Begin_Array(name);
    for (int i = 1; i <= Energy_Units; ++i) {
        const Energy_Unit& u = bar[i];
        j.Begin_Object()
            .Field("Falling", u.Falling)
            .Field("Fall_Tick", u.Fall_Tick)
            .Array("X", u.X, 1, 5)
            .Array("Y", u.Y, 1, 5)
            .End_Object();
    }
    j.End_Array();
}

}  // namespace

void Dump_Effects(const World& w, Json_Writer& j) {
    const Effect_State& e = w.effects;
    j.Begin_Object("effects");
    Dump_Bar(j, "Reserve_Bar", e.Reserve_Bar);
    Dump_Bar(j, "Energy_Bar", e.Energy_Bar);
    j.Field("Hurt_Sound_On", e.Hurt_Sound_On)
        .Field("Hurt_Sound_Tick", e.Hurt_Sound_Tick)
        .Field("Bump_Tick", e.Bump_Tick)
        .Array("Bump_Star_X", e.Bump_Star_X, 1, Bump_Stars)
        .Array("Bump_Star_Y", e.Bump_Star_Y, 1, Bump_Stars)
        .End_Object();
}

}  // namespace zarvo
