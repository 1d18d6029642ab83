#pragma once
// Where the pictures carry their buttons and readout slots. Every rectangle is written in
// window pixels with both ends included, exactly as the screens test their clicks; a picture
// drawn at (x0, y0) places it at the window position minus (x0, y0).
namespace assetgen {

struct Window_Rect {
    int x0, x1, y0, y1;  // inclusive
};

struct Origin {
    int x, y;
};

inline constexpr Origin Panel_Origin = {0, 430};
inline constexpr Origin Option_Origin = {155, 89};
inline constexpr Origin Score_Origin = {155, 49};
inline constexpr Origin Box_Origin = {143, 140};  // level complete and game over
inline constexpr Origin CodeWord_Origin = {143, 153};

// The title panel: background, code words, score table, options, start, quit.
inline constexpr Window_Rect Intro_Buttons[6] = {{217, 273, 445, 498}, {281, 337, 445, 498},
                                                 {345, 401, 445, 498}, {409, 465, 445, 498},
                                                 {473, 529, 445, 498}, {537, 594, 445, 498}};
inline constexpr const char* Intro_Labels[6] = {"PIC", "CODES", "SCORE", "SETUP", "START", "QUIT"};

// The game panel's buttons.
inline constexpr Window_Rect Panel_Background = {398, 436, 474, 510};
inline constexpr Window_Rect Panel_Score = {445, 517, 474, 510};
inline constexpr Window_Rect Panel_Title = {398, 598, 432, 472};
inline constexpr Window_Rect Panel_Options = {526, 598, 474, 510};

// The game panel's readouts (drawn over the picture by the game).
inline constexpr Window_Rect Panel_Difficulty_Slot = {26, 95, 437, 453};
inline constexpr Window_Rect Panel_Score_Slot = {100, 283, 431, 458};
inline constexpr Window_Rect Panel_Percent_Slot = {297, 383, 432, 472};
inline constexpr Window_Rect Panel_Level_Slot = {100, 283, 459, 471};
inline constexpr Window_Rect Panel_Rows_Slot = {97, 392, 472, 511};

// The difficulty choices of the option screen and the tabs of the score table.
inline constexpr Window_Rect Option_Difficulty[3] = {
    {263, 319, 164, 176}, {323, 379, 164, 176}, {383, 439, 164, 176}};
inline constexpr Window_Rect Score_Tabs[3] = {
    {263, 319, 124, 136}, {323, 379, 124, 136}, {383, 439, 124, 136}};
// Level row n (0-based) of the option screen: Y 184 + 13n .. 196 + 13n.
inline constexpr Window_Rect Option_Level_Row(int n) {
    return {263, 438, 184 + 13 * n, 196 + 13 * n};
}
inline constexpr Window_Rect Option_OK = {395, 437, 296, 334};
inline constexpr Window_Rect Score_Delete = {180, 227, 335, 374};
inline constexpr Window_Rect Score_OK = {395, 437, 335, 374};
inline constexpr Window_Rect Box_OK = {409, 451, 248, 284};
inline constexpr Window_Rect CodeWord_OK = {389, 446, 234, 270};

// The hint the game writes over the picture's sky band while the player holds star shots:
// "USE SPACE : ENTER FOR FIRE", 26 characters from (176, 20).
inline constexpr Window_Rect Star_Hint_Text = {176, 433, 20, 29};

// Text the game writes onto the boxes: the two code words, the score table's lines.
inline constexpr Window_Rect CodeWord_Fields[2] = {{175, 389, 196, 211}, {175, 389, 216, 231}};
inline constexpr Window_Rect Score_Table_Slot = {193, 445, 157, 307};
inline constexpr Window_Rect Score_Player_Slot = {193, 445, 311, 328};
inline constexpr Window_Rect Score_Status_Slot = {235, 388, 339, 372};

}  // namespace assetgen
