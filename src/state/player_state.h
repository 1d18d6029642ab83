#pragma once
// The player's figure, its star shots and its appearance and death sequences.
#include <cstdint>

#include "state/directions.h"

namespace zarvo {

struct Player_State {
    // The figure's top-left corner in window pixels, and its arena cell.
    int32_t Ego_X = 573, Ego_Y = 179;
    int32_t Ego_Col = 36, Ego_Row = 12;
    // Frames into the step between two cells (0 standing on a cell), and the direction of that
    // step.
    int32_t Ego_Step = 0;
    Dir Ego_Step_Dir = Dir::None;
    // The direction the player steers.
    Dir Ego_Dir = Dir::None;
    // The figure is off the edge, leaving a trail.
    bool Ego_Cutting = false;
    // Where the cut began: a death while cutting puts the figure back there.
    int32_t Ego_Save_X = 573, Ego_Save_Y = 179, Ego_Save_Col = 36, Ego_Save_Row = 12;
    // A step was refused: the bump stars start.
    bool Bump_Flag = false;
    // Frame counter of the figure's four pictures, 0..12, three frames each.
    int32_t Ego_Anim = 0;
    // Something touches the figure this frame: the one signal by which anything hurts it.
    bool Ego_Hit = false;

    // Appearance and death sequences.
    // The appearance runs, and its frame count.
    bool Ego_Implose_On = false;
    int32_t Ego_Implose_Tick = 0;
    // The death runs, and its frame count.
    bool Ego_Explose_On = false;
    int32_t Ego_Explose_Tick = 0;
    // The crosshair of the sequence in window pixels, and which way each line slides.
    int32_t Cross_X = 0, Cross_Y = 0;
    bool Cross_X_Up = false, Cross_Y_Up = false;
    // The spinning figure's size in pixels and its angle (256 steps a turn).
    int32_t Ego_Seq_Width = 0, Ego_Seq_Height = 0, Ego_Seq_Angle = 0;

    bool operator==(const Player_State&) const = default;
};

// The star shots: 24 volley slots of four rockets, one in each direction d 1..4, in a table
// indexed [d][slot], slot 1..24 (index 0 unused).
inline constexpr int Volley_Slots = 24;

// One rocket of a volley: its flight, then its explosion.
struct Star_Shot {
    // The rocket flies.
    bool Shot_Active = false;
    // Qualified: the field bears its type's name.
    zarvo::Shot_Dir Shot_Dir = zarvo::Shot_Dir::None;
    // Its top-left corner in window pixels and its arena cell.
    int32_t Shot_X = 0, Shot_Y = 0;
    int32_t Shot_Col = 0, Shot_Row = 0;
    // Its explosion runs: frames since it began, where it stands, its picture.
    bool Shot_Exploding = false;
    int32_t Shot_Ex_Tick = 0;
    int32_t Shot_Ex_X = 0, Shot_Ex_Y = 0;
    int32_t Shot_Ex_Frame = 0;

    bool operator==(const Star_Shot&) const = default;
};

struct Shot_State {
    // The spin of the panel's star-shot icon (256 steps a turn).
    int32_t Star_Angle = 0;
    // A volley slot whose rockets still fly or explode.
    bool Volley_Used[Volley_Slots + 1] = {};
    Star_Shot Shot[5][Volley_Slots + 1] = {};

    bool operator==(const Shot_State&) const = default;
};

}  // namespace zarvo
