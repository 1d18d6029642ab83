#pragma once
// What Set_Level chooses for a level: the rosters, the weapon switches and the drain rate.
#include <cstdint>

#include "state/constants.h"

namespace zarvo {

inline constexpr int Weapon_Switch_Count = 36;

// The weapon switches, Weapon_Switch[index]: 0 off, anything else on.
namespace Switch {
// The hazards and the monsters.
inline constexpr int Blaster_Thunder_Switch = 0;
inline constexpr int Monster_Switch = 1;
inline constexpr int Blaster_Flame_Switch = 2;
inline constexpr int Fuse_Switch = 3;
// Sub.
inline constexpr int Sub_Blast = 4;
inline constexpr int Sub_Ball_1 = 5, Sub_Ball_2 = 6, Sub_Ball_3 = 7;
inline constexpr int Sub_Chain = 8;
// Tank.
inline constexpr int Tank_Blast = 9;
inline constexpr int Tank_Salvo_1 = 10, Tank_Salvo_2 = 11, Tank_Salvo_3 = 12, Tank_Salvo_4 = 13;
inline constexpr int Tank_Chain = 14;
// Spider.
inline constexpr int Spider_Blast = 15;
inline constexpr int Spider_Ball_1 = 16, Spider_Ball_2 = 17, Spider_Ball_3 = 18, Spider_Ball_4 = 19;
inline constexpr int Spider_Chain = 20;
// Expander.
inline constexpr int Expander_Blast = 21;
inline constexpr int Expander_Rocket_1 = 22, Expander_Rocket_2 = 23, Expander_Rocket_3 = 24,
                     Expander_Rocket_4 = 25;
inline constexpr int Expander_Chain = 26;
// Clipper.
inline constexpr int Clipper_Shrapnel = 27, Clipper_Blast = 28, Clipper_Chain = 29;
// Orbiter.
inline constexpr int Orbiter_Attack = 30, Orbiter_Blast = 31, Orbiter_Chains = 32;
// Boxer.
inline constexpr int Boxer_Balls = 33, Boxer_Blast = 34, Boxer_Chain = 35;
}  // namespace Switch

struct Level_State {
    // Slots 1..11 (index 0 unused); 1000 = empty.
    int32_t Enimy_Type[Roster_Slots + 1] = {No_Code, No_Code, No_Code, No_Code, No_Code, No_Code,
                                            No_Code, No_Code, No_Code, No_Code, No_Code, No_Code};
    int32_t Pilot_Type[Roster_Slots + 1] = {No_Code, No_Code, No_Code, No_Code, No_Code, No_Code,
                                            No_Code, No_Code, No_Code, No_Code, No_Code, No_Code};
    uint8_t Weapon_Switch[Weapon_Switch_Count] = {};
    int32_t Drain_Rate = 1;

    // True when the switch is on in this level.
    bool On(int index) const {
        return index >= 0 && index < Weapon_Switch_Count && Weapon_Switch[index] != 0;
    }

    bool operator==(const Level_State&) const = default;
};

}  // namespace zarvo
