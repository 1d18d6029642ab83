#pragma once
// State of title, option, score-table and box screens, the score file and the name entry.
#include <cstdint>

#include "state/directions.h"
#include "state/game_state.h"

namespace zarvo {

// Records 1..30 of the score file: three tables of ten entries, one per difficulty.
inline constexpr int Score_Records = 30;
inline constexpr int Score_Table_Size = 10;
inline constexpr int Score_Name_Limit = 10;

using Score_Name_Text = Entry_Text<Score_Name_Limit>;

struct Screen_State {
    // Title screen: frames shown since the last Start (the greeting sounds at 21).
    int32_t Sponsor_Tick = 0;
    // Score-table screen: 1 once the file has been read for this showing.
    int32_t Score_Loaded = 0;

    // Game-over box: 1 once it has placed the pointer.
    int32_t Game_Over_Tick = 0;
    // Code-word box: blink counter of the text cursor.
    int32_t CodeWord_Tick = 0;

    // The score tables in memory, 1-based (index 0 unused), and the file's state.
    Score_Name_Text Score_Name[Score_Records + 1] = {};
    int32_t Score_Points[Score_Records + 1] = {};
    // The score file is open for this showing.
    bool Score_File_Open = false;
    // The file could not be read or written: DRIVE ERROR shows.
    bool Drive_Error = false;
    // The table shown, by difficulty 1..3.
    int32_t Score_Difficulty = 1;
    // Blink counter of the table's messages, 0..19.
    int32_t Score_Tick = 0;

    // The direction key that steers the pointer on the screens, as held in the last frame,
    // and the frames it has been held.
    Steer_Dir Steer_Held = Steer_Dir::None;
    int32_t Steer_Tick = 0;

    // Name entry after a game.
    // 1 once the name entry has been set up for this showing.
    int32_t Set_Score_Loaded = 0;
    // The score earns a place, and the rank it takes.
    bool Name_Qualifies = false;
    int32_t Name_Rank = 0;

    bool operator==(const Screen_State&) const = default;
};

}  // namespace zarvo
