#pragma once
// What Set_Level chooses for a level: the rosters, the weapon switches and the drain rate.
#include <cstdint>

#include "state/constants.h"

namespace zarvo {

struct LevelState {
    // Slots 1..11 (index 0 unused); 1000 = empty.
    int32_t Enimy_Type[Roster_Slots + 1] = {No_Code, No_Code, No_Code, No_Code, No_Code, No_Code,
                                            No_Code, No_Code, No_Code, No_Code, No_Code, No_Code};
    int32_t Pilot_Type[Roster_Slots + 1] = {No_Code, No_Code, No_Code, No_Code, No_Code, No_Code,
                                            No_Code, No_Code, No_Code, No_Code, No_Code, No_Code};
    uint8_t Weapon_Switch[36] = {};
    int32_t Drain_Rate = 1;

    bool operator==(const LevelState&) const = default;
};

}  // namespace zarvo
