#pragma once
// The player's figure, its star shots and its appearance and death sequences.
#include <cstdint>

#include "state/directions.h"

namespace zarvo {

struct PlayerState {
    int32_t Ego_X = 573, Ego_Y = 179;
    int32_t Ego_Col = 36, Ego_Row = 12;
    int32_t Ego_Step = 0;
    Dir Ego_Step_Dir = Dir::None;
    Dir Ego_Dir = Dir::None;
    bool Ego_Cutting = false;
    int32_t Ego_Save_X = 573, Ego_Save_Y = 179, Ego_Save_Col = 36, Ego_Save_Row = 12;
    bool Bump_Flag = false;
    int32_t Ego_Anim = 0;
    bool Ego_Hit = false;

    // Appearance and death sequences.
    bool Ego_Implose_On = false;
    int32_t Ego_Implose_Tick = 0;
    bool Ego_Explose_On = false;
    int32_t Ego_Explose_Tick = 0;
    int32_t Cross_X = 0, Cross_Y = 0;
    bool Cross_X_Up = false, Cross_Y_Up = false;
    int32_t Ego_Seq_Width = 0, Ego_Seq_Height = 0, Ego_Seq_Angle = 0;

    bool operator==(const PlayerState&) const = default;
};

// The star shots: 24 volley slots of four rockets, one in each direction d 1..4, in a table
// indexed [d][slot], slot 1..24 (index 0 unused).
inline constexpr int Volley_Slots = 24;

// One rocket of a volley: its flight, then its explosion.
struct Star_Shot {
    bool Shot_Active = false;
    // Qualified: the field bears its type's name.
    zarvo::Shot_Dir Shot_Dir = zarvo::Shot_Dir::None;
    int32_t Shot_X = 0, Shot_Y = 0;
    int32_t Shot_Col = 0, Shot_Row = 0;
    bool Shot_Exploding = false;
    int32_t Shot_Ex_Tick = 0;
    int32_t Shot_Ex_X = 0, Shot_Ex_Y = 0;
    int32_t Shot_Ex_Frame = 0;

    bool operator==(const Star_Shot&) const = default;
};

struct ShotState {
    int32_t Star_Angle = 0;
    bool Volley_Used[Volley_Slots + 1] = {};
    Star_Shot Shot[5][Volley_Slots + 1] = {};

    bool operator==(const ShotState&) const = default;
};

}  // namespace zarvo
