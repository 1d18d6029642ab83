#include "screens/boxes.h"

#include "assets/bitmap_text.h"
#include "screens/buttons.h"
#include "screens/cursor.h"
#include "screens/entry_chars.h"
#include "screens/score_file.h"

namespace zarvo {

namespace {

constexpr int Box_X = 143;
// Input is thrown away until the level-complete box has been up this long.
constexpr int Well_Done_Ready_Tick = 61;

// The OK button of the level-complete and game-over boxes, or Enter/Space.
bool Box_Accepted(Game& g) {
    Game_State& s = g.w.game;
    if (!Clicked(s, Box_OK_Button) && !s.Key_Pressed) return false;
    s.Mouse_Clicked = false;
    s.Key_Pressed = false;
    g.m.Play_Wave(Wave::Click);
    return true;
}

// Answers whether the box takes input in this frame.
bool Well_Done_Ready(Game& g) {
    Game_State& s = g.w.game;
    if (s.Well_Done_Tick < Well_Done_Ready_Tick) {
        s.Mouse_Clicked = false;
        s.Key_Pressed = false;
        ++s.Well_Done_Tick;
        return false;
    }
    if (s.Well_Done_Tick == Well_Done_Ready_Tick) {
        g.m.Play_Wave(Wave::Reload);
        ++s.Well_Done_Tick;
    }
    return true;
}

template <int N>
void Show_Cursor_After(Game& g, const Entry_Text<N>& word, int y) {
    Show_Text(g.m, "*", 179 + 10 * word.Length, y);
}

// The text cursor of the code-word box blinks ten frames on, ten off.
void Show_CodeWord_Cursor(Game& g) {
    Game_State& s = g.w.game;
    int32_t& tick = g.w.screens.CodeWord_Tick;
    ++tick;
    if (tick >= 1 && tick <= 10) {
        if (s.CodeWord_1_Typing) Show_Cursor_After(g, s.CodeWord_1, 198);
        if (s.CodeWord_2_Typing) Show_Cursor_After(g, s.CodeWord_2, 218);
    }
    if (tick >= 20 || tick < 0) tick = 0;
}

// A game that ends takes the score table and the option screen opened from its panel with it;
// left open they would come back over the next game.
void Close_Panel_Screens(Game& g) {
    Game_State& s = g.w.game;
    if (s.Panel_Score_On) {
        Close_Score(g);
        g.w.screens.Score_Loaded = 0;
        s.Panel_Score_On = false;
    }
    s.Panel_Option_On = false;
}

}  // namespace

bool Show_Well_Done(Game& g) {
    Game_State& s = g.w.game;
    g.m.Draw_Image(Img2::Well_Done, Box_X, 140);
    if (!Well_Done_Ready(g) || !Box_Accepted(g)) return false;
    s.Well_Done = false;
    s.Game_Halted = false;
    s.Well_Done_Tick = 0;
    Start_Message_Explose(g, Box_OK_Burst.X, Box_OK_Burst.Y);
    return true;
}

void Show_Game_Over(Game& g) {
    Game_State& s = g.w.game;
    if (g.w.screens.Game_Over_Tick == 0) {
        Close_Panel_Screens(g);
        Set_Game_Over_Cursor_Rect(g);
        g.w.screens.Game_Over_Tick = 1;
    }
    s.Back_Picture_Choice = 1;
    s.Back_Picture_Image = Img2::CopyRight;
    g.m.Draw_Image(Img2::Panel_Intro, 0, 430);
    g.m.Draw_Image(Img2::Game_Over, Box_X, 140);
    if (!Box_Accepted(g)) return;
    Start_Message_Explose(g, Box_OK_Burst.X, Box_OK_Burst.Y);
    s.Game_Over = false;
    g.w.screens.Game_Over_Tick = 0;
    s.Game_Halted = true;
    s.Set_Score_New_On = true;
    Set_Score_Cursor_Rect(g);
}

void Show_CodeWords(Game& g) {
    Game_State& s = g.w.game;
    g.m.Draw_Image(Img2::CodeWord, Box_X, 153);
    Show_Text(g.m, Entry_Chars<20>(s.CodeWord_1).Text, 179, 199);
    Show_Text(g.m, Entry_Chars<20>(s.CodeWord_2).Text, 179, 219);
    Show_CodeWord_Cursor(g);
    if (!Clicked(s, CodeWord_OK_Button) && !s.Key_Pressed) return;
    s.Key_Pressed = false;
    Press_Button(g, CodeWord_OK_Burst);
    s.CodeWords_On = false;
    s.CodeWord_1_Typing = false;
    s.CodeWord_2_Typing = false;
    Set_Sponsor_Cursor_Rect(g);
}

}  // namespace zarvo
