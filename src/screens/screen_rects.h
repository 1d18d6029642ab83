#pragma once
// Where the things a player points at lie, in window pixels, both ends of a rectangle
// included: the buttons of the title, the panel and the boxes, the tabs and choices of the
// score and option screens, and the rectangle the pointer is held in while each screen is up
// with the place it is put on. The screens, the pointer, the input handler, the random player
// and the tests all take them from here. A button's burst point is where the star burst of a
// press starts.

namespace zarvo {

struct Button {
    int Left, Top, Right, Bottom;
    constexpr bool Contains(int x, int y) const {
        return x >= Left && x <= Right && y >= Top && y <= Bottom;
    }
};

struct Screen_Point {
    int X, Y;
};

constexpr Screen_Point Centre(const Button& b) {
    return {(b.Left + b.Right) / 2, (b.Top + b.Bottom) / 2};
}

// The title's buttons: 57 pixels wide on a 64-pixel pitch, all in one band.
inline constexpr Button Title_Band{217, 445, 594, 498};
inline constexpr Button Title_Background_Button{217, 445, 273, 498};
inline constexpr Button Title_CodeWord_Button{281, 445, 337, 498};
inline constexpr Button Title_Score_Button{345, 445, 401, 498};
inline constexpr Button Title_Option_Button{409, 445, 465, 498};
inline constexpr Button Title_Start_Button{473, 445, 529, 498};
inline constexpr Button Title_Quit_Button{537, 445, 594, 498};
inline constexpr Screen_Point Title_Background_Burst{249, 475};
inline constexpr Screen_Point Title_CodeWord_Burst{313, 475};
inline constexpr Screen_Point Title_Score_Burst{377, 475};
inline constexpr Screen_Point Title_Option_Burst{441, 475};
inline constexpr Screen_Point Title_Start_Burst{505, 475};

// The game panel's buttons.
inline constexpr Button Panel_Picture_Button{398, 474, 436, 510};
inline constexpr Button Panel_Score_Button{445, 474, 517, 510};
inline constexpr Button Panel_Title_Button{398, 432, 598, 472};
inline constexpr Button Panel_Option_Button{526, 474, 598, 510};
inline constexpr Screen_Point Panel_Picture_Burst{417, 491};
inline constexpr Screen_Point Panel_Score_Burst{481, 491};
inline constexpr Screen_Point Panel_Title_Burst{497, 452};
inline constexpr Screen_Point Panel_Option_Burst{562, 491};

// The OK buttons of the level-complete and game-over boxes, and of the code-word box.
inline constexpr Button Box_OK_Button{409, 248, 451, 284};
inline constexpr Screen_Point Box_OK_Burst{431, 260};
inline constexpr Button CodeWord_OK_Button{389, 234, 446, 270};
inline constexpr Screen_Point CodeWord_OK_Burst{411, 246};

// The score screen: three tabs (one per difficulty, where the option screen has its
// difficulty choices), delete and OK.
inline constexpr int Choice_Left[4] = {0, 263, 323, 383};
inline constexpr int Choice_Width = 57;
constexpr Button Score_Tab_Button(int tab) {
    return {Choice_Left[tab], 124, Choice_Left[tab] + Choice_Width - 1, 136};
}
inline constexpr Button Score_Delete_Button{180, 335, 227, 374};
inline constexpr Button Score_OK_Button{395, 335, 437, 374};
inline constexpr Screen_Point Score_Delete_Burst{204, 347};
inline constexpr Screen_Point Score_OK_Burst{419, 347};

// The rows of the score screen's ten entries (rank 1..10), where the mark of a row whose game
// can be watched stands, and the mark that the score board has that game.
constexpr Button Score_Entry_Row(int rank) {
    return {196, 158 + 15 * (rank - 1), 461, 172 + 15 * (rank - 1)};
}
inline constexpr int Score_Watch_Mark_X = 444;
inline constexpr int Score_Board_Mark_X = 456;

// The option screen: three difficulties, eight level rows of 13 pixels, OK.
constexpr Button Option_Difficulty_Button(int difficulty) {
    return {Choice_Left[difficulty], 164, Choice_Left[difficulty] + Choice_Width - 1, 176};
}
constexpr Button Option_Level_Row(int level) {
    return {Choice_Left[1], 184 + 13 * (level - 1), 438, 184 + 13 * (level - 1) + 12};
}
inline constexpr Button Option_OK_Button{395, 296, 437, 334};
inline constexpr Screen_Point Option_OK_Burst{411, 308};

// The rectangles the pointer is held in while a screen is up, and where it is put.
struct Pointer_Hold {
    Button Area;
    Screen_Point Home;
};
inline constexpr Pointer_Hold Title_Hold{Title_Band, Title_Start_Burst};
inline constexpr Pointer_Hold Panel_Hold{{397, 432, 598, 498}, Panel_Title_Burst};
inline constexpr Pointer_Hold Score_Hold{{150, 49, 461, 380}, Score_OK_Burst};
inline constexpr Pointer_Hold Option_Hold{{150, 89, 461, 340}, Option_OK_Burst};
inline constexpr Pointer_Hold Box_Hold{{143, 140, 479, 290}, {423, 258}};
inline constexpr Pointer_Hold CodeWord_Hold{{143, 153, 479, 276}, CodeWord_OK_Burst};

}  // namespace zarvo
