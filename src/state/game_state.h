#pragma once
// The shared game state of the frame loop: the mode flags, level and score, and the input
// flags that the window events record for the next frame.
#include <cstdint>

namespace zarvo {

// A length-counted text of at most N upper-case letters. The text is its first Length letters;
// whatever stands in the table beyond them is no part of it.
template <int N>
struct Entry_Text {
    static constexpr int Limit = N;
    int32_t Length = 0;
    char Letters[N] = {};

    int shown() const { return Length < 0 ? 0 : Length > N ? N : Length; }
    bool operator==(const Entry_Text& o) const {
        if (Length != o.Length) return false;
        for (int i = 0; i < shown(); ++i)
            if (Letters[i] != o.Letters[i]) return false;
        return true;
    }
};

struct GameState {
    // Mode flags.
    bool Sponsor_On = true;
    bool Sponsor_Paused = false;
    bool Playing = false;
    bool CodeWords_On = false;
    bool Sponsor_Score_On = false;
    bool Sponsor_Option_On = false;
    bool Panel_Score_On = false;
    bool Panel_Option_On = false;
    bool Game_Over = false;
    bool Set_Score_New_On = false;
    bool Well_Done = false;
    bool Game_Halted = false;

    int32_t Level = 1;
    int32_t Difficulty = 1;
    int32_t Last_Level = 0;
    int32_t Last_Difficulty = 0;
    int32_t Score = 0;
    int32_t Lives = 5;
    int32_t Enimy_Count = 0;
    int32_t Fliese_Claimed = 0;
    int32_t Fliese_Percent = 0;
    int32_t Well_Done_Tick = 0;
    int32_t Back_Picture_Choice = 0;

    int32_t Mouse_X = 0;
    int32_t Mouse_Y = 0;
    bool Mouse_Clicked = false;
    bool Key_Pressed = false;
    int32_t Star_Fire_Count = 0;
    bool Star_Fire_Request = false;
    bool Immortal_Code = false;
    bool Fire_Code = false;

    int32_t Form_Left = 0;
    int32_t Form_Top = 0;

    // The polled direction states of this frame.
    bool Input_Up = false, Input_Down = false, Input_Left = false, Input_Right = false;

    // The text entries: the player's name and the two code words.
    Entry_Text<10> Player_Name;
    Entry_Text<20> CodeWord_1;
    Entry_Text<20> CodeWord_2;
    bool CodeWord_1_Typing = false;
    bool CodeWord_2_Typing = false;
    bool Name_Entry_On = false;
    bool Name_Done = false;

    // The background sprite: one full-screen image at (0, 0) behind everything
    // (46 Sponsor or 47 CopyRight of the second image list).
    bool Back_Picture_Exists = false;
    int32_t Back_Picture_Image = 46;
    int32_t Back_Picture_X = 0, Back_Picture_Y = 0, Back_Picture_Z = -100;

    // Set when the program is to end (the Quit button or a lost surface).
    bool Quit_Requested = false;

    bool operator==(const GameState&) const = default;
};

}  // namespace zarvo
