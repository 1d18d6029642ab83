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

struct Game_State {
    // Mode flags.
    // The title screen is up.
    bool Sponsor_On = true;
    // The title was opened over a running game, which waits behind it.
    bool Sponsor_Paused = false;
    // This frame is a frame of play (Game_Frame sets it; the title and the name entry clear it).
    bool Playing = false;
    // The code-word box is open on the title.
    bool CodeWords_On = false;
    // The score table opened from the title.
    bool Sponsor_Score_On = false;
    // The option screen opened from the title.
    bool Sponsor_Option_On = false;
    // The score table opened from the panel, over the game.
    bool Panel_Score_On = false;
    // The option screen opened from the panel, over the game.
    bool Panel_Option_On = false;
    // The game-over box is up.
    bool Game_Over = false;
    // The name entry of a new high score is up.
    bool Set_Score_New_On = false;
    // The level is won and its box is up.
    bool Well_Done = false;
    // The figure takes no input (a sequence runs or a box is up).
    bool Game_Halted = false;

    // The level played, 1..8, and its difficulty, 1..3 (NOVICE, NORMAL, EXPERT).
    int32_t Level = 1;
    int32_t Difficulty = 1;
    // The level and difficulty last set up: a change on the option screen starts a new game.
    int32_t Last_Level = 0;
    int32_t Last_Difficulty = 0;
    int32_t Score = 0;
    // Lives left, 0..5; an empty energy store costs one.
    int32_t Lives = 5;
    // Enemies, pilots and hazards still standing or exploding; 0 wins the level.
    int32_t Enimy_Count = 0;
    // Tiles removed from the arena in this level.
    int32_t Fliese_Claimed = 0;
    // The claimed share of the arena in percent (80 wins the level).
    int32_t Fliese_Percent = 0;
    // Frames the level-complete box has been up (0 while it is not).
    int32_t Well_Done_Tick = 0;
    // The background picture: 0 the title picture, 1 the copyright picture.
    int32_t Back_Picture_Choice = 0;

    // The pointer in window pixels.
    int32_t Mouse_X = 0;
    int32_t Mouse_Y = 0;
    // A click waits for this frame.
    bool Mouse_Clicked = false;
    // Where the pending click was made: the screens judge it there, wherever the pointer has
    // gone since.
    int32_t Click_X = 0;
    int32_t Click_Y = 0;
    // A key that confirms (Enter, Space) waits for this frame.
    bool Key_Pressed = false;
    // Star shots left to fire (shown on the panel).
    int32_t Star_Fire_Count = 0;
    // A star shot was asked for and waits until the figure stands on a cell.
    bool Star_Fire_Request = false;
    // The two code words' special modes are on.
    bool Immortal_Code = false;
    bool Fire_Code = false;

    // The window's top-left corner on the screen, in pixels (the window is centred).
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

    bool operator==(const Game_State&) const = default;
};

}  // namespace zarvo
